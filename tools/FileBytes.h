// Writes a file of the media set from bytes made in memory.
#pragma once

#include <filesystem>
#include <cstddef>
#include <span>

namespace tolvane::mediagen {

// Creates or replaces the file as any ordinary file is made, readable by all
// unless the umask says otherwise, so that every file of the set is as open as
// the folder that holds it. Throws std::runtime_error when it cannot be written.
void writeFileBytes(const std::filesystem::path& file, std::span<const std::byte> bytes);

} // namespace tolvane::mediagen
