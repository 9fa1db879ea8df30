#include "tools/GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace tolvane::mediagen {
namespace {

struct GifFileCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct ColorMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& what, int error)
{
    throw std::runtime_error("cannot write " + file.string() + ": " + what + " (" + GifErrorString(error) + ")");
}

// GIF palettes come in powers of two; the unused entries repeat black.
int paletteSizeFor(std::size_t colours)
{
    int size = 2;
    while (static_cast<std::size_t>(size) < colours)
        size *= 2;
    return size;
}

void validate(const IndexedImage& image)
{
    if (image.width <= 0 || image.height <= 0 || image.width > 65535 || image.height > 65535)
        throw std::invalid_argument("a GIF picture is between 1 and 65535 pixels on each side");
    if (image.palette.empty() || image.palette.size() > 256)
        throw std::invalid_argument("a GIF palette holds between 1 and 256 colours");
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        throw std::invalid_argument("the pixels do not fill the picture");
    const std::uint8_t highest = *std::max_element(image.pixels.begin(), image.pixels.end());
    if (highest >= image.palette.size())
        throw std::invalid_argument("a pixel names a colour the palette lacks");
}

} // namespace

void writeGif(const std::filesystem::path& file, const IndexedImage& image)
{
    validate(image);

    const int paletteSize = paletteSizeFor(image.palette.size());
    std::unique_ptr<ColorMapObject, ColorMapFree> colours(GifMakeMapObject(paletteSize, nullptr));
    if (!colours)
        throw std::runtime_error("cannot make a GIF palette");
    for (int index = 0; index < paletteSize; ++index) {
        const auto entry = static_cast<std::size_t>(index);
        const PaletteColour colour = entry < image.palette.size() ? image.palette[entry] : PaletteColour{0, 0, 0};
        colours->Colors[index] = {colour.red, colour.green, colour.blue};
    }

    int error = 0;
    std::unique_ptr<GifFileType, GifFileCloser> gif(EGifOpenFileName(file.c_str(), false, &error));
    if (!gif)
        fail(file, "open", error);
    if (EGifPutScreenDesc(gif.get(), image.width, image.height, 8, 0, colours.get()) == GIF_ERROR)
        fail(file, "screen", gif->Error);
    if (EGifPutImageDesc(gif.get(), 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR)
        fail(file, "image", gif->Error);

    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        const auto start = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::copy(start, start + image.width, row.begin());
        if (EGifPutLine(gif.get(), row.data(), image.width) == GIF_ERROR)
            fail(file, "pixels", gif->Error);
    }

    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &error) == GIF_ERROR)
        fail(file, "close", error);
}

} // namespace tolvane::mediagen
