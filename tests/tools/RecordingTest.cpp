// The recordings in the bundle, decoded independently of the encoder that
// wrote them: each is a mono 44.1 kHz tone of about a second and a half at the
// concert pitch of its note.
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

TEST(Recordings, EachIsAMonoToneAtItsNotesConcertPitch)
{
    for (std::size_t note = 0; note < media::kNoteFiles.size(); ++note) {
        const std::filesystem::path file = bundleResources() / media::kNoteFiles[note].soundFile;
        SCOPED_TRACE(file.string());
        const DecodedAudio audio = decodeMp3(file);
        ASSERT_EQ(audio.sampleRate, 44100);
        ASSERT_EQ(audio.channels, 1);
        const double seconds = static_cast<double>(audio.samples.size()) / 44100.0;
        ASSERT_GT(seconds, 1.4);
        EXPECT_LT(seconds, 1.7);

        // Three stretches of a tenth of a second of the sustained tone,
        // vibrato included.
        for (double start : {0.25, 0.6, 1.0}) {
            const auto stretch = std::span<const float>(audio.samples).subspan(std::size_t(start * 44100), 4410);
            EXPECT_NEAR(fundamentalOf(stretch, 44100), expectedFrequency(note), expectedFrequency(note) * 0.01)
                << "at " << start << " s";
        }
    }
}

} // namespace
} // namespace tolvane::mediagen::testing
