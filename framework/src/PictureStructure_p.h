// The block structure of a JPEG or GIF file, walked before any pixel is
// decoded.
//
// The walk tells where the picture really ends (bytes after the end, as
// many writers and tools leave, are not part of it), whether the file is cut
// short before that end, the size the decoder will allocate and how many
// scans a JPEG decoder must run over the whole image. Decoders fill in
// whatever is missing at the end of a cut-off file, so this walk is what
// tells a truncated file from a whole one.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace fw {

struct PictureStructure {
    // "jpeg" or "gif": the name Qt's reader knows the format by.
    QByteArray format;
    // Where the picture ends: just past a JPEG's end-of-image marker or a
    // GIF's trailer.
    qsizetype end = 0;
    // The size of the decoded image, as the headers announce it.
    QSize size;
    // How many times the decoder passes over the whole image: a JPEG's
    // scans; one for a GIF, whose first image alone is decoded.
    int passes = 0;
};

// The structure of a whole JPEG or GIF file; nothing for any other format, a
// file cut short, or blocks that do not fit together.
std::optional<PictureStructure> walkPictureStructure(QByteArrayView bytes);

// The walks of each format, for files whose signature already told it.
std::optional<PictureStructure> walkJpeg(QByteArrayView bytes);
std::optional<PictureStructure> walkGif(QByteArrayView bytes);

} // namespace fw
