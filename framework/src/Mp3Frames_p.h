// Finding the MPEG audio Layer III frames of an MP3 file before it is decoded.
//
// The walk accepts MP3 only (MPEG 1, 2 or 2.5, Layer III) and measures the
// recording from its frame headers, so that a file is rejected before any
// decoding when it holds no frame or would decode to more than the bound. The
// decoder is then given exactly the frames walked: it cannot wander into
// trailing tags or garbage, nor decode more than was measured.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace fw {

struct Mp3Frames {
    std::size_t begin = 0; // offset of the first frame
    std::size_t end = 0;   // offset just past the last whole frame
    std::uint32_t sampleRate = 0;
    std::uint64_t samples = 0; // per channel, as the headers announce them
};

// The run of consistent, whole Layer III frames after an optional ID3v2 tag,
// or nothing when there is none.
std::optional<Mp3Frames> findMp3Frames(std::span<const std::uint8_t> bytes);

} // namespace fw
