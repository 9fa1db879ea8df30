// The framework's lists of windows: every constructed window that is still
// open, and per window class the instance that the class's implicit-instance
// accessor finds again. Both hold their windows until the window closes or
// shut-down releases them, last of the framework's statics.
#pragma once

#include "framework/Window.h"

#include <cstddef>

namespace fw::ImplicitWindows {

// Holds a newly constructed window as open and, when its class has none yet,
// as its class's implicit instance.
void hold(Window* window);
// Lets go of a closing window in both lists.
void release(Window* window);
bool isImplicitInstance(const Window* window);

std::size_t openWindowCount();
// The open window at a place in construction order, or nil.
Window* openWindowAt(std::size_t index);

} // namespace fw::ImplicitWindows
