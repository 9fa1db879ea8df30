// Writes a palette picture as a GIF file, the one format of the set that
// keeps the keyboard's few flat colours exact.
#pragma once

#include <QImage>

#include <filesystem>

namespace tolvane::mediagen {

// The picture must be of QImage::Format_Indexed8, so that its colour table is
// the file's palette. Throws std::invalid_argument for any other picture and
// std::runtime_error when the file cannot be written.
void writeGif(const std::filesystem::path& file, const QImage& picture);

} // namespace tolvane::mediagen
