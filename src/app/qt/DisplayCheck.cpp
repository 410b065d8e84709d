#include "DisplayCheck.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrolin::app {

namespace {

const char* env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Connects to a Unix socket (a leading '@' names an abstract one); 0 or errno.
int connectUnix(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return ENAMETOOLONG;
    std::memcpy(address.sun_path, path.data(), path.size());
    if (path[0] == '@') address.sun_path[0] = '\0';
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + path.size());
    const int result = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 ? 0 : errno;
    close(fd);
    return result;
}

std::optional<std::string> waylandProblem(const std::string& name)
{
    std::string path = name;
    if (name[0] != '/') {
        const char* runtime = env("XDG_RUNTIME_DIR");
        if (!runtime) return "the Wayland display " + name + " cannot be reached: XDG_RUNTIME_DIR is not set";
        path = std::string(runtime) + "/" + name;
    }
    if (const int error = connectUnix(path))
        return "the Wayland display " + name + " cannot be reached: " + std::strerror(error) + " (" + path + ")";
    return std::nullopt;
}

// A local display's number, ":1" and ":1.0" alike; empty for a remote one.
std::string localNumber(const std::string& display)
{
    if (display.empty() || display[0] != ':') return {};
    const std::string rest = display.substr(1);
    return rest.substr(0, rest.find('.'));
}

std::optional<std::string> x11Problem(const std::string& display)
{
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display.c_str(), &screen);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    const std::string named = "the display " + display + " (DISPLAY)";
    switch (error) {
    case 0:
        return std::nullopt;
    case XCB_CONN_CLOSED_PARSE_ERR:
        return "DISPLAY=\"" + display + "\" is not the name of a display";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return named + " has no screen " + std::to_string(screen);
    case XCB_CONN_ERROR: {
        const std::string number = localNumber(display);
        if (number.empty()) return named + " cannot be reached: no X server answers there";
        // An X server that answers and still closes the connection has
        // refused this user: the sudo case, without its cookie.
        const std::string socketPath = "/tmp/.X11-unix/X" + number;
        if (connectUnix("@" + socketPath) == 0 || connectUnix(socketPath) == 0)
            return named + " refused the connection: no authorization for it (XAUTHORITY)";
        if (access(socketPath.c_str(), F_OK) == 0)
            return named + " is not running: its socket " + socketPath + " is left from an X server that has ended";
        return named + " is not running";
    }
    default:
        return named + " cannot be used (X connection error " + std::to_string(error) + ")";
    }
}

} // namespace

std::optional<std::string> displayProblem()
{
    // A platform chosen by hand (offscreen in tests) is Qt's to open.
    if (env("QT_QPA_PLATFORM")) return std::nullopt;
    const char* display = env("DISPLAY");
    const char* wayland = env("WAYLAND_DISPLAY");
    if (!display && !wayland) return "no display available (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    if (!display) return waylandProblem(wayland);
    auto x11 = x11Problem(display);
    // With both named, a reachable Wayland display is Qt's first choice.
    if (x11 && wayland && !waylandProblem(wayland)) return std::nullopt;
    return x11;
}

} // namespace tavrolin::app
