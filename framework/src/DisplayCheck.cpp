#include "DisplayCheck_p.h"

#include "framework/Exceptions.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

namespace {

// Whether Qt will load X and only X: QT_QPA_PLATFORM asks for xcb alone
// ("xcb" or "xcb:option"), or, when it asks for nothing, the session is not
// a Wayland one. A list of choices ("xcb;offscreen") is Qt's to work
// through: it goes on to the next when X cannot be reached.
bool platformIsX()
{
    const char* requested = std::getenv("QT_QPA_PLATFORM");
    if (requested && *requested) {
        const std::string_view choices(requested);
        return choices.find(';') == std::string_view::npos && choices.substr(0, choices.find(':')) == "xcb";
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
