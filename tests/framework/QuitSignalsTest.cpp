// SIGTERM, SIGINT and SIGHUP quit the event loop from the framework's
// initialisation to the runtime's end, and take their default effect again
// afterwards. Each signal here is raised in this process only once its
// handling has been seen to be installed, so that a fault fails the test
// rather than ends the test program.
#include "LoopGuard.h"

#include "framework/Application.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

using namespace fw;

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

bool handledByDefault(int signal)
{
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
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
        ASSERT_FALSE(handledByDefault(signal)) << "the framework's initialisation did not take the signal";

        QTimer::singleShot(0, [signal] { std::raise(signal); });
        EXPECT_TRUE(loopEndsByItself()) << "a signal while the loop runs";
        std::raise(signal);
        EXPECT_TRUE(loopEndsByItself()) << "a signal that came before the loop ran";

        EXPECT_EQ(RuntimeExit(), 0) << "the status of a quit";
        EXPECT_TRUE(handledByDefault(signal)) << "the runtime's end gives the signal back";
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

} // namespace
