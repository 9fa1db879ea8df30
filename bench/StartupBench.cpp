// Process start to the window shown on screen, for the program and for a bare
// Qt window with the same menu bar, measured alternately in one run on a
// private X server; the counter "ratio" is program over bare window.
//
//   build/bench/StartupBench
#include "XServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Seconds from starting the program to its window being mapped, or a
// negative number when it never showed.
double secondsToWindow(const XServer& server, const QString& program, const QString& title)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);

    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    double seconds = -1;
    while (timer.elapsed() < 20000) {
        if (server.run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}, 5000)) {
            seconds = double(timer.nsecsElapsed()) / 1e9;
            break;
        }
        QThread::msleep(2);
    }
    process.kill();
    process.waitForFinished(5000);
    return seconds;
}

void BM_StartupAgainstBareWindow(benchmark::State& state)
{
    QString why;
    std::unique_ptr<XServer> server = XServer::start(why);
    if (!server) {
        state.SkipWithError(("no X server: " + why).toStdString().c_str());
        return;
    }
    double program = 0, bare = 0;
    int runs = 0;
    for (auto _ : state) {
        double bareSeconds = secondsToWindow(*server, TOLVANE_BARE_WINDOW, "Bare");
        double programSeconds = secondsToWindow(*server, TOLVANE_EXECUTABLE, "Tolvane");
        if (bareSeconds < 0 || programSeconds < 0) {
            state.SkipWithError("a window did not appear");
            return;
        }
        state.SetIterationTime(programSeconds);
        program += programSeconds;
        bare += bareSeconds;
        ++runs;
    }
    state.counters["program_ms"] = 1000 * program / runs;
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["ratio"] = program / bare;
}
BENCHMARK(BM_StartupAgainstBareWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
