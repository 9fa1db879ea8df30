#include "ImplicitWindows_p.h"

#include "NativeWidget_p.h"
#include "NeverDestroyed_p.h"
#include "Statics_p.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace fw {

namespace {

struct WindowLists {
    std::vector<Ref<Window>> open;
    // One per class, found by the class's full name.
    std::vector<Ref<Window>> implicitInstances;
};

// Never destroyed: the windows are released by shut-down while Qt still
// runs, not by the C++ runtime after Qt has gone.
WindowLists& lists()
{
    static NeverDestroyed<WindowLists> windows;
    return windows.get();
}

const StaticsRegistration windowListStatics(StaticsRank::Windows, nullptr, RuntimeReleaseWindows);

} // namespace

void ImplicitWindows::hold(Window* window)
{
    WindowLists& windows = lists();
    if (std::ranges::find(windows.open, window, &Ref<Window>::get) == windows.open.end())
        windows.open.emplace_back(window);
    if (!_GetImplicitWindow(window->classRecord().name))
        windows.implicitInstances.emplace_back(window);
}

void ImplicitWindows::release(Window* window)
{
    // The caller may hold the last other reference; the window must survive
    // until the caller returns.
    Ref<Window> keepAlive(window);
    WindowLists& windows = lists();
    std::erase(windows.open, keepAlive);
    std::erase(windows.implicitInstances, keepAlive);
}

bool ImplicitWindows::isImplicitInstance(const Window* window)
{
    const std::vector<Ref<Window>>& instances = lists().implicitInstances;
    return std::ranges::find(instances, window, &Ref<Window>::get) != instances.end();
}

std::size_t ImplicitWindows::openWindowCount()
{
    return lists().open.size();
}

Window* ImplicitWindows::openWindowAt(std::size_t index)
{
    const std::vector<Ref<Window>>& open = lists().open;
    return index < open.size() ? open[index].get() : nullptr;
}

Ref<Window> _GetImplicitWindow(String fullClassName)
{
    for (const Ref<Window>& window : lists().implicitInstances) {
        if (window->classRecord().name == fullClassName)
            return window;
    }
    return nullptr;
}

void RuntimeReleaseWindows()
{
    {
        // Taken out first: a window's finaliser must find the lists
        // consistent. The list of open windows goes first and the list of
        // implicit windows last, before the widgets are deleted.
        WindowLists released = std::exchange(lists(), WindowLists{});
        released.open.clear();
        released.implicitInstances.clear();
    }
    if (QCoreApplication::instance())
        deleteDeferredWidgets();
}

} // namespace fw
