// The program's whole life through percent_main, on real Qt: start-up, the
// File menu's quit, the shut-down order, the exit status, and the roads an
// exception takes out of start-up, the event loop and the report itself.
//
// Each test runs a whole program, and several run in one process when the
// test program runs whole: the recordings' caches are never reset within a
// process, so the tests that load recordings use those not yet asked for.
#include "app/App.h"
#include "app/Lifecycle.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "chart/Window1.h"
#include "media/SoundItems.h"

#include "AudioMixer_p.h"
#include "LoopGuard.h"
#include "MediaFiles.h"
#include "RuntimeState_p.h"
#include "Statics_p.h"
#include "TemporaryBundle.h"

#include "framework/Application.h"
#include "framework/Delegate.h"
#include "framework/FolderItem.h"
#include "framework/Sound.h"
#include "framework/Window.h"

#include <QAction>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolvane {
namespace {

// What the framework's shut-down finds when its first and its last statics
// are released (that the recordings go before them, the process test's
// shut-down probe shows).
struct ShutdownObservation {
    bool menuBarHeldDuringStatics = false;
    bool windowGoneBeforeMenuBar = false;
};
ShutdownObservation observed;
fw::Ref<fw::WeakReference> observedWindow;

const fw::StaticsRegistration firstStatics(fw::StaticsRank::Runtime, nullptr, [] {
    observed.menuBarHeldDuringStatics = MenuBar1::_implicitInstance.get() != nullptr;
});
const fw::StaticsRegistration lastStatics(fw::StaticsRank::Windows, nullptr, [] {
    observed.windowGoneBeforeMenuBar = observedWindow && !observedWindow->target()
        && MenuBar1::_implicitInstance.get() != nullptr;
});

fw::Ref<fw::Window> chartWindow()
{
    return fw::_GetImplicitWindow(fw::String(Window1::kClassName));
}

// What a shut-down that ran leaves: no application object, menu bar or window.
void expectShutDownRan()
{
    EXPECT_EQ(MenuBar1::_implicitInstance.get(), nullptr);
    EXPECT_EQ(fw::RuntimeAppObject(), nullptr);
    EXPECT_FALSE(chartWindow());
}

// Runs the whole program; the routine runs once the event loop is running.
// A routine that failed a check ends the loop at once, so that the test
// fails rather than waits; a loop still running after 20 s is ended with
// status 1.
std::int32_t runProgram(std::function<void()> duringTheLoop)
{
    QTimer::singleShot(0, [routine = std::move(duringTheLoop)] {
        routine();
        if (::testing::Test::HasFailure())
            fw::RuntimeQuit();
    });
    LoopGuard guard(20000);
    return percent_main();
}

void chooseQuit()
{
    fw::Ref<fw::MenuItem> quit = fw::MenuItem::_Lookup(MenuBar1::_implicitInstance.get(), "FileQuit");
    ASSERT_TRUE(quit);
    quit->action()->trigger();
}

// What _Main's two delegates found when they were released: the signature
// text each carried, whether the program's helper was installed, and
// whether start-up had registered the application object.
std::vector<std::string> mainDelegateReleases;

// A class finaliser, which the runtime hands the going instance of its class.
void noteDelegateRelease(fw::Object* object)
{
    const auto& delegate = static_cast<const fw::Delegate&>(*object);
    const fw::Operation routine = delegate.codePointer();
    if (routine != fw::eraseOperation(&_CallFunctionWithExceptionHandling) && routine != fw::eraseOperation(&_Startup))
        return;
    const bool installed = fw::runtimeState().exceptionHelper == &_CallFunctionWithExceptionHandling;
    mainDelegateReleases.push_back(delegate.signature().toStdString() + (installed ? " | helper" : " | no helper")
        + (fw::RuntimeAppObject() ? " | application" : " | no application"));
}

void raiseNil(void*)
{
    fw::RaiseNilObjectException();
}

void throwLogicError(void*)
{
    throw std::logic_error("the loop broke");
}

TEST(ProgramLife, StartsUpSurvivesAHandlersFailureAndQuitsFromTheFileMenu)
{
    fw::ClassRecord& delegateClass = fw::Delegate::__Lookup();
    ASSERT_EQ(delegateClass.finalizer, nullptr);
    delegateClass.finalizer = noteDelegateRelease;
    mainDelegateReleases.clear();
    fw::Ref<fw::WeakReference> weakApplication, weakMenuBar;
    bool ranAfterTheFailure = false;
    ::testing::internal::CaptureStderr();
    std::int32_t status = runProgram([&] {
        EXPECT_EQ(fw::runtimeState().exceptionHelper, &_CallFunctionWithExceptionHandling)
            << "the program's own helper, not the framework's fallback";
        // Every start-up step has had its effect before the loop runs.
        EXPECT_NE(fw::pluginEntryPoint("MenuItem.Text.Set"), nullptr);
        fw::Application* application = fw::RuntimeAppObject();
        ASSERT_NE(application, nullptr);
        EXPECT_EQ(&application->classRecord(), &App::__Lookup());
        MenuBar1* menuBar = MenuBar1::_implicitInstance.get();
        ASSERT_NE(menuBar, nullptr);
        EXPECT_EQ(application->menuBar(), menuBar);
        fw::Ref<fw::Window> window = chartWindow();
        ASSERT_TRUE(window);
        EXPECT_EQ(fw::Window::MenuBar_Get(window.get(), 0).get(), menuBar) << "the window shares the menu bar";

        weakApplication = application->weakReference();
        weakMenuBar = menuBar->weakReference();
        fw::RuntimeDeliverEvent(&raiseNil, nullptr);
        // Queued behind the failure: it runs only if the loop goes on.
        QTimer::singleShot(0, [&] {
            ranAfterTheFailure = true;
            chooseQuit();
        });
    });
    std::string report = ::testing::internal::GetCapturedStderr();
    delegateClass.finalizer = nullptr;
    EXPECT_TRUE(ranAfterTheFailure);
    EXPECT_NE(report.find("Unhandled exception NilObjectException"), std::string::npos) << report;
    EXPECT_EQ(status, 0) << "a failure the loop survived does not fail the run";
    expectShutDownRan();
    ASSERT_TRUE(weakApplication && weakMenuBar);
    EXPECT_EQ(weakApplication->target(), nullptr);
    EXPECT_EQ(weakMenuBar->target(), nullptr);
    // The helper's delegate goes once the helper is installed and before
    // start-up; start-up's goes once start-up has registered the application.
    const std::vector<std::string> expected{
        "( Ptr, Ptr ) as Object | helper | no application",
        "(  ) | helper | application",
    };
    EXPECT_EQ(mainDelegateReleases, expected);
}

std::vector<const fw::Object*> releasedRecordings;
void noteRelease(fw::Object* recording)
{
    releasedRecordings.push_back(recording);
}

TEST(ProgramLife, ShutsDownRecordingsLowestFirstAndTheMenuBarAfterTheStatics)
{
    // A recording loads only while the audio output can open: the first
    // program's shut-down closes it for good, for the rest of the process.
    if (!fw::AudioMixer::open())
        GTEST_SKIP() << "an earlier program of this process has closed the audio output for good; CTest runs each "
                        "test alone";
    // Items asked for by an earlier program of this process stay empty: each
    // loads once per process.
    std::vector<media::SoundItem*> unasked;
    std::ranges::copy_if(media::kSoundItems, std::back_inserter(unasked), [](auto* item) { return !item->loaded(); });
    if (unasked.empty())
        GTEST_SKIP() << "every recording was asked for earlier in this process, and each loads only once";
    testing::TemporaryBundle bundle;
    const QByteArray recording = testing::makeMp3({});
    for (const auto& note : media::kNoteFiles)
        bundle.writeResource(note.soundFile, recording);
    // The runtime runs a class's finaliser as each instance goes: the order
    // of the calls is the order of the releases.
    fw::ClassRecord& soundClass = fw::Sound::__Lookup();
    ASSERT_EQ(soundClass.finalizer, nullptr);
    soundClass.finalizer = noteRelease;
    std::vector<const fw::Object*> loaded;
    std::int32_t status = runProgram([&] {
        for (media::SoundItem* item : unasked)
            loaded.push_back((*item)().get());
        fw::Ref<fw::Window> window = chartWindow();
        ASSERT_TRUE(window) << "start-up opened no chart window";
        observedWindow = window->weakReference();
        chooseQuit();
    });
    soundClass.finalizer = nullptr;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), nullptr), 0) << "the recordings load from the bundle";
    EXPECT_EQ(releasedRecordings, loaded);
    EXPECT_TRUE(observed.menuBarHeldDuringStatics);
    EXPECT_TRUE(observed.windowGoneBeforeMenuBar);
    observedWindow = nullptr;
}

TEST(ProgramFailures, AnExceptionOutOfTheLoopIsReportedAndShutDownRunsInFull)
{
    ::testing::internal::CaptureStderr();
    std::int32_t status = runProgram([] { fw::RuntimeDeliverEvent(&throwLogicError, nullptr); });
    std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1) << "an exception ended the loop: the run failed";
    EXPECT_NE(report.find("std::logic_error: the loop broke"), std::string::npos) << report;
    expectShutDownRan();
}

// The application object's state when the failure is reported.
struct ReportedState {
    bool reported = false;
    bool applicationRegistered = false;
    bool menuBarGiven = false;
    bool windowHeld = false;
};
ReportedState reportedState;
bool raiseFromTheReport = false;

bool observeUnhandledException(fw::Application* application, fw::RuntimeException*)
{
    reportedState.reported = true;
    reportedState.applicationRegistered = fw::RuntimeAppObject() == application;
    reportedState.menuBarGiven = application->menuBar() && application->menuBar() == MenuBar1::_implicitInstance.get();
    reportedState.windowHeld = static_cast<bool>(chartWindow());
    if (raiseFromTheReport)
        throw std::runtime_error("the report itself failed");
    return false;
}

void failSecondCreationRoutine(fw::Window*)
{
    fw::RaiseNilObjectException("the window's second creation routine failed");
}

// The window's second creation routine raises, half-way through the
// window's creation: the failure does not depend on what pictures earlier
// programs of this process have cached.
class FailingWindowCreation : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::Vtable& table = Window1::__Lookup().vtable;
        m_saved = table.at(Window1Slot::_CreateControls1.index);
        fw::fill(table, Window1Slot::_CreateControls1, &failSecondCreationRoutine);
        fw::implementEvent(App::__Lookup(), fw::ApplicationEvent::UnhandledException, &observeUnhandledException);
    }
    void TearDown() override
    {
        Window1::__Lookup().vtable.at(Window1Slot::_CreateControls1.index) = m_saved;
        fw::Operation none = nullptr;
        App::__Lookup().events.at(fw::ApplicationEvent::UnhandledException.index).implementation = none;
        reportedState = {};
        raiseFromTheReport = false;
    }

private:
    fw::Operation m_saved = nullptr;
};

TEST_F(FailingWindowCreation, EndsStartUpAfterTheApplicationAndSkipsTheLoop)
{
    // The report's text on standard error, the process tests read.
    bool loopRan = false;
    EXPECT_EQ(runProgram([&] { loopRan = true; }), 1) << "a failed start-up is a failed run";
    EXPECT_FALSE(loopRan);
    EXPECT_TRUE(reportedState.reported);
    EXPECT_TRUE(reportedState.applicationRegistered) << "_NewAppInstance ran before _MakeDefaultView";
    EXPECT_TRUE(reportedState.menuBarGiven);
    EXPECT_FALSE(reportedState.windowHeld);
    expectShutDownRan();
}

TEST_F(FailingWindowCreation, AnExceptionFromTheReportSkipsShutDown)
{
    raiseFromTheReport = true;
    EXPECT_THROW(runProgram([] {}), std::runtime_error);
    EXPECT_TRUE(reportedState.reported);
    EXPECT_NE(MenuBar1::_implicitInstance.get(), nullptr) << "percent_finalize did not run";
    EXPECT_NE(fw::RuntimeAppObject(), nullptr);

    // What the process would leave to its end, released for the leak check.
    percent_finalize();
    fw::RuntimeExit();
}

TEST(ProgramLife, TheStatusTheLoopEndsWithIsTheProgramsStatus)
{
    EXPECT_EQ(runProgram([] { QCoreApplication::exit(3); }), 3);
}

TEST(ProgramPieces, TheExceptionHelperReturnsRuntimeExceptionsOnly)
{
    EXPECT_EQ(_CallFunctionWithExceptionHandling([](void*) {}, nullptr), nullptr);
    fw::Ref<fw::RuntimeException> raised = _CallFunctionWithExceptionHandling(&raiseNil, nullptr);
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->classRecord().name, "NilObjectException");
    EXPECT_EQ(raised->refCount(), 1u);
    EXPECT_EQ(_CallFunctionWithExceptionHandling(nullptr, nullptr)->classRecord().name, "NilObjectException");
    EXPECT_THROW(_CallFunctionWithExceptionHandling(&throwLogicError, nullptr), std::logic_error);
}

} // namespace
} // namespace tolvane