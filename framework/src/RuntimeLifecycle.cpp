#include "framework/Application.h"
#include "framework/MenuItem.h"

#include "AudioMixer_p.h"
#include "NeverDestroyed_p.h"
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
}

std::int32_t RuntimeExit()
{
    RuntimeState& state = runtimeState();
    state.ownedApplication.reset();
    return state.exitStatus;
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
    if (!QCoreApplication::instance())
        state.ownedApplication = std::make_unique<QApplication>(applicationArgumentCount, applicationArguments);
    else if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        RaiseNew(RuntimeException::__Lookup(), "the running Qt application cannot show widgets");
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
