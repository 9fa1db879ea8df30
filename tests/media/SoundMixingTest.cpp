// What a played recording sends to the audio output: SDL's disk driver
// writes the mixed output to a file, which the test reads back. Each test
// runs in a process of its own, so the driver is chosen before the output
// opens.
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
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace tolvane::testing;

constexpr int kRate = 44100;
constexpr std::size_t kWindowFrames = 2048;
// Tones that complete whole periods in one mixing buffer of 512 frames: two
// presses of one of them start a whole number of buffers apart and so stay in
// phase, whichever buffers they fall into.
constexpr double kLowTone = 5.0 * kRate / 512;   // about 431 Hz
constexpr double kHighTone = 12.0 * kRate / 512; // about 1034 Hz
constexpr double kAbsentTone = 23.0 * kRate / 512;
constexpr double kAmplitude = 0.3;

class SoundMixingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
    }

    fs::path output() const { return fs::path(m_root.path().toStdString()) / "output.raw"; }

    fw::Ref<fw::Sound> tone(double frequency) const
    {
        fs::path path = fs::path(m_root.path().toStdString()) / (std::to_string(int(frequency)) + ".mp3");
        writeFile(path, makeMp3({.frequency = frequency, .length = 400ms, .amplitude = kAmplitude}));
        return fw::FolderItem::OpenAsSound(fw::FolderItem::make(path.string()).get());
    }

    // Lets the driver write the recordings out, closes the output so that
    // its file is complete, and reads it back as mono windows of samples
    // (the output is 16-bit stereo; both sides carry the same mono tone).
    std::vector<std::vector<double>> recordedWindows() const
    {
        std::this_thread::sleep_for(600ms);
        fw::runStaticsFinalizers();
        std::ifstream file(output(), std::ios::binary);
        std::vector<std::int16_t> samples;
        std::int16_t frame[2];
        while (file.read(reinterpret_cast<char*>(frame), sizeof frame))
            samples.push_back(frame[0]);
        std::vector<std::vector<double>> windows;
        for (std::size_t start = 0; start + kWindowFrames <= samples.size(); start += kWindowFrames) {
            std::vector<double>& window = windows.emplace_back();
            for (std::size_t i = start; i < start + kWindowFrames; ++i)
                window.push_back(samples[i] / 32768.0);
        }
        return windows;
    }

private:
    QTemporaryDir m_root;
};

// The amplitude of one frequency in a window (Goertzel's algorithm, with a
// Hann window so that neighbouring tones do not leak into each other).
double amplitudeAt(const std::vector<double>& window, double frequency)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / kRate);
    double previous = 0, beforePrevious = 0;
    const auto size = double(window.size());
    for (std::size_t i = 0; i < window.size(); ++i) {
        double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / size);
        double current = window[i] * hann + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 4 * std::sqrt(std::max(power, 0.0)) / size; // Hann's gain of one half undone
}

double peak(const std::vector<double>& window)
{
    double largest = 0;
    for (double sample : window)
        largest = std::max(largest, std::abs(sample));
    return largest;
}

TEST_F(SoundMixingTest, APlayedRecordingReachesTheOutput)
{
    fw::Ref<fw::Sound> low = tone(kLowTone);
    ASSERT_TRUE(low);
    fw::Sound::Play(low.get());

    double loudest = 0;
    for (const auto& window : recordedWindows()) {
        loudest = std::max(loudest, amplitudeAt(window, kLowTone));
        EXPECT_LT(amplitudeAt(window, kHighTone), 0.02);
    }
    EXPECT_NEAR(loudest, kAmplitude, 0.05);
}

TEST_F(SoundMixingTest, OverlappingPlaysOfTwoRecordingsMix)
{
    fw::Ref<fw::Sound> low = tone(kLowTone);
    fw::Ref<fw::Sound> high = tone(kHighTone);
    ASSERT_TRUE(low && high);
    fw::Sound::Play(low.get());
    fw::Sound::Play(high.get());

    int windowsWithBoth = 0;
    for (const auto& window : recordedWindows()) {
        EXPECT_LT(amplitudeAt(window, kAbsentTone), 0.02);
        if (amplitudeAt(window, kLowTone) > 0.2 && amplitudeAt(window, kHighTone) > 0.2)
            ++windowsWithBoth;
    }
    // 400 ms of both tones at once fill several whole windows of 46 ms.
    EXPECT_GE(windowsWithBoth, 5);
}

TEST_F(SoundMixingTest, PressingOneRecordingTwiceAddsItsSound)
{
    fw::Ref<fw::Sound> low = tone(kLowTone);
    ASSERT_TRUE(low);
    fw::Sound::Play(low.get());
    fw::Sound::Play(low.get());

    double loudest = 0;
    for (const auto& window : recordedWindows())
        loudest = std::max(loudest, peak(window));
    EXPECT_GT(loudest, 1.7 * kAmplitude);
    EXPECT_LT(loudest, 2.3 * kAmplitude);
}

} // namespace
