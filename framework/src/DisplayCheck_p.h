// Qt ends the process with abort() when its platform cannot reach a
// display. The framework looks first, before it makes the GUI application,
// so that a missing display is reported like any failed start-up: one line
// on standard error and a failure status.
#pragma once

struct xcb_connection_t;

namespace fw {

// Raises a RuntimeException that says no display could be opened when Qt
// would use X and no X display answers. Other platforms (offscreen,
// Wayland) are left to Qt.
//
// The connection it opened stays open for the check's life: keep the check
// until Qt has connected. An X server that resets when its last client
// leaves (Xvfb does by default) would otherwise be resetting just as Qt
// connects, and Qt would abort after all.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

private:
    xcb_connection_t* m_connection = nullptr;
};

} // namespace fw
