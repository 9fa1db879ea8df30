// The whole sample media set, written into one folder: the 48 note pictures
// and recordings and the four other pictures, under the names the bundle
// gives them. Needs a running QGuiApplication.
#pragma once

#include <filesystem>

namespace tolvane::mediagen {

// Creates the folder when needed and replaces the files it holds. Throws
// std::runtime_error when a file cannot be made or written.
void writeMediaSet(const std::filesystem::path& folder);

} // namespace tolvane::mediagen
