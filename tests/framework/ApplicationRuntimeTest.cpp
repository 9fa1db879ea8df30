// The runtime's life: initialisation with its start-up routine, the event
// loop and quitting, event delivery with its exception handling, the
// unhandled-exception report and the application object's events.
#include "LoopGuard.h"

#include "framework/Application.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace fw;

namespace {

// Runs a routine on the event loop once it is running.
void whenTheLoopRuns(std::function<void()> routine)
{
    QTimer::singleShot(0, qApp, std::move(routine));
}

// A program's application class, registered at run time as a program
// registers its own, with the event implementations the test gives it.
ClassRecord& programApplicationClass(const char* name, void (*implementEvents)(ClassRecord&))
{
    ClassRecord& base = Application::__Lookup();
    ClassRecord& record = RuntimeNewClass<Application>(&base, base.methods.size(), 0, base.events.size(), 0,
        base.properties.size(), 0);
    record.name = name;
    record.vtable = base.vtable;
    record.vtableCount = base.vtableCount;
    implementEvents(record);
    return record;
}

int startupRuns = 0;
void countingStartup()
{
    ++startupRuns;
}

TEST(RuntimeLifecycle, InitializationReusesTheApplicationAndStartsUpOnce)
{
    QCoreApplication* existing = QCoreApplication::instance();
    RuntimeInit();
    _RunFrameworkInitialization(eraseOperation(&countingStartup));
    _RunFrameworkInitialization(eraseOperation(&countingStartup));
    EXPECT_EQ(QCoreApplication::instance(), existing);
    EXPECT_EQ(startupRuns, 1);
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_EQ(QCoreApplication::instance(), existing) << "the host's application is not the framework's to delete";

    // A new life of the runtime starts up anew.
    RuntimeInit();
    _RunFrameworkInitialization(eraseOperation(&countingStartup));
    EXPECT_EQ(startupRuns, 2);
    RuntimeExit();
}

void raisingStartup()
{
    RaiseNilObjectException();
}

TEST(RuntimeLifecycle, AStartUpThatRaisesComesBackOutOnceAndAQuitBeforeTheLoopEndsItAtOnce)
{
    RuntimeInit();
    EXPECT_THROW(_RunFrameworkInitialization(eraseOperation(&raisingStartup)), RaisedException);
    EXPECT_NO_THROW(_RunFrameworkInitialization(eraseOperation(&raisingStartup)));

    // The routine queued for the loop never runs; it goes with this test's
    // scope, so that no later loop of this process runs it.
    RuntimeQuit();
    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    _RuntimeRun();
    EXPECT_FALSE(ran);
    RuntimeExit();
}

// An application class that logs its open and close and may refuse to quit.
std::vector<std::string> lifeLog;
bool refuseToQuit = false;

void implementLifeEvents(ClassRecord& record)
{
    implementEvent(record, ApplicationEvent::Open, +[](Application*) { lifeLog.push_back("Open"); });
    implementEvent(record, ApplicationEvent::Close, +[](Application*) { lifeLog.push_back("Close"); });
    implementEvent(record, ApplicationEvent::CancelClose, +[](Application*) {
        lifeLog.push_back("CancelClose");
        return refuseToQuit;
    });
}

TEST(RuntimeLifecycle, TheApplicationOpensClosesAndMayRefuseToQuit)
{
    Ref<Application> application =
        RuntimeNewObjectOf<Application>(programApplicationClass("LifeApp", &implementLifeEvents));
    _RuntimeRegisterAppObject(application.get());
    EXPECT_EQ(RuntimeAppObject(), application.get());
    EXPECT_EQ(application->refCount(), 2u) << "the framework holds the application object";

    LoopGuard guard;
    whenTheLoopRuns([] {
        lifeLog.push_back("running");
        refuseToQuit = true;
        RuntimeRequestQuit();
        refuseToQuit = false;
        QTimer::singleShot(0, [] { RuntimeRequestQuit(); });
    });
    _RuntimeRun();
    EXPECT_FALSE(guard.fired());
    EXPECT_EQ(lifeLog, (std::vector<std::string>{"Open", "running", "CancelClose", "CancelClose", "Close"}));

    RuntimeFinalizeFrameworkStatics();
    EXPECT_EQ(RuntimeAppObject(), nullptr);
    EXPECT_EQ(application->refCount(), 1u);
}

void throwLogicError(void*)
{
    throw std::logic_error("broken invariant");
}

void countCall(void* counter)
{
    ++*static_cast<int*>(counter);
}

int helperCalls = 0;
Ref<RuntimeException> countingHelper(void (*routine)(void*), void* argument)
{
    ++helperCalls;
    routine(argument);
    return nullptr;
}

TEST(EventDelivery, GoesThroughTheInstalledHelperAndAnyOtherExceptionEndsTheLoopOnce)
{
    _RuntimeSetExceptionHelper(eraseOperation(&countingHelper));
    int calls = 0;
    RuntimeDeliverEvent(&countCall, &calls);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(helperCalls, 1);

    // Outside a running loop, an exception that passes the helper waits for
    // the next loop; inside it, it ends the loop before what is queued behind.
    RuntimeDeliverEvent(&throwLogicError, nullptr);
    EXPECT_THROW(_RuntimeRun(), std::logic_error);
    LoopGuard guard;
    whenTheLoopRuns([&] {
        RuntimeDeliverEvent(&throwLogicError, nullptr);
        QTimer::singleShot(0, [&] { ++calls; });
    });
    EXPECT_THROW(_RuntimeRun(), std::logic_error);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(guard.fired());

    // The exception is raised once: the next loop runs normally.
    whenTheLoopRuns([] { RuntimeQuit(); });
    EXPECT_NO_THROW(_RuntimeRun());
    RuntimeFinalizeFrameworkStatics();
}

// What the program's UnhandledException event does.
std::vector<std::string> seenExceptions;

void implementUnhandledException(ClassRecord& record)
{
    implementEvent(record, ApplicationEvent::UnhandledException, +[](Application*, RuntimeException* exception) {
        seenExceptions.push_back(exception->classRecord().name.toStdString());
        return true;
    });
}

TEST(UnhandledException, TheApplicationSeesItFirstAndMayHandleItSilently)
{
    Ref<Application> application =
        RuntimeNewObjectOf<Application>(programApplicationClass("GuardedApp", &implementUnhandledException));
    _RuntimeRegisterAppObject(application.get());
    Ref<RuntimeException> exception = RuntimeNewObjectOf<RuntimeException>(NilObjectException::__Lookup());
    exception->message = "no picture";

    testing::internal::CaptureStderr();
    _UnhandledException(exception.get());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(seenExceptions, std::vector<std::string>{"NilObjectException"});
    RuntimeFinalizeFrameworkStatics();
}

} // namespace
