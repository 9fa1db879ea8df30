#include "tools/IndexedImage.h"

#include <cstring>
#include <stdexcept>

namespace tolvane::mediagen {

IndexedImage IndexedImage::fromImage(const QImage& image, const QList<QRgb>& palette)
{
    if (palette.isEmpty() || palette.size() > 256)
        throw std::invalid_argument("a palette holds between 1 and 256 colours");
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette);

    IndexedImage result;
    result.width = indexed.width();
    result.height = indexed.height();
    for (QRgb colour : indexed.colorTable()) {
        result.palette.push_back({static_cast<std::uint8_t>(qRed(colour)), static_cast<std::uint8_t>(qGreen(colour)),
                                  static_cast<std::uint8_t>(qBlue(colour))});
    }
    const auto rowBytes = static_cast<std::size_t>(result.width);
    result.pixels.resize(rowBytes * static_cast<std::size_t>(result.height));
    for (int y = 0; y < result.height; ++y)
        std::memcpy(result.pixels.data() + rowBytes * static_cast<std::size_t>(y), indexed.constScanLine(y), rowBytes);
    return result;
}

} // namespace tolvane::mediagen
