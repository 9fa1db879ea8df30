#include "Mp3Frames_p.h"

#include <array>

namespace fw {

namespace {

struct FrameHeader {
    // Each MPEG version has sample rates of its own, so the rate alone tells
    // whether two frames belong to one stream.
    std::uint32_t sampleRate;
    std::size_t length;
    std::uint32_t samples;
};

// Kilobits per second, by bitrate index 1 to 14 (0 is "free", 15 invalid).
constexpr std::array<std::uint32_t, 15> kMpeg1Bitrates{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr std::array<std::uint32_t, 15> kMpeg2Bitrates{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
constexpr std::array<std::uint32_t, 3> kMpeg1SampleRates{44100, 48000, 32000};

// A Layer III frame header at the start of bytes, when it is one and the
// whole frame lies within bytes.
std::optional<FrameHeader> frameAt(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return std::nullopt;
    unsigned versionBits = (bytes[1] >> 3) & 0x3;
    unsigned layerBits = (bytes[1] >> 1) & 0x3;
    unsigned bitrateIndex = bytes[2] >> 4;
    unsigned sampleRateIndex = (bytes[2] >> 2) & 0x3;
    unsigned padding = (bytes[2] >> 1) & 0x1;
    if (versionBits == 1 || layerBits != 1 || bitrateIndex == 0 || bitrateIndex == 15 || sampleRateIndex == 3)
        return std::nullopt;

    // Version bits 3 are MPEG 1; 2 and 0 are MPEG 2 and 2.5, at a half and a
    // quarter of its sample rates and with half its samples a frame.
    const bool mpeg1 = versionBits == 3;
    FrameHeader header{};
    header.sampleRate = kMpeg1SampleRates[sampleRateIndex] / (mpeg1 ? 1 : versionBits == 2 ? 2 : 4);
    const std::uint32_t bitsPerSecond = (mpeg1 ? kMpeg1Bitrates : kMpeg2Bitrates)[bitrateIndex] * 1000;
    header.samples = mpeg1 ? 1152 : 576;
    header.length = (header.samples / 8) * bitsPerSecond / header.sampleRate + padding;
    if (header.length > bytes.size())
        return std::nullopt;
    return header;
}

// The size of the ID3v2 tag at the start of bytes, 0 when there is none.
std::size_t id3TagSize(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 10 || bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3')
        return 0;
    std::size_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) {
        if (bytes[i] & 0x80)
            return 0;
        size = (size << 7) | bytes[i];
    }
    bool hasFooter = bytes[5] & 0x10;
    return 10 + size + (hasFooter ? 10 : 0);
}

} // namespace

std::optional<Mp3Frames> findMp3Frames(std::span<const std::uint8_t> bytes)
{
    std::size_t offset = 0;
    while (std::size_t tag = id3TagSize(bytes.subspan(offset))) {
        if (tag > bytes.size() - offset)
            return std::nullopt;
        offset += tag;
    }

    // The first frame is the first header whose frame is followed by another
    // header of the same stream, or by the end: two in a row are what tells
    // a frame from a stray 0xFF in padding or in the tag's slack.
    std::optional<FrameHeader> first;
    for (; offset + 4 <= bytes.size(); ++offset) {
        first = frameAt(bytes.subspan(offset));
        if (!first)
            continue;
        std::size_t next = offset + first->length;
        if (next == bytes.size())
            break;
        std::optional<FrameHeader> second = frameAt(bytes.subspan(next));
        if (second && second->sampleRate == first->sampleRate)
            break;
        first.reset();
    }
    if (!first)
        return std::nullopt;

    Mp3Frames frames;
    frames.begin = offset;
    frames.sampleRate = first->sampleRate;
    while (offset < bytes.size()) {
        std::optional<FrameHeader> frame = frameAt(bytes.subspan(offset));
        if (!frame || frame->sampleRate != first->sampleRate)
            break;
        offset += frame->length;
        frames.samples += frame->samples;
    }
    frames.end = offset;
    return frames;
}

} // namespace fw
