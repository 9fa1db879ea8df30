// The application object, the runtime's life cycle and the event loop.
//
// A program starts the runtime, has the class records built, installs its
// exception helper, hands its start-up routine to the framework's
// initialisation and runs the event loop until it quits. Program code that
// an event runs goes through RuntimeDeliverEvent, so that an exception it
// raises is reported and never unwinds through Qt.
#pragma once

#include "framework/Delegate.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace fw {

class FolderItem;
class MenuBar;
class MenuItem;
class Picture;
class Sound;

// A typed place among a class's event records: the implementation a class
// puts there must have the place's type.
template<typename Signature>
struct EventPlace {
    std::size_t index;
};

// The class's implementation of the event, nil when it has none.
template<typename Signature>
Signature* eventImplementation(const ClassRecord& record, EventPlace<Signature> place)
{
    if (place.index >= record.events.size())
        return nullptr;
    return reinterpret_cast<Signature*>(record.events[place.index].implementation);
}

template<typename Signature>
void implementEvent(ClassRecord& record, EventPlace<Signature> place, Signature* implementation)
{
    record.events.at(place.index).implementation = eraseOperation(implementation);
}

class Application : public Object {
public:
    explicit Application(ClassRecord& record);
    ~Application() override;
    static ClassRecord& __Lookup();

    // The instance initialiser and finaliser of the class: `Application.__Init`
    // follows the GUI application's activation, `Application.__Exit` lets go
    // of the menu bar and the menu handlers.
    static void __Init(Object* object);
    static void __Exit(Object* object);

    // Class-table operations (see ApplicationSlot for their places).
    // Fires NewDocument / OpenDocument.
    static void NewDocument(Application* application);
    static void OpenDocument(Application* application, FolderItem* item);
    // Handles pending events for up to the given milliseconds (0: those
    // waiting now).
    static void DoEvents(Application* application, std::int32_t milliseconds);
    // Registers the routine that handles the menu item of that Name; it
    // takes the application and returns True when it handled the choice.
    static void _AddMenuHandler(Application* application, String itemName, Operation handler);
    static void _AddPollableObject(Application* application);
    static void _RemovePollableObject(Application* application);
    // There is no tray here: adding one fails.
    static bool AddTrayItem(Application* application);
    static void RemoveTrayItem(Application* application);
    static void YieldToNextThread(Application* application);
    static void SleepCurrentThread(Application* application, std::int32_t milliseconds);
    // Handles one batch of events, waiting for one first if asked to.
    static void _DoSingleEvent(Application* application, bool wait);
    // Fires EnableMenuItems, then enables the menu bar's automatic items.
    static void _EnableMenuItems(Application* application, Object* items);
    // Fires Open.
    static void _CallOpen(Application* application);
    // Runs the menu handler registered for the item's Name; false when
    // there is none or it did not handle the choice.
    static bool _HandleMenuCommand(Application* application, MenuItem* item);
    // A file of the bundle's Resources folder, or nil.
    static Ref<Picture> _LoadPictureFromBundle(Application* application, String fileName);
    static Ref<Sound> _LoadBundleSound(Application* application, String fileName);
    static void __DependencyList(Application* application);

    // `Application.MenuBar` (set, get), in the plug-in convention (the
    // application, 0 and the menu bar); the application keeps its own
    // reference. The class's other properties are the process's settings,
    // reached by reflection and the plug-in table.
    static void MenuBar_Set(Application* application, std::int32_t, MenuBar* menuBar);
    static Ref<MenuBar> MenuBar_Get(Application* application, std::int32_t);
    MenuBar* menuBar() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Application's 17 class-table operations, in their order.
namespace ApplicationSlot {
inline constexpr Slot<void(Application*)> NewDocument{0};
inline constexpr Slot<void(Application*, FolderItem*)> OpenDocument{1};
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
inline constexpr Slot<bool(Application*, MenuItem*)> _HandleMenuCommand{13};
inline constexpr Slot<Ref<Picture>(Application*, String)> _LoadPictureFromBundle{14};
inline constexpr Slot<Ref<Sound>(Application*, String)> _LoadBundleSound{15};
inline constexpr Slot<void(Application*)> __DependencyList{16};
inline constexpr std::size_t OperationCount = 17;
inline constexpr std::size_t MethodRecordCount = 47;
inline constexpr std::size_t EventRecordCount = 10;
inline constexpr std::size_t PropertyRecordCount = 19;
} // namespace ApplicationSlot

// Application's 10 events, in record order, with their implementations' types.
namespace ApplicationEvent {
inline constexpr EventPlace<void(Application*)> Open{0};
inline constexpr EventPlace<void(Application*)> Close{1};
inline constexpr EventPlace<void(Application*)> EnableMenuItems{2};
inline constexpr EventPlace<void(Application*)> NewDocument{3};
inline constexpr EventPlace<void(Application*, FolderItem*)> OpenDocument{4};
// Never fired here: there are no such events on this platform.
inline constexpr EventPlace<bool(Application*, Object*, String, String)> HandleAppleEvent{5};
inline constexpr EventPlace<void(Application*)> Activate{6};
inline constexpr EventPlace<void(Application*)> Deactivate{7};
// True: the program dealt with the exception, and it is not reported.
inline constexpr EventPlace<bool(Application*, RuntimeException*)> UnhandledException{8};
// True: the program refuses to quit now.
inline constexpr EventPlace<bool(Application*)> CancelClose{9};
} // namespace ApplicationEvent

// The exception helper: calls a routine with one pointer argument and hands
// back the RuntimeException it raised, or nil; other exceptions pass on.
using ExceptionHelper = Ref<RuntimeException> (*)(void (*routine)(void*), void* argument);
using StartupRoutine = void (*)();

// Starts a life of the runtime: a new run with its own start-up.
void RuntimeInit();
// Ends the runtime; the result is the process's exit status: the status the
// event loop ended with (0 after a quit, also one by SIGTERM, SIGINT or
// SIGHUP), or 1 once an exception reached the program's catch
// (_UnhandledException). Deletes the GUI application if the framework
// created it.
std::int32_t RuntimeExit();

void _RuntimeSetExceptionHelper(Operation helper);
// Reuses the GUI application or creates one, then runs the start-up routine
// (a StartupRoutine) once per life of the runtime, before the event loop.
// An exception from the routine comes back out to the caller, as does a
// RuntimeException when no display can be opened. From here on SIGTERM,
// SIGINT and SIGHUP quit the event loop.
void _RunFrameworkInitialization(Operation startup);
// The event loop; returns when the application quits. An exception other
// than a RuntimeException that program code raised during the loop ended
// it, and is raised again here.
void _RuntimeRun();
// Asks the event loop to end; before the loop runs, the loop then returns
// at once.
void RuntimeQuit();
// Quits as the user asks to (the Quit item): the application object's
// CancelClose event may refuse.
void RuntimeRequestQuit();
// The program's catch reports an exception that ended start-up or the event
// loop: its class and message go to standard error, and the run's exit
// status becomes 1. The application object's UnhandledException event sees
// it first, and whatever that raises passes on to the caller.
void _UnhandledException(RuntimeException* exception);
// The exception being handled in a catch block, as a RuntimeException: the
// raised one, or a new one that describes a C++ exception.
Ref<RuntimeException> RuntimeCurrentException();
void _RuntimeInitExternalClasses();
// Fills the plug-in entry table: each of its names is looked up among the
// entries the framework's units publish, and one not published stays nil.
void _InitPluginEntrypoints();
inline constexpr std::size_t kPluginEntryCount = 70;
// The entry of that name in the plug-in table, nil when not found. A
// property's entries take the object and an Int32 that callers pass as 0,
// and a setter also the value.
Operation pluginEntryPoint(std::string_view name);
// The entry at a place of the table, as start-up resolved it (nil before).
Operation pluginEntryAt(std::size_t place);

// A typed place of the plug-in table.
template<typename Signature>
struct PluginEntry;
template<typename Result, typename... Args>
struct PluginEntry<Result(Args...)> {
    using Function = Result(Args...);
    std::size_t place;
};

// Calls through an entry of the table; one that start-up did not resolve
// raises NilObjectException rather than being called.
template<typename Result, typename... Args, typename... Passed>
Result callPluginEntry(PluginEntry<Result(Args...)> entry, Passed&&... args)
{
    Operation operation = pluginEntryAt(entry.place);
    if (!operation)
        RaiseNilObjectException();
    return reinterpret_cast<Result (*)(Args...)>(operation)(std::forward<Passed>(args)...);
}

class ImageWell;
// The image well's picture, through which program code gives a well its
// picture: the table's last two entries.
namespace PluginEntries {
inline constexpr PluginEntry<Ref<Picture>(ImageWell*, std::int32_t)> ImageWell_Image_Get{kPluginEntryCount - 2};
inline constexpr PluginEntry<void(ImageWell*, std::int32_t, Picture*)> ImageWell_Image_Set{kPluginEntryCount - 1};
} // namespace PluginEntries
void _RuntimeRegisterAppObject(Application* application);
Application* RuntimeAppObject();

// Runs program code the way the event loop runs an event handler: through
// the installed exception helper (or directly, with the same catching, when
// none is installed). A RuntimeException that leaves the routine is
// reported as _UnhandledException reports it, without failing the run, and
// the loop goes on; any other exception ends the loop and is raised again
// by _RuntimeRun.
void RuntimeDeliverEvent(void (*routine)(void*), void* argument);

// The framework's part of start-up's class registration and of shut-down.
void RuntimeInitializeFrameworkClasses();
void RuntimeFinalizeFrameworkStatics();

} // namespace fw
