// The sum of the playing notes, taken in floating point and brought back
// under full scale by a peak limiter.
//
// A press never stops earlier notes, so up to 32 recordings sound at once;
// summed straight into 16-bit samples they would clip. Each mixing channel
// adds its samples here instead, and at the end of the mix the sum goes out
// through the limiter: its gain falls at once to keep every sample under
// the ceiling, holds while the loud passage lasts, and comes back slowly, so
// that a burst of notes is turned down without distortion while a single
// note, which peaks below the ceiling, passes unchanged.
#pragma once

#include "AudioFormat_p.h"

#include <array>
#include <cstdint>
#include <span>

namespace fw {

class LimitedMix {
public:
    // Peaks of the output never pass 0.9 of full scale (about -0.9 dBFS).
    static constexpr float kCeiling = 0.9f;
    // Long enough to bridge the periods of the lowest notes, so that the
    // gain does not ripple within one cycle.
    static constexpr int kHoldFrames = AudioFormat::kFrequency / 50;  // 20 ms
    static constexpr float kReleaseSeconds = 0.15f;                   // time constant

    // Adds one channel's samples (interleaved, the output's format) to the
    // sum of this buffer, and silences them where they were.
    void add(std::span<std::int16_t> channel);
    // Writes the limited sum, plus whatever was mixed into the stream
    // directly, over the stream; the sum starts afresh for the next buffer.
    void finish(std::span<std::int16_t> stream);

private:
    static constexpr std::size_t kCapacity = std::size_t(AudioFormat::kBufferFrames) * AudioFormat::kOutputChannels;

    std::array<float, kCapacity> m_sum{};
    float m_envelope = 0;
    int m_holdLeft = 0;
};

} // namespace fw
