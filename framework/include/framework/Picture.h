// Pictures: JPEG and GIF files decoded into an image, or images the
// framework draws itself.
//
// Anything that is not a whole, readable JPEG or GIF file within the bounds
// below gives no picture: an empty, truncated or garbled file, a folder, a
// file that cannot be read, one whose header announces an image too large to
// hold, or a JPEG that would make the decoder pass over its image more often
// than any real encoder asks. The bounds are checked before decoding, so no
// file can make the decoder allocate or work without limit. Bytes after a
// picture's end marker are not part of it and are ignored.
//
// A picture read from a file keeps the file's bytes, never reads the file
// again, and holds its decoded pixels only while they are among the most
// recently used within a budget shared by all pictures; it decodes them
// again when asked after that. A file that failed to give a picture fails
// again at once, without being read, for as long as it stays the same file
// (same device, inode, size and modification time).
#pragma once

#include "framework/Exceptions.h"

#include <QImage>

#include <cstdint>
#include <memory>

namespace fw {

class Picture final : public Object {
public:
    explicit Picture(ClassRecord& record);
    ~Picture() override;
    static ClassRecord& __Lookup();

    // The decoded picture, or nil for anything that is not a readable picture
    // within the bounds.
    static Ref<Picture> fromFile(const std::string& path);
    // A picture of an image already in memory, such as a drawing; nil for a
    // null image or one beyond the bounds.
    static Ref<Picture> fromImage(QImage image);

    // Neither side may exceed this many pixels,
    static constexpr int kMaximumSide = 16384;
    // the decoded image (four bytes a pixel) may not exceed this size, which
    // is also as much as Qt's image reader allocates for one image,
    static constexpr std::int64_t kMaximumImageBytes = std::int64_t(128) << 20;
    // and the file may not exceed this size. A picture keeps its file's
    // bytes for the run, so this bounds what the 52 pictures can hold at
    // once; a chart is a few hundred kilobytes.
    static constexpr std::int64_t kMaximumFileBytes = std::int64_t(4) << 20;
    // A JPEG may have no more scans than this, each a pass of the decoder
    // over the whole image (common encoders write at most about a dozen),
    static constexpr int kMaximumScans = 100;
    // and its pixels times its scans may not exceed this: a pass costs up to
    // about 4 ns a pixel, so no picture keeps the decoder busy for much more
    // than half a second. A progressive picture of ten scans may have up to
    // 13 million pixels; one of a single scan, as many as the bounds above
    // allow.
    static constexpr std::int64_t kMaximumDecodeWork = std::int64_t(1) << 27;
    // Decoded pixels of pictures read from files are held up to this many
    // bytes in all, the most recently used first, and beyond it for the
    // most recent one alone.
    static constexpr std::int64_t kDecodedBytesBudget = std::int64_t(4) << 20;

    // The decoded image, decoded again from the kept bytes if its pixels
    // were dropped; the copy shares the pixels held for the budget.
    QImage image() const;
    int width() const;
    int height() const;
    // Whether the pixels are held decoded now.
    bool isDecoded() const;
    // A number no other picture of the run has.
    std::uint64_t serial() const;

private:
    struct Data;
    std::unique_ptr<Data> m_data;
};

} // namespace fw
