// The operations through which native input and the framework raise the
// window's events in its class.
#include "framework/Window.h"

#include "CheckedSelf_p.h"
#include "RaiseEvent_p.h"

namespace fw {

void Window::_CallMoved(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Moved);
}

void Window::_CallActivated(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Activate);
}

void Window::_CallDeactivated(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Deactivate);
}

bool Window::_CallMouseDown(Window* window, std::int32_t x, std::int32_t y)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::MouseDown, x, y);
}

void Window::_CallResized(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Resized);
}

void Window::_CallResizing(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Resizing);
}

void Window::_MouseEnter(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseEnter);
}

void Window::_MouseExit(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseExit);
}

void Window::_MouseMove(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseMove, x, y);
}

void Window::_Paint(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Paint);
}

bool Window::_MouseWheel(Window* window, std::int32_t x, std::int32_t y, std::int32_t deltaX, std::int32_t deltaY)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::MouseWheel, x, y, deltaX, deltaY);
}

bool Window::_KeyDown(Window* window, String key)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::KeyDown, std::move(key));
}

void Window::_CallOpen(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Open);
}

void Window::_CallClose(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Close);
}

void Window::_CallKeyUp(Window* window, String key)
{
    raiseEvent(&checkedSelf(window), WindowEvent::KeyUp, std::move(key));
}

void Window::_CallMouseUp(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseUp, x, y);
}

void Window::_CallMouseDrag(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseDrag, x, y);
}

} // namespace fw
