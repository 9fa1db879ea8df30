// Writing a whole file at once, with failures as exceptions.
#pragma once

#include <filesystem>
#include <span>

namespace tolvane::mediagen {

// Throws std::runtime_error when the file cannot be written completely.
void writeFileBytes(const std::filesystem::path& file, std::span<const unsigned char> bytes);

} // namespace tolvane::mediagen
