// SIGTERM, SIGINT and SIGHUP quit the event loop from the framework's
// initialisation to the runtime's end, and take their default effect again
// afterwards; one the program was started with ignored stays ignored. Each
// signal here is raised in this process only once its handling has been seen
// to be installed, so that a fault fails the test rather than ends the test
// program.
#include "LoopGuard.h"

#include "framework/Application.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

using namespace fw;

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

void (*handlerOf(int signal))(int)
{
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

// Runs the loop; false when it had to be ended after 10 s.
bool loopEndsByItself()
{
    LoopGuard guard;
    _RuntimeRun();
    return !guard.fired();
}

TEST(QuitSignals, EachQuitsTheLoopAlsoWhenItCameBeforeTheLoopRan)
{
    for (int signal : kQuitSignals) {
        SCOPED_TRACE(strsignal(signal));
        RuntimeInit();
        _RunFrameworkInitialization(nullptr);
        ASSERT_NE(handlerOf(signal), SIG_DFL) << "the framework's initialisation did not take the signal";

        QTimer::singleShot(0, [signal] { std::raise(signal); });
        EXPECT_TRUE(loopEndsByItself()) << "a signal while the loop runs";
        std::raise(signal);
        EXPECT_TRUE(loopEndsByItself()) << "a signal that came before the loop ran";

        EXPECT_EQ(RuntimeExit(), 0) << "the status of a quit";
        EXPECT_EQ(handlerOf(signal), SIG_DFL) << "the runtime's end gives the signal back";
    }
}

// The program does not read its signals (busy, or stuck): the same signal
// once more ends it the way the signal always does.
[[noreturn]] void raiseTwiceUnread()
{
    RuntimeInit();
    _RunFrameworkInitialization(nullptr);
    std::raise(SIGINT);
    std::raise(SIGINT);
    std::exit(0);
}

TEST(QuitSignals, TheSameSignalAgainBeforeTheLoopReadsTheFirstTakesItsDefaultEffect)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(raiseTwiceUnread(), testing::KilledBySignal(SIGINT), "");
}

// Under nohup, or as a background job of a script.
TEST(QuitSignals, ASignalIgnoredAtStartStaysIgnoredAndDoesNotQuit)
{
    std::signal(SIGHUP, SIG_IGN);
    RuntimeInit();
    _RunFrameworkInitialization(nullptr);
    EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
    EXPECT_NE(handlerOf(SIGTERM), SIG_DFL) << "the signals not ignored are still taken";

    // Had the ignored signal quit the loop, it would end with 0 before the
    // timer's status.
    constexpr int kEndedByTimer = 7;
    QTimer::singleShot(0, [] { std::raise(SIGHUP); });
    QTimer::singleShot(200, [] { QCoreApplication::exit(kEndedByTimer); });
    _RuntimeRun();
    EXPECT_EQ(RuntimeExit(), kEndedByTimer);
    EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
}

} // namespace
