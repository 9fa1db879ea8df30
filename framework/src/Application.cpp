#include "framework/Application.h"

#include "framework/FolderItem.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include "NativeMembers_p.h"
#include "QtText_p.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QStyleHints>
#include <QThread>
#include <QWidget>

#include <utility>
#include <vector>

namespace fw {

using MenuHandler = bool (*)(Application*);

struct Application::State {
    ~State() { QObject::disconnect(activation); }

    Ref<MenuBar> menuBar;
    std::vector<std::pair<String, Operation>> menuHandlers;
    QMetaObject::Connection activation;
};

namespace {
// The GUI application, nil before the framework's initialisation: the
// properties that read or set its settings do nothing without it.
QApplication* guiApplication()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance());
}

QSize primaryScreenSize()
{
    QScreen* screen = guiApplication() ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->size() : QSize(0, 0);
}

// A setting of the running application: read through get, written through
// set; both skipped before the application exists.
template<typename T>
T readSetting(T (*get)(), T fallback = T())
{
    return guiApplication() ? get() : fallback;
}

template<typename T>
void writeSetting(void (*set)(T), T value)
{
    if (guiApplication())
        set(value);
}

std::vector<NativeOperation> applicationOperations()
{
    using namespace ApplicationSlot;
    return {
        nativeOperation(NewDocument, "NewDocument", "%%", &Application::NewDocument),
        nativeOperation(OpenDocument, "OpenDocument", "%%o<FolderItem>", &Application::OpenDocument),
        nativeOperation(DoEvents, "DoEvents", "%%i4", &Application::DoEvents),
        {_AddMenuHandler.index,
            {"_AddMenuHandler", 1, "%%sp", eraseOperation(&Application::_AddMenuHandler), nullptr}},
        nativeOperation(_AddPollableObject, "_AddPollableObject", "%%", &Application::_AddPollableObject),
        nativeOperation(_RemovePollableObject, "_RemovePollableObject", "%%", &Application::_RemovePollableObject),
        nativeOperation(AddTrayItem, "AddTrayItem", "%b%", &Application::AddTrayItem),
        nativeOperation(RemoveTrayItem, "RemoveTrayItem", "%%", &Application::RemoveTrayItem),
        nativeOperation(YieldToNextThread, "YieldToNextThread", "%%", &Application::YieldToNextThread),
        nativeOperation(SleepCurrentThread, "SleepCurrentThread", "%%i4", &Application::SleepCurrentThread),
        nativeOperation(_DoSingleEvent, "_DoSingleEvent", "%%b", &Application::_DoSingleEvent),
        nativeOperation(_EnableMenuItems, "_EnableMenuItems", "%%o<MenuItem>", &Application::_EnableMenuItems),
        nativeOperation(_CallOpen, "_CallOpen", "%%", &Application::_CallOpen),
        nativeOperation(_HandleMenuCommand, "_HandleMenuCommand", "%b%o<MenuItem>", &Application::_HandleMenuCommand),
        nativeOperation(_LoadPictureFromBundle, "_LoadPictureFromBundle", "%o<Picture>%s",
            &Application::_LoadPictureFromBundle),
        nativeOperation(_LoadBundleSound, "_LoadBundleSound", "%o<Sound>%s", &Application::_LoadBundleSound),
        nativeOperation(__DependencyList, "__DependencyList", "%%", &Application::__DependencyList),
    };
}

std::vector<NativeAccessor> applicationAccessors()
{
    using App = Application;
    return {
        nativeAccessor<App, MenuBar*>("MenuBar", "o<MenuBar>", [](App* a) { return a->menuBar(); },
            [](App* a, MenuBar* v) { App::MenuBar_Set(a, 0, v); }),
        nativeAccessor<App, bool>("AutoQuit", "b",
            [](App*) { return readSetting(&QGuiApplication::quitOnLastWindowClosed, true); },
            [](App*, bool v) { writeSetting(&QGuiApplication::setQuitOnLastWindowClosed, v); }),
        nativeAccessor<App, String>("ApplicationName", "s",
            [](App*) { return fromQString(QCoreApplication::applicationName()); },
            [](App*, String v) { QCoreApplication::setApplicationName(toQString(v)); }),
        nativeAccessor<App, String>("DisplayName", "s",
            [](App*) { return fromQString(readSetting(&QGuiApplication::applicationDisplayName)); },
            [](App*, String v) {
                writeSetting<const QString&>(&QGuiApplication::setApplicationDisplayName, toQString(v));
            }),
        nativeAccessor<App, String>("Version", "s",
            [](App*) { return fromQString(QCoreApplication::applicationVersion()); },
            [](App*, String v) { QCoreApplication::setApplicationVersion(toQString(v)); }),
        nativeAccessor<App, std::int32_t>("DoubleClickInterval", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::doubleClickInterval)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setDoubleClickInterval, v); }),
        nativeAccessor<App, std::int32_t>("KeyboardInputInterval", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::keyboardInputInterval)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setKeyboardInputInterval, v); }),
        nativeAccessor<App, std::int32_t>("CursorFlashTime", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::cursorFlashTime)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setCursorFlashTime, v); }),
        nativeAccessor<App, std::int32_t>("WheelScrollLines", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::wheelScrollLines)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setWheelScrollLines, v); }),
        nativeAccessor<App, std::int32_t>("StartDragDistance", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::startDragDistance)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setStartDragDistance, v); }),
        nativeAccessor<App, std::int32_t>("StartDragTime", "i4",
            [](App*) { return std::int32_t(readSetting(&QApplication::startDragTime)); },
            [](App*, std::int32_t v) { writeSetting<int>(&QApplication::setStartDragTime, v); }),
        nativeAccessor<App, String>("ExecutablePath", "s",
            [](App*) { return fromQString(readSetting(&QCoreApplication::applicationFilePath)); }),
        nativeAccessor<App, std::int32_t>("ProcessId", "i4",
            [](App*) { return std::int32_t(QCoreApplication::applicationPid()); }),
        nativeAccessor<App, String>("Platform", "s",
            [](App*) { return fromQString(readSetting(&QGuiApplication::platformName)); }),
        nativeAccessor<App, std::int32_t>("ScreenWidth", "i4",
            [](App*) { return std::int32_t(primaryScreenSize().width()); }),
        nativeAccessor<App, std::int32_t>("ScreenHeight", "i4",
            [](App*) { return std::int32_t(primaryScreenSize().height()); }),
        nativeAccessor<App, std::int32_t>("WindowCount", "i4",
            [](App*) {
                std::int32_t count = 0;
                for (QWidget* widget : readSetting(&QApplication::topLevelWidgets))
                    count += widget->isWindow() && widget->isVisible() ? 1 : 0;
                return count;
            }),
        nativeAccessor<App, String>("ActiveWindowTitle", "s",
            [](App*) {
                QWidget* active = readSetting<QWidget*>(&QApplication::activeWindow, nullptr);
                return fromQString(active ? active->windowTitle() : QString());
            }),
        nativeAccessor<App, bool>("EventLoopRunning", "b",
            [](App*) { return guiApplication() && QThread::currentThread()->loopLevel() > 0; }),
    };
}

void fireActivation(void* application)
{
    auto* typed = static_cast<Application*>(application);
    bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    auto event = eventImplementation(
        typed->classRecord(), active ? ApplicationEvent::Activate : ApplicationEvent::Deactivate);
    if (event)
        event(typed);
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

Application::State& Application::state()
{
    return *m_state;
}

void Application::__Init(Object* object)
{
    Ref<Application> application = RuntimeCheckCast<Application>(object);
    QApplication* gui = guiApplication();
    if (!application || !gui)
        return;
    Application* target = application.get();
    application->state().activation = QObject::connect(gui, &QGuiApplication::applicationStateChanged, gui,
        [target](Qt::ApplicationState) { RuntimeDeliverEvent(&fireActivation, target); });
}

void Application::__Exit(Object* object)
{
    // Runs while the object is being destroyed: no new reference to it.
    auto* application = static_cast<Application*>(object);
    State& state = application->state();
    QObject::disconnect(state.activation);
    state.menuBar = nullptr;
    state.menuHandlers.clear();
}

void Application::MenuBar_Set(Application* application, std::int32_t, MenuBar* menuBar)
{
    if (!application)
        RaiseNilObjectException();
    application->state().menuBar = menuBar;
}

Ref<MenuBar> Application::MenuBar_Get(Application* application, std::int32_t)
{
    if (!application)
        RaiseNilObjectException();
    return application->state().menuBar;
}

MenuBar* Application::menuBar() const
{
    return m_state->menuBar.get();
}

void Application::NewDocument(Application* application)
{
    if (!application)
        RaiseNilObjectException();
    if (auto event = eventImplementation(application->classRecord(), ApplicationEvent::NewDocument))
        event(application);
}

void Application::OpenDocument(Application* application, FolderItem* item)
{
    if (!application)
        RaiseNilObjectException();
    if (auto event = eventImplementation(application->classRecord(), ApplicationEvent::OpenDocument))
        event(application, item);
}

void Application::DoEvents(Application*, std::int32_t milliseconds)
{
    if (!guiApplication())
        return;
    if (milliseconds > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds);
    else
        QCoreApplication::processEvents();
}

void Application::_AddMenuHandler(Application* application, String itemName, Operation handler)
{
    if (!application)
        RaiseNilObjectException();
    auto& handlers = application->state().menuHandlers;
    for (auto& [name, existing] : handlers) {
        if (equalsIgnoringCase(name.view(), itemName.view())) {
            existing = handler;
            return;
        }
    }
    handlers.emplace_back(std::move(itemName), handler);
}

void Application::_AddPollableObject(Application*)
{
    // Nothing is polled here: Qt's event loop wakes for every source.
}

void Application::_RemovePollableObject(Application*) { }

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
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void Application::_DoSingleEvent(Application*, bool wait)
{
    if (guiApplication())
        QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void Application::_EnableMenuItems(Application* application, Object*)
{
    if (!application)
        RaiseNilObjectException();
    if (auto event = eventImplementation(application->classRecord(), ApplicationEvent::EnableMenuItems))
        event(application);
}

void Application::_CallOpen(Application* application)
{
    if (!application)
        RaiseNilObjectException();
    if (auto event = eventImplementation(application->classRecord(), ApplicationEvent::Open))
        event(application);
}

bool Application::_HandleMenuCommand(Application* application, MenuItem* item)
{
    if (!application || !item)
        RaiseNilObjectException();
    for (const auto& [name, handler] : application->state().menuHandlers) {
        if (equalsIgnoringCase(name.view(), item->name().view()))
            return reinterpret_cast<MenuHandler>(handler)(application);
    }
    return false;
}

Ref<Picture> Application::_LoadPictureFromBundle(Application*, String fileName)
{
    Ref<FolderItem> resources = _GetApplicationBundleResources();
    Ref<FolderItem> file = resources ? FolderItem::Child(resources.get(), std::move(fileName)) : nullptr;
    return file ? FolderItem::OpenAsPicture(file.get()) : nullptr;
}

Ref<Sound> Application::_LoadBundleSound(Application*, String fileName)
{
    Ref<FolderItem> resources = _GetApplicationBundleResources();
    Ref<FolderItem> file = resources ? FolderItem::Child(resources.get(), std::move(fileName)) : nullptr;
    return file ? FolderItem::OpenAsSound(file.get()) : nullptr;
}

void Application::__DependencyList(Application*)
{
    // The application depends on nothing that must be built before it.
}

} // namespace fw
