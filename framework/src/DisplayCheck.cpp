#include "DisplayCheck_p.h"

#include "framework/Exceptions.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace fw {

namespace {

// The platform Qt will load: the first of QT_QPA_PLATFORM's choices
// ("xcb:option;offscreen" asks for xcb first), or, when none is asked for,
// X unless the session is a Wayland one.
bool platformIsX()
{
    const char* requested = std::getenv("QT_QPA_PLATFORM");
    if (requested && *requested) {
        std::string_view first(requested);
        first = first.substr(0, first.find_first_of(";:"));
        return first == "xcb";
    }
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return !(session && std::string_view(session) == "wayland");
}

} // namespace

void requireDisplay()
{
    if (!platformIsX())
        return;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (opened)
        return;
    const char* display = std::getenv("DISPLAY");
    const std::string where = display && *display ? "the X display \"" + std::string(display) + "\" did not answer"
                                                    : std::string("DISPLAY is not set");
    RaiseNew(RuntimeException::__Lookup(), "no display could be opened: " + where);
}

} // namespace fw
