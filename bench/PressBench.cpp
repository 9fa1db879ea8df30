// Press to play: from a mouse press delivered to a key label to the handler
// having started the note (Play returned), for the first press of each key
// (the picture and recording loaded) and for a key pressed again. The
// program is started as it starts itself, on the offscreen platform with the
// built bundle's media; the sound output is opened before timing.
//
//   build/bench/PressBench
#include "ChartPresses.h"

#include "media/PictureAccessors.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace tolvane::bench;
using tolvane::chart::ControlLayout;

void BM_FirstPressOfAKey(benchmark::State& state)
{
    std::vector<const ControlLayout*> labels = labelsByPosition();
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QWidget* widget = widgetOf(*labels[next++]);
        state.ResumeTiming();
        press(widget);
        state.PauseTiming();
        release(widget);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPressOfAKey)->Iterations(tolvane::chart::kLabelCount - 1)->Unit(benchmark::kMillisecond);

void BM_RepeatedPressOfAKey(benchmark::State& state)
{
    QWidget* widget = widgetOf(*labelsByPosition().back());
    for (auto _ : state) {
        press(widget);
        state.PauseTiming();
        release(widget);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RepeatedPressOfAKey)->Unit(benchmark::kMicrosecond);

// Every key pressed in turn, after each was pressed once: more pictures than
// the decoded-pixel budget holds, so each press decodes its picture again
// from the bytes the picture kept.
void BM_PressWhosePictureWasDropped(benchmark::State& state)
{
    std::vector<const ControlLayout*> labels = labelsByPosition();
    std::size_t next = 0;
    int decodedBefore = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t key = next++ % labels.size();
        QWidget* widget = widgetOf(*labels[key]);
        decodedBefore += (*tolvane::media::kPictureAccessors[key])()->isDecoded();
        state.ResumeTiming();
        press(widget);
        state.PauseTiming();
        release(widget);
        state.ResumeTiming();
    }
    state.counters["decoded_before_press"] = benchmark::Counter(decodedBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PressWhosePictureWasDropped)->Iterations(2 * tolvane::chart::kLabelCount)->Unit(benchmark::kMillisecond);

std::filesystem::path bundle(const char* argv0)
{
    if (const char* path = std::getenv("TOLVANE_BUNDLE"))
        return path;
    return std::filesystem::absolute(argv0).parent_path().parent_path() / "Tolvane.app";
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    startChart(bundle(argv[0]));

    // The first press of the session opens the sound output; keep it out of
    // the first-press numbers.
    QWidget* warmUp = widgetOf(*labelsByPosition().back());
    press(warmUp);
    release(warmUp);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    return endChart();
}
