// A picture held as palette indices, the form a GIF file stores: at most 256
// colours, one byte per pixel, rows top to bottom.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace tolvane::mediagen {

struct PaletteColour {
    std::uint8_t red, green, blue;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<PaletteColour> palette;
    std::vector<std::uint8_t> pixels;

    // Each pixel of the image becomes the palette's colour nearest to it.
    static IndexedImage fromImage(const QImage& image, const QList<QRgb>& palette);
};

} // namespace tolvane::mediagen
