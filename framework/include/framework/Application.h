// The application object, the runtime's life cycle and the event loop.
#pragma once

#include "framework/Delegate.h"

#include <cstdint>

namespace fw {

class MenuBar;

class Application : public Object {
public:
    explicit Application(ClassRecord& record);
    ~Application() override;
    static ClassRecord& __Lookup();

    // `Application.MenuBar` (set): the application keeps its own reference.
    static void MenuBar_Set(Application* application, std::int32_t, MenuBar* menuBar);
    MenuBar* menuBar() const { return m_menuBar.get(); }

private:
    Ref<MenuBar> m_menuBar;
};

// Application's 17 class-table operations, in their order.
namespace ApplicationSlot {
inline constexpr Slot<void(Application*)> NewDocument{0};
inline constexpr Slot<void(Application*, Object*)> OpenDocument{1};
inline constexpr Slot<void(Application*, std::int32_t)> DoEvents{2};
inline constexpr Slot<void(Application*, String, Operation)> _AddMenuHandler{3};
inline constexpr Slot<void(Application*)> _AddPollableObject{4};
inline constexpr Slot<void(Application*)> _RemovePollableObject{5};
inline constexpr Slot<bool(Application*)> AddTrayItem{6};
inline constexpr Slot<void(Application*)> RemoveTrayItem{7};
inline constexpr Slot<void(Application*)> YieldToNextThread{8};
inline constexpr Slot<void(Application*, std::int32_t)> SleepCurrentThread{9};
inline constexpr Slot<void(Application*, bool)> _DoSingleEvent{10};
inline constexpr Slot<void(Application*, Object*)> _EnableMenuItems{11};
inline constexpr Slot<void(Application*)> _CallOpen{12};
inline constexpr Slot<bool(Application*, Object*)> _HandleMenuCommand{13};
inline constexpr Slot<Ref<Object>(Application*, String)> _LoadPictureFromBundle{14};
inline constexpr Slot<Ref<Object>(Application*, String)> _LoadBundleSound{15};
inline constexpr Slot<void(Application*)> __DependencyList{16};
inline constexpr std::size_t OperationCount = 17;
} // namespace ApplicationSlot

// The exception helper: calls a routine with one pointer argument and hands
// back the RuntimeException it raised, or nil; other exceptions pass on.
using ExceptionHelper = Ref<RuntimeException> (*)(void (*routine)(void*), void* argument);
using StartupRoutine = void (*)();

void RuntimeInit();
// Ends the runtime; the result is the process's exit status (0 after a
// normal quit).
std::int32_t RuntimeExit();

void _RuntimeSetExceptionHelper(Operation helper);
// Creates the GUI application, then runs the start-up routine once, before
// the event loop.
void _RunFrameworkInitialization(Operation startup);
// The event loop; returns when the application quits.
void _RuntimeRun();
// Asks the running event loop to end (what the Quit item does).
void RuntimeQuit();
// Reports an exception (its class and message, on standard error) and returns.
void _UnhandledException(RuntimeException* exception);
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
inline constexpr std::size_t kPluginEntryCount = 70;
// The entry of that name in the plug-in table, nil when not found.
Operation pluginEntryPoint(std::string_view name);
void _RuntimeRegisterAppObject(Application* application);
Application* RuntimeAppObject();

// Runs program code the way the event loop runs an event handler: through
// the installed exception helper, reporting an exception that leaves it
// with _UnhandledException and going on.
void RuntimeDeliverEvent(void (*routine)(void*), void* argument);

// The framework's part of start-up's class registration and of shut-down.
void RuntimeInitializeFrameworkClasses();
void RuntimeFinalizeFrameworkStatics();

} // namespace fw
