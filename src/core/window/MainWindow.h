#pragma once

#include "basics/ControlId.h"
#include "basics/Failure.h"
#include "toolkit/Toolkit.h"

#include <optional>

namespace tavrolin {

enum class Event { Load, Click, Change };
// The page reports a control's event as one number: index * this + event.
constexpr int eventsPerControl = 4;

// The main window's behaviour: which handler answers which control event.
// The toolkit reports events here; handlers reach the window's controls
// only through the toolkit.
class MainWindow {
public:
    explicit MainWindow(Toolkit& toolkit) : toolkit_(toolkit) {}

    bool handles(ControlId control, Event event) const;

    // Runs the handler, letting a failure propagate to the caller. The
    // toolkit uses this when code selects an option button, so that a
    // failure ends the outermost handler, not only the nested one.
    void runHandler(ControlId control, Event event);

    // The boundary between the toolkit's event loop and the handlers: a
    // failure never passes it, it is returned for the toolkit to report.
    std::optional<Failure> dispatch(ControlId control, Event event) noexcept;

private:
    Toolkit& toolkit_;
};

} // namespace tavrolin
