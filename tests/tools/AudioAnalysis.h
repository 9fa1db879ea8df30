// Measuring a recorded tone for the tests: its fundamental frequency.
#pragma once

#include <span>

namespace tolvane::mediagen::testing {

// The fundamental of a periodic stretch by the YIN difference function, with
// the period refined between samples; 0 when no period between 60 Hz and
// 3 kHz stands out.
double fundamentalOf(std::span<const float> samples, int sampleRate);

} // namespace tolvane::mediagen::testing
