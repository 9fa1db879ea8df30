// The recordings in the bundle, decoded as the application's player would:
// each is a mono 44.1 kHz tone of about a second and a half at the concert
// pitch of its note, swelling in and dying away.
#include "AudioAnalysis.h"
#include "BundleResources.h"
#include "Mp3Decoding.h"

#include "media/NoteTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tolvane::mediagen::testing {
namespace {

// Concert pitch, computed here on its own: the alto sounds a major sixth below
// what it reads, and the lowest note reads B♭3 (MIDI 58).
double expectedFrequency(std::size_t noteIndex)
{
    const int sounding = 58 + static_cast<int>(noteIndex) - 9;
    return 440.0 * std::pow(2.0, (sounding - 69) / 12.0);
}

std::span<const float> stretch(const DecodedAudio& audio, double fromSeconds, double toSeconds)
{
    const auto from = static_cast<std::size_t>(fromSeconds * static_cast<double>(audio.sampleRate));
    const auto to = std::min(audio.samples.size(), static_cast<std::size_t>(toSeconds * static_cast<double>(audio.sampleRate)));
    return from < to ? std::span<const float>(audio.samples).subspan(from, to - from) : std::span<const float>();
}

TEST(Recordings, EachIsAMonoToneAtItsNotesConcertPitch)
{
    for (std::size_t note = 0; note < media::kNoteFiles.size(); ++note) {
        const std::filesystem::path file = bundleResources() / media::kNoteFiles[note].soundFile;
        SCOPED_TRACE(file.string());
        const DecodedAudio audio = decodeMp3(file);
        ASSERT_EQ(audio.sampleRate, 44100);
        ASSERT_EQ(audio.channels, 1);
        const double seconds = static_cast<double>(audio.samples.size()) / 44100.0;
        EXPECT_GT(seconds, 1.4);
        EXPECT_LT(seconds, 1.7);

        // Three stretches of the sustained tone, vibrato included.
        for (double start : {0.25, 0.6, 1.0}) {
            const double measured = fundamentalOf(stretch(audio, start, start + 0.1), 44100);
            EXPECT_NEAR(measured, expectedFrequency(note), expectedFrequency(note) * 0.01) << "at " << start << " s";
        }
    }
}

TEST(Recordings, SwellInAndDieAway)
{
    for (const media::NoteFiles& files : media::kNoteFiles) {
        SCOPED_TRACE(files.soundFile);
        const DecodedAudio audio = decodeMp3(bundleResources() / files.soundFile);
        ASSERT_GT(audio.samples.size(), 44100u);
        const double sustained = rootMeanSquare(stretch(audio, 0.3, 0.9));
        const double seconds = static_cast<double>(audio.samples.size()) / 44100.0;
        EXPECT_GT(sustained, 0.1);
        EXPECT_LT(rootMeanSquare(stretch(audio, 0.0, 0.01)), sustained * 0.5);
        EXPECT_LT(rootMeanSquare(stretch(audio, seconds - 0.03, seconds)), sustained * 0.3);
    }
}

} // namespace
} // namespace tolvane::mediagen::testing
