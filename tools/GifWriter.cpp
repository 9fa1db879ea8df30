#include "tools/GifWriter.h"

#include "tools/FileBytes.h"

#include <gif_lib.h>

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

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

// The library writes its file itself with the owner's permissions only, so
// the picture is encoded into memory and the file is made as every other
// file of the set is.
int appendToBytes(GifFileType* gif, const GifByteType* data, int length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
}

// GIF palettes come in powers of two; the unused entries stay black.
int paletteSizeFor(qsizetype colours)
{
    int size = 2;
    while (size < colours)
        size *= 2;
    return size;
}

} // namespace

void writeGif(const std::filesystem::path& file, const QImage& picture)
{
    if (picture.format() != QImage::Format_Indexed8)
        throw std::invalid_argument("a GIF is written from a palette picture");

    const QList<QRgb> table = picture.colorTable();
    const int paletteSize = paletteSizeFor(table.size());
    std::unique_ptr<ColorMapObject, ColorMapFree> colours(GifMakeMapObject(paletteSize, nullptr));
    if (!colours)
        throw std::runtime_error("cannot make a GIF palette");
    for (int index = 0; index < paletteSize; ++index) {
        const QRgb colour = index < table.size() ? table[index] : qRgb(0, 0, 0);
        colours->Colors[index] = {static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                                  static_cast<GifByteType>(qBlue(colour))};
    }

    std::vector<unsigned char> bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifFileCloser> gif(EGifOpen(&bytes, appendToBytes, &error));
    if (!gif)
        fail(file, "open", error);
    const int width = picture.width();
    const int height = picture.height();
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, colours.get()) == GIF_ERROR)
        fail(file, "screen", gif->Error);
    if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR)
        fail(file, "image", gif->Error);
    for (int y = 0; y < height; ++y) {
        // giflib takes non-const rows but only reads them.
        auto* row = const_cast<GifPixelType*>(picture.constScanLine(y));
        if (EGifPutLine(gif.get(), row, width) == GIF_ERROR)
            fail(file, "pixels", gif->Error);
    }

    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR)
        fail(file, "close", error);
    writeFileBytes(file, std::as_bytes(std::span(bytes)));
}

} // namespace tolvane::mediagen
