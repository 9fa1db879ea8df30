// How quickly a key press sounds: the first press of a note (the recording
// read, decoded and started) and every later press (started only). Run on
// the sample media that the build puts into the bundle; the audio output is
// opened before timing, as the first press of the session pays for that
// once.
//
//   build/bench/MediaBench [--benchmark_filter=...]
#include "framework/FolderItem.h"
#include "media/SoundItems.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::media;

// The built bundle: TOLVANE_BUNDLE when set, else beside the build's bench
// folder.
fs::path bundle()
{
    if (const char* path = std::getenv("TOLVANE_BUNDLE"))
        return path;
    fw::Ref<fw::FolderItem> executable = fw::RuntimeExecutableItem();
    return fs::path(executable->path()).parent_path().parent_path() / "Tolvane.app";
}

bool bundleHasRecordings()
{
    return fs::exists(bundle() / "Contents/Resources" / kNoteFiles.back().soundFile);
}

// The first 47 notes are each pressed for the first time, once; the highest
// is kept for the warm presses and for opening the output up front.
void BM_FirstPressOfANote(benchmark::State& state)
{
    std::size_t note = 0;
    for (auto _ : state) {
        fw::Ref<fw::Sound> sound = (*kSoundItems[note])();
        if (!sound) {
            state.SkipWithError("a recording did not load");
            break;
        }
        fw::call(sound.get(), fw::SoundSlot::Play);
        ++note;
    }
}
BENCHMARK(BM_FirstPressOfANote)->Iterations(kSoundItemCount - 1)->Unit(benchmark::kMillisecond);

void BM_LaterPressOfANote(benchmark::State& state)
{
    for (auto _ : state) {
        fw::Ref<fw::Sound> sound = Top_A1();
        fw::call(sound.get(), fw::SoundSlot::Play);
    }
}
BENCHMARK(BM_LaterPressOfANote)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!bundleHasRecordings()) {
        std::fprintf(stderr, "No recordings in %s; build the sample_media target first.\n", bundle().c_str());
        return EXIT_FAILURE;
    }
    fw::RuntimeOverrideExecutablePath((bundle() / "Contents/MacOS/Tolvane").string());
    // Opens the audio output and loads the note kept for the warm presses.
    if (!Top_A1()) {
        std::fprintf(stderr, "The highest note's recording did not load.\n");
        return EXIT_FAILURE;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
