#include "framework/Application.h"
#include "framework/MenuItem.h"

#include "AudioMixer_p.h"
#include "DisplayCheck_p.h"
#include "NeverDestroyed_p.h"
#include "QuitSignals_p.h"
#include "RaiseEvent_p.h"
#include "RuntimeState_p.h"
#include "Statics_p.h"

#include <QApplication>
#include <QTimer>

#include <cerrno>

namespace fw {

RuntimeState& runtimeState()
{
    static NeverDestroyed<RuntimeState> state;
    return state.get();
}

namespace {
void initializeApplicationClasses()
{
    Application::__Lookup();
    MenuItem::__Lookup();
    MenuBar::__Lookup();
    QuitMenuItem::__Lookup();
}

void releaseApplicationStatics()
{
    RuntimeState& state = runtimeState();
    state.applicationObject = nullptr;
    state.exceptionHelper = nullptr;
}

const StaticsRegistration applicationStatics(
    StaticsRank::Application, initializeApplicationClasses, releaseApplicationStatics);

// Qt keeps references to the arguments for the application's whole life.
int applicationArgumentCount = 1;
char* applicationArguments[] = {program_invocation_name, nullptr};

void fireOpen(void* application)
{
    call(static_cast<Application*>(application), ApplicationSlot::_CallOpen);
}

void fireClose(void* application)
{
    raiseEvent(static_cast<Application*>(application), ApplicationEvent::Close);
}

// The status of a run that an exception ended.
constexpr std::int32_t kFailureStatus = 1;

void deliverToApplication(void (*routine)(void*))
{
    if (Ref<Application> application = RuntimeAppObject())
        RuntimeDeliverEvent(routine, application.get());
}
} // namespace

void RuntimeInit()
{
    RuntimeState& state = runtimeState();
    state.exitStatus = 0;
    state.quitRequested = false;
    state.endedByException = false;
    state.startupDone = false;
    state.pendingException = nullptr;
}

std::int32_t RuntimeExit()
{
    RuntimeState& state = runtimeState();
    // The signals' notifier goes before the application it belongs to.
    QuitSignals::remove();
    state.ownedApplication.reset();
    return state.endedByException ? kFailureStatus : state.exitStatus;
}

void RuntimeInitializeFrameworkClasses()
{
    runStaticsInitializers();
    runtimeState().frameworkClassesReady = true;
}

void RuntimeFinalizeFrameworkStatics()
{
    runStaticsFinalizers();
}

void _RuntimeInitExternalClasses()
{
    if (!runtimeState().frameworkClassesReady)
        RuntimeInitializeFrameworkClasses();
}

void _RunFrameworkInitialization(Operation startup)
{
    RuntimeState& state = runtimeState();
    if (!QCoreApplication::instance()) {
        const DisplayCheck display;
        state.ownedApplication = std::make_unique<QApplication>(applicationArgumentCount, applicationArguments);
    } else if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        RaiseNew(RuntimeException::__Lookup(), "the running Qt application cannot show widgets");
    }
    // From here to the runtime's end a termination signal quits; one that
    // comes during start-up ends the loop as soon as it runs.
    QuitSignals::install();
    if (state.startupDone)
        return;
    // Marked before it runs: a start-up that fails has had its one run.
    state.startupDone = true;
    if (startup)
        reinterpret_cast<StartupRoutine>(startup)();
}

void _RuntimeRun()
{
    RuntimeState& state = runtimeState();
    if (!QCoreApplication::instance())
        RaiseNew(RuntimeException::__Lookup(), "the event loop needs the framework's initialisation first");
    deliverToApplication(fireOpen);
    if (!state.quitRequested && !state.pendingException) {
        state.loopRunning = true;
        // The audio back end loads once the loop runs and the windows are on
        // their way to the screen: loading it earlier would hold up start-up
        // behind the dynamic loader, and it is needed only at the first key.
        QTimer::singleShot(0, &AudioMixer::preload);
        state.exitStatus = QCoreApplication::exec();
        state.loopRunning = false;
    }
    state.quitRequested = false;
    if (!state.pendingException)
        deliverToApplication(fireClose);
    if (std::exception_ptr pending = std::exchange(state.pendingException, nullptr))
        std::rethrow_exception(pending);
}

void RuntimeQuit()
{
    RuntimeState& state = runtimeState();
    state.quitRequested = true;
    if (state.loopRunning)
        QCoreApplication::exit(0);
}

void RuntimeRequestQuit()
{
    Ref<Application> application = RuntimeAppObject();
    if (application && raiseEvent(application.get(), ApplicationEvent::CancelClose))
        return;
    RuntimeQuit();
}

void _RuntimeRegisterAppObject(Application* application)
{
    runtimeState().applicationObject = application;
}

Application* RuntimeAppObject()
{
    return runtimeState().applicationObject.get();
}

} // namespace fw
