// The synthesized tone itself, before any encoding: a reedy spectrum, no
// clipping, and a vibrato that sets in after the attack.
#include "AudioAnalysis.h"

#include "tools/ToneSynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

std::vector<float> toneAsFloats(double frequency)
{
    const std::vector<std::int16_t> samples = synthesizeTone(frequency);
    std::vector<float> floats(samples.size());
    std::transform(samples.begin(), samples.end(), floats.begin(),
                   [](std::int16_t sample) { return static_cast<float>(sample) / 32768.0f; });
    return floats;
}

std::span<const float> stretch(const std::vector<float>& samples, double fromSeconds, double seconds)
{
    return std::span<const float>(samples).subspan(static_cast<std::size_t>(fromSeconds * kSampleRate),
                                                   static_cast<std::size_t>(seconds * kSampleRate));
}

TEST(ToneSynth, IsAsLongAsAskedAndNeverClips)
{
    const std::vector<std::int16_t> samples = synthesizeTone(138.59);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(kToneSeconds * kSampleRate));
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_GT(*lowest, -32000);
    EXPECT_LT(*highest, 32000);
    EXPECT_GT(*highest, 16000) << "the tone is loud enough to hear";
}

TEST(ToneSynth, CarriesStrongUpperHarmonics)
{
    for (double frequency : {138.59, 440.0, 1046.5}) {
        SCOPED_TRACE(frequency);
        const std::vector<float> tone = toneAsFloats(frequency);
        const std::span<const float> steady = stretch(tone, 0.2, 0.2);
        const double fundamental = amplitudeAt(steady, kSampleRate, frequency);
        EXPECT_GT(amplitudeAt(steady, kSampleRate, 2 * frequency), 0.25 * fundamental);
        EXPECT_GT(amplitudeAt(steady, kSampleRate, 3 * frequency), 0.15 * fundamental);
        EXPECT_LT(amplitudeAt(steady, kSampleRate, 1.5 * frequency), 0.05 * fundamental) << "no stray partials";
    }
}

TEST(ToneSynth, VibratoSetsInAfterTheAttack)
{
    const std::vector<float> tone = toneAsFloats(220.0);
    const auto spread = [&](double from, double to) {
        double lowest = 1e9;
        double highest = 0.0;
        for (double start = from; start < to; start += 0.02) {
            const double measured = fundamentalOf(stretch(tone, start, 0.04), kSampleRate);
            EXPECT_NEAR(measured, 220.0, 220.0 * 0.01) << "at " << start << " s";
            lowest = std::min(lowest, measured);
            highest = std::max(highest, measured);
        }
        return highest - lowest;
    };
    const double early = spread(0.1, 0.4);
    const double late = spread(0.9, 1.2);
    EXPECT_LT(early, 220.0 * 0.001);
    EXPECT_GT(late, 220.0 * 0.004);
    EXPECT_LT(late, 220.0 * 0.02) << "a vibrato, not a wobble";
}

} // namespace
} // namespace tolvane::mediagen::testing
