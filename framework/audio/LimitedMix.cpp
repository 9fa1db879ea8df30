#include "LimitedMix.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr float kFullScale = 32768.0f;

const float releasePerFrame = std::exp(-1.0f / (LimitedMix::kReleaseSeconds * AudioFormat::kFrequency));

std::int16_t toSample(float value)
{
    return std::int16_t(std::clamp(std::lround(value * kFullScale), -32768L, 32767L));
}

} // namespace

void LimitedMix::add(std::span<std::int16_t> channel)
{
    // The output opens with the buffer size it was asked for, so a channel
    // never brings more; anything beyond is left for SDL_mixer to mix.
    const std::size_t count = std::min(channel.size(), m_sum.size());
    for (std::size_t i = 0; i < count; ++i) {
        m_sum[i] += float(channel[i]) / kFullScale;
        channel[i] = 0;
    }
}

void LimitedMix::finish(std::span<std::int16_t> stream)
{
    const std::size_t count = std::min(stream.size(), m_sum.size()) / AudioFormat::kOutputChannels * AudioFormat::kOutputChannels;
    for (std::size_t frame = 0; frame < count; frame += AudioFormat::kOutputChannels) {
        float peak = 0;
        for (int side = 0; side < AudioFormat::kOutputChannels; ++side) {
            m_sum[frame + side] += float(stream[frame + side]) / kFullScale;
            peak = std::max(peak, std::abs(m_sum[frame + side]));
        }
        // Instant attack: the envelope is never below the frame's peak, so
        // the gain below keeps it under the ceiling. Both sides share one
        // gain, which keeps the stereo image.
        if (peak >= m_envelope) {
            m_envelope = peak;
            m_holdLeft = kHoldFrames;
        } else if (m_holdLeft > 0) {
            --m_holdLeft;
        } else {
            m_envelope = peak + (m_envelope - peak) * releasePerFrame;
        }
        const float gain = m_envelope > kCeiling ? kCeiling / m_envelope : 1.0f;
        for (int side = 0; side < AudioFormat::kOutputChannels; ++side)
            stream[frame + side] = toSample(m_sum[frame + side] * gain);
    }
    std::fill(m_sum.begin(), m_sum.end(), 0.0f);
}

} // namespace fw
