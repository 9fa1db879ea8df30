// Qt ends the process with abort() when its platform cannot reach a
// display. The framework looks first, before it makes the GUI application,
// so that a missing display is reported like any failed start-up: one line
// on standard error and a failure status.
#pragma once

namespace fw {

// Raises a RuntimeException that says no display could be opened when Qt
// would use X and no X display answers. Other platforms (offscreen,
// Wayland) are left to Qt.
void requireDisplay();

} // namespace fw
