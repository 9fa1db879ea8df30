// Pictures: JPEG and GIF files decoded into an image.
#pragma once

#include "framework/Exceptions.h"

#include <memory>

class QImage;

namespace fw {

class Picture final : public Object {
public:
    explicit Picture(ClassRecord& record);
    ~Picture() override;
    static ClassRecord& __Lookup();

    // The decoded picture, or nil for anything that is not a readable picture
    // within the size bound.
    static Ref<Picture> fromFile(const std::string& path);

    static constexpr int kMaximumSide = 16384;

    const QImage& image() const;
    int width() const;
    int height() const;

private:
    std::unique_ptr<QImage> m_image;
};

} // namespace fw
