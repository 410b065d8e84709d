// Every wait of the checks ends as soon as what it waits for holds. It
// fails only when that never comes: after a minute, which no machine of
// ours, however slow or busy, comes near. Only lower time bounds are
// checked.
export const hangGuard = 60000;
