#include "DisplayCheck_p.h"

#include "framework/Exceptions.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

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

DisplayCheck::DisplayCheck()
{
    if (!platformIsX())
        return;
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection) == 0)
        return;
    xcb_disconnect(std::exchange(m_connection, nullptr));
    const char* display = std::getenv("DISPLAY");
    const std::string where = display && *display ? "the X display \"" + std::string(display) + "\" did not answer"
                                                    : std::string("DISPLAY is not set");
    RaiseNew(RuntimeException::__Lookup(), "no display could be opened: " + where);
}

DisplayCheck::~DisplayCheck()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

} // namespace fw
