// Decoding a recording of the set with libmpg123, independently of the
// encoder that wrote it.
#pragma once

#include <filesystem>
#include <vector>

namespace tolvane::mediagen::testing {

struct DecodedAudio {
    long sampleRate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved, full scale ±1
};

// Empty (sampleRate 0) when the file cannot be decoded.
DecodedAudio decodeMp3(const std::filesystem::path& file);

} // namespace tolvane::mediagen::testing
