#include "tools/ToneSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvane::mediagen {
namespace {

constexpr double kAttackSeconds = 0.05;
constexpr double kDecaySeconds = 0.15;
constexpr double kSustainLevel = 0.82;
constexpr double kReleaseSeconds = 0.22;
constexpr double kVibratoStart = 0.45;
constexpr double kVibratoRampSeconds = 0.35;
constexpr double kVibratoRate = 5.4;
constexpr double kVibratoDepth = 0.004; // of the frequency, about seven cents
constexpr double kHighestHarmonic = 9000.0;
constexpr double kBreathLevel = 0.015;
constexpr double kPeak = 0.71;

double envelopeAt(double time)
{
    double level = kSustainLevel;
    if (time < kAttackSeconds)
        level = 0.5 - 0.5 * std::cos(std::numbers::pi * time / kAttackSeconds);
    else if (time < kAttackSeconds + kDecaySeconds)
        level = kSustainLevel + (1.0 - kSustainLevel) * std::exp(-4.0 * (time - kAttackSeconds) / kDecaySeconds);
    const double untilEnd = kToneSeconds - time;
    if (untilEnd < kReleaseSeconds)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(untilEnd, 0.0) / kReleaseSeconds);
    return level;
}

double vibratoAt(double time)
{
    if (time < kVibratoStart)
        return 0.0;
    const double depth = kVibratoDepth * std::min(1.0, (time - kVibratoStart) / kVibratoRampSeconds);
    return depth * std::sin(2.0 * std::numbers::pi * kVibratoRate * (time - kVibratoStart));
}

// The reed's spectrum: falling gently with the harmonic's number, lifted
// around the bore's formant near 1.4 kHz.
double harmonicWeight(int harmonic, double frequency)
{
    const double formant = (harmonic * frequency - 1400.0) / 900.0;
    return std::pow(harmonic, -0.85) * (1.0 + 1.1 * std::exp(-formant * formant));
}

// A fixed-seed generator for the breath noise, so every run hisses alike.
class Breath {
public:
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        const double white = static_cast<double>(m_state) / 4294967295.0 * 2.0 - 1.0;
        m_filtered += 0.35 * (white - m_filtered);
        return white - m_filtered; // the hiss is airy: its lows removed
    }

private:
    std::uint32_t m_state = 0x2545f491u;
    double m_filtered = 0.0;
};

} // namespace

std::vector<std::int16_t> synthesizeTone(double frequency)
{
    const auto sampleCount = static_cast<std::size_t>(kToneSeconds * kSampleRate);
    const int harmonics = std::max(1, static_cast<int>(std::min(kHighestHarmonic, 0.45 * kSampleRate) / frequency));
    std::vector<double> weights(static_cast<std::size_t>(harmonics) + 1);
    for (int harmonic = 1; harmonic <= harmonics; ++harmonic)
        weights[static_cast<std::size_t>(harmonic)] = harmonicWeight(harmonic, frequency);

    std::vector<double> signal(sampleCount);
    Breath breath;
    double phase = 0.0;
    for (std::size_t index = 0; index < sampleCount; ++index) {
        const double time = static_cast<double>(index) / kSampleRate;
        const double envelope = envelopeAt(time);
        // Louder is brighter: the upper harmonics fade faster as the tone falls.
        const double brightness = 0.72 + 0.28 * envelope;

        // sin(nφ) by the Chebyshev recurrence, one sine and one cosine a sample.
        const double sine = std::sin(phase);
        const double twiceCosine = 2.0 * std::cos(phase);
        double previous = 0.0;
        double current = sine;
        double tilt = 1.0;
        double sample = 0.0;
        for (int harmonic = 1; harmonic <= harmonics; ++harmonic) {
            sample += weights[static_cast<std::size_t>(harmonic)] * tilt * current;
            const double next = twiceCosine * current - previous;
            previous = current;
            current = next;
            tilt *= brightness;
        }
        const double breathiness = kBreathLevel * (1.0 + 3.0 * std::exp(-time / 0.04));
        signal[index] = envelope * (sample + breathiness * breath.next());

        phase += 2.0 * std::numbers::pi * frequency * (1.0 + vibratoAt(time)) / kSampleRate;
        if (phase > 2.0 * std::numbers::pi)
            phase -= 2.0 * std::numbers::pi;
    }

    double loudest = 0.0;
    for (double value : signal)
        loudest = std::max(loudest, std::abs(value));
    const double scale = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> samples(sampleCount);
    std::transform(signal.begin(), signal.end(), samples.begin(),
                   [scale](double value) { return static_cast<std::int16_t>(std::lround(value * scale)); });
    return samples;
}

} // namespace tolvane::mediagen
