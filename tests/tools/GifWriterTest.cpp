// A GIF written from a palette picture decodes to exactly its colours, the
// palette padded out to the power of two a GIF needs.
#include "tools/GifWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stdexcept>

namespace tolvane::mediagen {
namespace {

TEST(GifWriter, WritesEveryPixelInItsPaletteColour)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path file = folder.filePath("small.gif").toStdString();
    QImage picture(5, 3, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(0xf5, 0xf1, 0xe4), qRgb(0x14, 0x14, 0x14), qRgb(0x7d, 0x1f, 0x2a)});
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, static_cast<uint>((x + y) % 3));
    }
    writeGif(file, picture);

    const QImage decoded(QString::fromStdString(file.string()));
    ASSERT_EQ(decoded.size(), picture.size());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            EXPECT_EQ(decoded.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
    }

    EXPECT_THROW(writeGif(file, picture.convertToFormat(QImage::Format_RGB32)), std::invalid_argument);
    EXPECT_THROW(writeGif(file.parent_path() / "missing" / "small.gif", picture), std::runtime_error);
}

} // namespace
} // namespace tolvane::mediagen
