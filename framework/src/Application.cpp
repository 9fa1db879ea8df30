#include "framework/Application.h"

#include "framework/FolderItem.h"
#include "framework/MenuHandlers.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include "CheckedSelf_p.h"
#include "NativeMembers_p.h"
#include "QtText_p.h"
#include "RaiseEvent_p.h"
#include "RuntimeState_p.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace fw {


struct Application::State {
    Ref<MenuBar> menuBar;
    MenuHandlers<Application> menuHandlers;
    QMetaObject::Connection activation;
};

namespace {
// The properties besides the menu bar are settings of the process, which Qt
// keeps whichever application object asks; the object is not consulted.
// Before the GUI application exists Qt answers them with its defaults.
using i4 = std::int32_t;
bool AutoQuit_Get(Application*, i4) { return QGuiApplication::quitOnLastWindowClosed(); }
void AutoQuit_Set(Application*, i4, bool quit) { QGuiApplication::setQuitOnLastWindowClosed(quit); }
String ApplicationName_Get(Application*, i4) { return fromQString(QCoreApplication::applicationName()); }
void ApplicationName_Set(Application*, i4, String name) { QCoreApplication::setApplicationName(toQString(name)); }
String DisplayName_Get(Application*, i4) { return fromQString(QGuiApplication::applicationDisplayName()); }
void DisplayName_Set(Application*, i4, String name) { QGuiApplication::setApplicationDisplayName(toQString(name)); }
String Version_Get(Application*, i4) { return fromQString(QCoreApplication::applicationVersion()); }
void Version_Set(Application*, i4, String version) { QCoreApplication::setApplicationVersion(toQString(version)); }
i4 DoubleClickInterval_Get(Application*, i4) { return QApplication::doubleClickInterval(); }
void DoubleClickInterval_Set(Application*, i4, i4 ms) { QApplication::setDoubleClickInterval(ms); }
i4 KeyboardInputInterval_Get(Application*, i4) { return QApplication::keyboardInputInterval(); }
void KeyboardInputInterval_Set(Application*, i4, i4 ms) { QApplication::setKeyboardInputInterval(ms); }
i4 CursorFlashTime_Get(Application*, i4) { return QApplication::cursorFlashTime(); }
void CursorFlashTime_Set(Application*, i4, i4 ms) { QApplication::setCursorFlashTime(ms); }
i4 WheelScrollLines_Get(Application*, i4) { return QApplication::wheelScrollLines(); }
void WheelScrollLines_Set(Application*, i4, i4 lines) { QApplication::setWheelScrollLines(lines); }
i4 StartDragDistance_Get(Application*, i4) { return QApplication::startDragDistance(); }
void StartDragDistance_Set(Application*, i4, i4 pixels) { QApplication::setStartDragDistance(pixels); }
i4 StartDragTime_Get(Application*, i4) { return QApplication::startDragTime(); }
void StartDragTime_Set(Application*, i4, i4 ms) { QApplication::setStartDragTime(ms); }
String ExecutablePath_Get(Application*, i4) { return fromQString(QCoreApplication::applicationFilePath()); }
i4 ProcessId_Get(Application*, i4) { return i4(QCoreApplication::applicationPid()); }
String Platform_Get(Application*, i4) { return fromQString(QGuiApplication::platformName()); }
QSize primaryScreenSize()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(0, 0);
}
i4 ScreenWidth_Get(Application*, i4) { return primaryScreenSize().width(); }
i4 ScreenHeight_Get(Application*, i4) { return primaryScreenSize().height(); }
bool Active_Get(Application*, i4) { return QGuiApplication::applicationState() == Qt::ApplicationActive; }
String ActiveWindowTitle_Get(Application*, i4)
{
    QWidget* active = QApplication::activeWindow();
    return fromQString(active ? active->windowTitle() : QString());
}
bool EventLoopRunning_Get(Application*, i4) { return runtimeState().loopRunning; }

std::vector<NativeOperation> applicationOperations()
{
    using namespace ApplicationSlot;
    using A = Application;
    return {
        nativeOperation(NewDocument, "NewDocument", "%%", &A::NewDocument),
        nativeOperation(OpenDocument, "OpenDocument", "%%o<FolderItem>", &A::OpenDocument),
        nativeOperation(DoEvents, "DoEvents", "%%i4", &A::DoEvents),
        nativeOperation(_AddMenuHandler, "_AddMenuHandler", "%%sp", &A::_AddMenuHandler),
        nativeOperation(_AddPollableObject, "_AddPollableObject", "%%", &A::_AddPollableObject),
        nativeOperation(_RemovePollableObject, "_RemovePollableObject", "%%", &A::_RemovePollableObject),
        nativeOperation(AddTrayItem, "AddTrayItem", "%b%", &A::AddTrayItem),
        nativeOperation(RemoveTrayItem, "RemoveTrayItem", "%%", &A::RemoveTrayItem),
        nativeOperation(YieldToNextThread, "YieldToNextThread", "%%", &A::YieldToNextThread),
        nativeOperation(SleepCurrentThread, "SleepCurrentThread", "%%i4", &A::SleepCurrentThread),
        nativeOperation(_DoSingleEvent, "_DoSingleEvent", "%%b", &A::_DoSingleEvent),
        nativeOperation(_EnableMenuItems, "_EnableMenuItems", "%%o<MenuItem>", &A::_EnableMenuItems),
        nativeOperation(_CallOpen, "_CallOpen", "%%", &A::_CallOpen),
        nativeOperation(_HandleMenuCommand, "_HandleMenuCommand", "%b%o<MenuItem>", &A::_HandleMenuCommand),
        nativeOperation(_LoadPictureFromBundle, "_LoadPictureFromBundle", "%o<Picture>%s", &A::_LoadPictureFromBundle),
        nativeOperation(_LoadBundleSound, "_LoadBundleSound", "%o<Sound>%s", &A::_LoadBundleSound),
        nativeOperation(__DependencyList, "__DependencyList", "%%", &A::__DependencyList),
    };
}

std::vector<NativeAccessor> applicationAccessors()
{
    using A = Application;
    return {
        publishedAccessor<&A::MenuBar_Get, &A::MenuBar_Set>("MenuBar", "o<MenuBar>"),
        publishedAccessor<&AutoQuit_Get, &AutoQuit_Set>("AutoQuit", "b"),
        publishedAccessor<&ApplicationName_Get, &ApplicationName_Set>("ApplicationName", "s"),
        publishedAccessor<&DisplayName_Get, &DisplayName_Set>("DisplayName", "s"),
        publishedAccessor<&Version_Get, &Version_Set>("Version", "s"),
        publishedAccessor<&DoubleClickInterval_Get, &DoubleClickInterval_Set>("DoubleClickInterval", "i4"),
        publishedAccessor<&KeyboardInputInterval_Get, &KeyboardInputInterval_Set>("KeyboardInputInterval", "i4"),
        publishedAccessor<&CursorFlashTime_Get, &CursorFlashTime_Set>("CursorFlashTime", "i4"),
        publishedAccessor<&WheelScrollLines_Get, &WheelScrollLines_Set>("WheelScrollLines", "i4"),
        publishedAccessor<&StartDragDistance_Get, &StartDragDistance_Set>("StartDragDistance", "i4"),
        publishedAccessor<&StartDragTime_Get, &StartDragTime_Set>("StartDragTime", "i4"),
        publishedAccessor<&ExecutablePath_Get>("ExecutablePath", "s"),
        publishedAccessor<&ProcessId_Get>("ProcessId", "i4"),
        publishedAccessor<&Platform_Get>("Platform", "s"),
        publishedAccessor<&ScreenWidth_Get>("ScreenWidth", "i4"),
        publishedAccessor<&ScreenHeight_Get>("ScreenHeight", "i4"),
        publishedAccessor<&Active_Get>("Active", "b"),
        publishedAccessor<&ActiveWindowTitle_Get>("ActiveWindowTitle", "s"),
        publishedAccessor<&EventLoopRunning_Get>("EventLoopRunning", "b"),
    };
}

void fireActivation(void* application)
{
    auto* typed = static_cast<Application*>(application);
    raiseEvent(typed, Active_Get(typed, 0) ? ApplicationEvent::Activate : ApplicationEvent::Deactivate);
}

Ref<FolderItem> bundleResource(String fileName)
{
    Ref<FolderItem> resources = _GetApplicationBundleResources();
    return resources ? FolderItem::Child(resources.get(), std::move(fileName)) : nullptr;
}
} // namespace

ClassRecord& Application::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<Application>(
        {
            .name = "Application",
            .base = &ObjectClass(),
            .events = {"Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent",
                "Activate", "Deactivate", "UnhandledException", "CancelClose"},
            .operationCount = ApplicationSlot::OperationCount,
            .initializer = &Application::__Init,
            .finalizer = &Application::__Exit,
        },
        applicationOperations(), applicationAccessors());
    return record;
}

Application::Application(ClassRecord& record)
    : Object(record)
    , m_state(std::make_unique<State>())
{
}

Application::~Application() = default;

void Application::__Init(Object* object)
{
    // Only an object made before the GUI application misses its activation.
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    Ref<Application> application = RuntimeCheckCast<Application>(object);
    if (!application || !gui)
        return;
    Application* target = application.get();
    application->m_state->activation = QObject::connect(gui, &QGuiApplication::applicationStateChanged, gui,
        [target](Qt::ApplicationState) { RuntimeDeliverEvent(&fireActivation, target); });
}

void Application::__Exit(Object* object)
{
    // Runs while the object is being destroyed: no new reference to it.
    State& state = *static_cast<Application*>(object)->m_state;
    QObject::disconnect(state.activation);
    state.menuBar = nullptr;
    state.menuHandlers.clear();
}

void Application::MenuBar_Set(Application* application, std::int32_t, MenuBar* menuBar)
{
    checkedSelf(application).m_state->menuBar = menuBar;
}

Ref<MenuBar> Application::MenuBar_Get(Application* application, std::int32_t)
{
    return checkedSelf(application).m_state->menuBar;
}

MenuBar* Application::menuBar() const
{
    return m_state->menuBar.get();
}

void Application::NewDocument(Application* application)
{
    raiseEvent(&checkedSelf(application), ApplicationEvent::NewDocument);
}

void Application::OpenDocument(Application* application, FolderItem* item)
{
    raiseEvent(&checkedSelf(application), ApplicationEvent::OpenDocument, item);
}

void Application::DoEvents(Application*, std::int32_t milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, std::max(milliseconds, 0));
}

void Application::_AddMenuHandler(Application* application, String itemName, Operation handler)
{
    checkedSelf(application).m_state->menuHandlers.add(std::move(itemName), handler);
}

// Nothing is polled here: Qt's event loop wakes for every source.
void Application::_AddPollableObject(Application*) { }
void Application::_RemovePollableObject(Application*) { }

// There is no tray here: adding an item fails.
bool Application::AddTrayItem(Application*)
{
    return false;
}

void Application::RemoveTrayItem(Application*) { }

void Application::YieldToNextThread(Application*)
{
    QThread::yieldCurrentThread();
}

void Application::SleepCurrentThread(Application*, std::int32_t milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0)));
}

void Application::_DoSingleEvent(Application*, bool wait)
{
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void Application::_EnableMenuItems(Application* application, Object*)
{
    raiseEvent(&checkedSelf(application), ApplicationEvent::EnableMenuItems);
}

void Application::_CallOpen(Application* application)
{
    raiseEvent(&checkedSelf(application), ApplicationEvent::Open);
}

bool Application::_HandleMenuCommand(Application* application, MenuItem* item)
{
    const String& itemName = checkedSelf(item).name();
    return checkedSelf(application).m_state->menuHandlers.dispatch(application, itemName);
}

Ref<Picture> Application::_LoadPictureFromBundle(Application*, String fileName)
{
    Ref<FolderItem> file = bundleResource(std::move(fileName));
    return file ? FolderItem::OpenAsPicture(file.get()) : nullptr;
}

Ref<Sound> Application::_LoadBundleSound(Application*, String fileName)
{
    Ref<FolderItem> file = bundleResource(std::move(fileName));
    return file ? FolderItem::OpenAsSound(file.get()) : nullptr;
}

void Application::__DependencyList(Application*)
{
    // The application depends on nothing that must be built before it.
}

} // namespace fw
