// Encodes mono samples as an MP3 file with LAME: constant bit rate, with the
// encoder's information frame in front so that players know the stream's
// length and can trim the encoder's padding.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tolvane::mediagen {

// Throws std::runtime_error when the encoder refuses the samples or the file
// cannot be written completely.
void writeMp3(const std::filesystem::path& file, std::span<const std::int16_t> samples, int sampleRate);

} // namespace tolvane::mediagen
