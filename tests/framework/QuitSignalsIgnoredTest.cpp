// A program started with a quit signal ignored (under nohup, or as a
// background job of a script) keeps ignoring it; the others still quit.
#include "framework/Application.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace fw;

namespace {

void (*handlerOf(int signal))(int)
{
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

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
