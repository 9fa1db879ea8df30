// GIF files written from an indexed picture decode to exactly its colours;
// malformed pictures and unwritable places are refused.
#include "tools/GifWriter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <stdexcept>

namespace tolvane::mediagen {
namespace {

IndexedImage smallPicture()
{
    IndexedImage image;
    image.width = 5;
    image.height = 3;
    image.palette = {{0xf5, 0xf1, 0xe4}, {0x14, 0x14, 0x14}, {0x7d, 0x1f, 0x2a}};
    image.pixels = {0, 1, 2, 1, 0,
                    1, 1, 1, 1, 1,
                    2, 0, 0, 0, 2};
    return image;
}

TEST(GifWriter, WritesEveryPixelInItsPaletteColour)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path file = folder.filePath("small.gif").toStdString();
    const IndexedImage image = smallPicture();
    writeGif(file, image);

    const QImage decoded(QString::fromStdString(file.string()));
    ASSERT_EQ(decoded.width(), image.width);
    ASSERT_EQ(decoded.height(), image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const PaletteColour expected = image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
            EXPECT_EQ(decoded.pixel(x, y), qRgb(expected.red, expected.green, expected.blue)) << x << "," << y;
        }
    }
}

TEST(GifWriter, RefusesMalformedPicturesAndUnwritablePlaces)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path file = folder.filePath("bad.gif").toStdString();

    IndexedImage outsidePalette = smallPicture();
    outsidePalette.pixels[7] = 3;
    EXPECT_THROW(writeGif(file, outsidePalette), std::invalid_argument);

    IndexedImage short_ = smallPicture();
    short_.pixels.pop_back();
    EXPECT_THROW(writeGif(file, short_), std::invalid_argument);

    IndexedImage empty = smallPicture();
    empty.width = 0;
    EXPECT_THROW(writeGif(file, empty), std::invalid_argument);

    EXPECT_THROW(writeGif(std::filesystem::path(folder.path().toStdString()) / "missing" / "x.gif", smallPicture()),
                 std::runtime_error);
}

} // namespace
} // namespace tolvane::mediagen
