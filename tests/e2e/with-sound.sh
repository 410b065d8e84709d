#!/usr/bin/env bash
# Runs a command with a sound server of its own whose only output is a null
# sink: what programs play there can be recorded from its monitor, which the
# command finds in TAVROLIN_E2E_SOUND_MONITOR.
# Usage: with-sound.sh COMMAND [ARG...]
set -euo pipefail

for tool in pulseaudio pactl parec; do
    command -v "$tool" >/dev/null || { echo "with-sound: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
done

runtime=$(mktemp -d /tmp/tavrolin-sound.XXXXXX)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$runtime HOME=$runtime PULSE_SERVER=unix:$runtime/pulse/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    -L module-native-protocol-unix -L "module-null-sink sink_name=tavrolin rate=44100" \
    >"$runtime/server.log" 2>&1 &
server=$!
for _ in $(seq 1 200); do
    pactl info >/dev/null 2>&1 && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if ! pactl info >/dev/null 2>&1; then
    echo "with-sound: the sound server did not start:" >&2
    cat "$runtime/server.log" >&2
    exit 1
fi
pactl set-default-sink tavrolin
export TAVROLIN_E2E_SOUND_MONITOR=tavrolin.monitor
"$@"
