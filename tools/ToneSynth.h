// A synthesized tone in the manner of a saxophone: a reedy, harmonic-rich
// spectrum that brightens as the tone swells, a breathy attack, a short
// vibrato and a release. The same frequency always gives the same samples.
#pragma once

#include <cstdint>
#include <vector>

namespace tolvane::mediagen {

inline constexpr int kSampleRate = 44100;
inline constexpr double kToneSeconds = 1.5;

// Mono samples at kSampleRate, kToneSeconds long, peaking a little below full scale.
std::vector<std::int16_t> synthesizeTone(double frequency);

} // namespace tolvane::mediagen
