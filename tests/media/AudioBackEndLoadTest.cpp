// Quitting right after start-up, while the audio back end is still loading
// in the background: the process must still end cleanly. Each run is a real
// process (exit/ExitWhileAudioLoads.cpp) that holds its own exit open long
// enough for a load still in flight to finish inside it; several run at once
// so that the load and the exit meet in every order.
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(AudioBackEndLoad, AProcessThatExitsWhileTheBackEndLoadsEndsCleanly)
{
    constexpr int kRuns = 12;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        runs.back()->start(TOLVANE_EXIT_WHILE_AUDIO_LOADS, {});
    }
    for (const std::unique_ptr<QProcess>& run : runs) {
        ASSERT_TRUE(run->waitForFinished(20000)) << run->errorString().toStdString();
        EXPECT_EQ(run->exitStatus(), QProcess::NormalExit) << "crashed";
        EXPECT_EQ(run->exitCode(), 0);
    }
}

} // namespace
