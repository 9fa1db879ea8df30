// What played recordings send to the audio output: SDL's disk driver writes
// the mixed output to a file, which the test reads back. The test runs in a
// process of its own, so the driver is chosen before the output opens.
#include "MediaFiles.h"

#include "framework/FolderItem.h"
#include "framework/Sound.h"

#include "Statics_p.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <span>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace tolvane::testing;

constexpr int kRate = 44100;
constexpr std::size_t kWindowFrames = 2048;
// Tones that complete whole periods in a window, so that none leaks into
// another's measure.
constexpr double kLowTone = 20.0 * kRate / kWindowFrames;   // about 431 Hz
constexpr double kHighTone = 48.0 * kRate / kWindowFrames;  // about 1034 Hz
constexpr double kAbsentTone = 92.0 * kRate / kWindowFrames;

// The amplitude of one frequency in a window (Goertzel's algorithm, with a
// Hann window so that neighbouring tones do not leak into each other).
double amplitudeAt(std::span<const std::int16_t> window, double frequency)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / kRate);
    double previous = 0, beforePrevious = 0;
    const auto size = double(window.size());
    for (std::size_t i = 0; i < window.size(); ++i) {
        double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / size);
        double current = window[i] / 32768.0 * hann + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 4 * std::sqrt(std::max(power, 0.0)) / size; // Hann's gain of one half undone
}

TEST(SoundMixing, OverlappingPlaysOfTwoRecordingsReachTheOutputTogether)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const fs::path output = fs::path(folder.path().toStdString()) / "output.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    const auto tone = [&](double frequency) {
        const fs::path path = output.parent_path() / (std::to_string(int(frequency)) + ".mp3");
        writeFile(path, makeMp3({.frequency = frequency, .length = 400ms, .amplitude = 0.3}));
        return fw::FolderItem::OpenAsSound(fw::FolderItem::make(path.string()).get());
    };
    fw::Ref<fw::Sound> low = tone(kLowTone);
    fw::Ref<fw::Sound> high = tone(kHighTone);
    ASSERT_TRUE(low && high);
    fw::Sound::Play(low.get());
    fw::Sound::Play(high.get());

    // Closing the output completes its file: 16-bit stereo frames, both
    // sides carrying the same mono tones.
    std::this_thread::sleep_for(600ms);
    fw::runStaticsFinalizers();
    std::ifstream file(output, std::ios::binary);
    std::vector<std::int16_t> left;
    for (std::int16_t frame[2]; file.read(reinterpret_cast<char*>(frame), sizeof frame);)
        left.push_back(frame[0]);

    int windowsWithBoth = 0;
    for (std::size_t start = 0; start + kWindowFrames <= left.size(); start += kWindowFrames) {
        const auto window = std::span<const std::int16_t>(left).subspan(start, kWindowFrames);
        EXPECT_LT(amplitudeAt(window, kAbsentTone), 0.02);
        if (amplitudeAt(window, kLowTone) > 0.2 && amplitudeAt(window, kHighTone) > 0.2)
            ++windowsWithBoth;
    }
    // 400 ms of both tones at once fill several whole windows of 46 ms.
    EXPECT_GE(windowsWithBoth, 5);
}

} // namespace
