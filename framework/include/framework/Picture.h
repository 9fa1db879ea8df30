// Pictures: JPEG and GIF files decoded into an image, or images the
// framework draws itself.
//
// Anything that is not a whole, readable JPEG or GIF file within the bounds
// below gives no picture: an empty, truncated or garbled file, a folder, a
// file that cannot be read, or one whose header announces an image too large
// to hold. The bounds are checked before decoding, so no file can make the
// decoder allocate without limit.
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>
#include <memory>

class QImage;

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
    // the decoded image (four bytes a pixel) may not exceed this size,
    static constexpr std::int64_t kMaximumImageBytes = std::int64_t(256) << 20;
    // and the file may not exceed this size.
    static constexpr std::int64_t kMaximumFileBytes = std::int64_t(64) << 20;

    const QImage& image() const;
    int width() const;
    int height() const;

private:
    std::unique_ptr<QImage> m_image;
};

} // namespace fw
