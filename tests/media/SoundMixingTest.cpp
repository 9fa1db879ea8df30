// What played recordings send to the audio output: SDL's disk driver writes
// the mixed output to a file, which the test reads back. The test runs in a
// process of its own, so the driver is chosen before the output opens.
#include "BundleResources.h"
#include "MediaFiles.h"

#include "Statics_p.h"

#include <algorithm>
#include <cmath>
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
double amplitudeAt(std::span<const float> window, double frequency)
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

// The output written to a file, chosen before anything opens it.
class SoundMixing : public TemporaryFolderTest {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputFile().c_str(), 1);
    }

    // Closing the output completes its file: 16-bit stereo frames, both
    // sides carrying the same mono recordings. The left side, full scale ±1.
    std::vector<float> closeOutput() const
    {
        fw::runStaticsFinalizers();
        std::ifstream stream(outputFile(), std::ios::binary);
        std::vector<float> left;
        for (std::int16_t frame[2]; stream.read(reinterpret_cast<char*>(frame), sizeof frame);)
            left.push_back(float(frame[0]) / 32768.0f);
        return left;
    }

private:
    fs::path outputFile() const { return folder() / "output.raw"; }
};

// The disk driver writes in real time, or later on a loaded machine: the
// output is complete once the last note has been mixed.
void waitUntilFinished(const std::vector<fw::Ref<fw::Sound>>& notes)
{
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    const auto playing = [&] {
        return std::any_of(notes.begin(), notes.end(), [](const auto& note) { return note->playingChannels() > 0; });
    };
    while (playing() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(20ms);
}

std::vector<fs::path> bundleRecordings()
{
    std::vector<fs::path> recordings;
    for (const auto& entry : fs::directory_iterator(tolvane::mediagen::testing::bundleResources())) {
        if (entry.path().extension() == ".mp3")
            recordings.push_back(entry.path());
    }
    std::sort(recordings.begin(), recordings.end());
    return recordings;
}

double decibels(double amplitudeRatio) { return 20 * std::log10(amplitudeRatio); }

// Two tones whose sum stays under the limiter's threshold, louder together
// than any recording of the set: both reach the output at once, each at the
// level it was recorded at.
TEST_F(SoundMixing, OverlappingPlaysReachTheOutputTogetherEachAtItsOwnLevel)
{
    constexpr double kLevel = 0.4; // of full scale
    const auto tone = [&](double frequency) {
        const fs::path path = folder() / (std::to_string(int(frequency)) + ".mp3");
        writeFile(path, makeMp3({.frequency = frequency, .length = 400ms, .amplitude = kLevel}));
        return openSound(path);
    };
    fw::Ref<fw::Sound> low = tone(kLowTone);
    fw::Ref<fw::Sound> high = tone(kHighTone);
    ASSERT_TRUE(low && high);
    fw::Sound::Play(low.get());
    fw::Sound::Play(high.get());

    waitUntilFinished({low, high});
    const std::vector<float> left = closeOutput();

    int windowsWithBoth = 0;
    for (std::size_t start = 0; start + kWindowFrames <= left.size(); start += kWindowFrames) {
        const auto window = std::span<const float>(left).subspan(start, kWindowFrames);
        EXPECT_LT(amplitudeAt(window, kAbsentTone), 0.02);
        const auto atItsLevel = [&](double frequency) {
            return std::abs(decibels(amplitudeAt(window, frequency) / kLevel)) < 1.0;
        };
        windowsWithBoth += atItsLevel(kLowTone) && atItsLevel(kHighTone);
    }
    // 400 ms of both tones at once fill several whole windows of 46 ms.
    EXPECT_GE(windowsWithBoth, 5);
}

// Notes pressed in quick succession all sound together; their sum must not
// sit at full scale, where it would be heard as distortion.
TEST_F(SoundMixing, SixteenNotesPressedWithinAFractionOfASecondStayUnderFullScale)
{
    const std::vector<fs::path> recordings = bundleRecordings();
    ASSERT_GE(recordings.size(), 16u);
    std::vector<fw::Ref<fw::Sound>> notes;
    for (std::size_t i = 0; i < 16; ++i) {
        notes.push_back(openSound(recordings[i * recordings.size() / 16]));
        ASSERT_TRUE(notes.back()) << recordings[i * recordings.size() / 16];
    }
    for (const fw::Ref<fw::Sound>& note : notes) {
        fw::Sound::Play(note.get());
        std::this_thread::sleep_for(20ms);
    }
    waitUntilFinished(notes);

    const std::vector<float> left = closeOutput();
    const auto first = std::find_if(left.begin(), left.end(), [](float sample) { return sample != 0; });
    const auto last = std::find_if(left.rbegin(), left.rend(), [](float sample) { return sample != 0; }).base();
    ASSERT_LT(first, last);
    const auto sounding = std::span<const float>(first, last);
    EXPECT_GT(sounding.size(), std::size_t(kRate)) << "the notes never reached the output";
    const auto atFullScale = std::count_if(sounding.begin(), sounding.end(),
        [](float sample) { return sample >= 32767 / 32768.0f || sample <= -1.0f; });
    EXPECT_LT(double(atFullScale), 0.001 * double(sounding.size()))
        << atFullScale << " of " << sounding.size() << " samples at full scale";
}

} // namespace
