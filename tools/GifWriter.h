// Writes an indexed picture as a GIF file, the one format of the set that
// keeps the keyboard's few flat colours exact.
#pragma once

#include "tools/IndexedImage.h"

#include <filesystem>

namespace tolvane::mediagen {

// Throws std::runtime_error when the picture is malformed or the file cannot
// be written.
void writeGif(const std::filesystem::path& file, const IndexedImage& image);

} // namespace tolvane::mediagen
