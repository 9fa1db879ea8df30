// The recordings in the bundle, decoded independently of the encoder that
// wrote them: each is a mono 44.1 kHz tone of about a second and a half at the
// concert pitch of the note its file is named after.
#include "AudioAnalysis.h"
#include "BundleResources.h"
#include "MediaReference.h"
#include "Mp3Decoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace tolvane::mediagen::testing {
namespace {

// The concert pitch in hertz of the note a recording's file name spells
// ("21Middle_Fsharp.mp3"), worked out here from the name alone. The chart is
// written for the alto saxophone in E-flat, which sounds a major sixth below
// what it reads; each register reads from B-flat up to A, the Low one from
// B-flat 3 (MIDI 58), so its C is C4.
std::optional<double> concertFrequencyOfFileName(std::string_view name)
{
    constexpr std::array<std::string_view, 4> registers{"Low", "Middle", "High", "Top"};
    constexpr std::string_view letters = "CDEFGAB";
    constexpr std::array<int, 7> semitonesAboveC{0, 2, 4, 5, 7, 9, 11};

    if (name.size() < 2 + 4 || !name.ends_with(".mp3"))
        return std::nullopt;
    name.remove_prefix(2);
    name.remove_suffix(4);
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos || underscore + 1 >= name.size())
        return std::nullopt;
    const auto reg = std::ranges::find(registers, name.substr(0, underscore));
    std::string_view pitch = name.substr(underscore + 1);
    const std::size_t letter = letters.find(pitch.front());
    if (reg == registers.end() || letter == std::string_view::npos)
        return std::nullopt;
    pitch.remove_prefix(1);
    int accidental = 0;
    if (pitch == "sharp")
        accidental = 1;
    else if (pitch == "flat")
        accidental = -1;
    else if (!pitch.empty())
        return std::nullopt;

    // A register's B-flat and B lie in the octave below its other notes.
    const int octave = (letters[letter] == 'B' ? 3 : 4) + int(reg - registers.begin());
    const int written = 12 * (octave + 1) + semitonesAboveC[letter] + accidental;
    const int sounding = written - 9;
    return 440.0 * std::pow(2.0, (sounding - 69) / 12.0);
}

TEST(Recordings, EachIsAMonoToneAtThePitchItsNameSpells)
{
    for (const reference::AccessorFile& recording : reference::kSoundItemFiles) {
        const std::filesystem::path file = bundleResources() / recording.file;
        SCOPED_TRACE(file.string());
        const std::optional<double> expected = concertFrequencyOfFileName(recording.file);
        ASSERT_TRUE(expected);
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
            EXPECT_NEAR(fundamentalOf(stretch, 44100), *expected, *expected * 0.01) << "at " << start << " s";
        }
    }
}

} // namespace
} // namespace tolvane::mediagen::testing
