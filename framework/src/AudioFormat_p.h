// The audio output's format, which the framework and its audio back end share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fw::AudioFormat {

inline constexpr int kFrequency = 44100;
inline constexpr int kOutputChannels = 2;
inline constexpr int kBufferFrames = 512;
inline constexpr int kMixingChannels = 32;
inline constexpr std::size_t kBytesPerFrame = sizeof(std::int16_t) * kOutputChannels;

} // namespace fw::AudioFormat
