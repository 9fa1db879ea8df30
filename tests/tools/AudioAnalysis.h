// Measurements of a recorded tone for the tests: its loudness over a stretch,
// its fundamental frequency and the strength of one partial.
#pragma once

#include <span>

namespace tolvane::mediagen::testing {

double rootMeanSquare(std::span<const float> samples);

// The fundamental of a periodic stretch by the YIN difference function, with
// the period refined between samples; 0 when no period between 60 Hz and
// 3 kHz stands out.
double fundamentalOf(std::span<const float> samples, int sampleRate);

// The amplitude of the component at one frequency (Goertzel's filter).
double amplitudeAt(std::span<const float> samples, int sampleRate, double frequency);

} // namespace tolvane::mediagen::testing
