// The framework's pictures: JPEG and GIF files only, told by their content,
// and every kind of broken file refused without a crash, a hang or a large
// allocation.
#include "MediaFiles.h"

#include "framework/FolderItem.h"
#include "framework/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::testing;

class PictureTest : public ::testing::Test {
protected:
    fs::path folder() const { return m_folder.path().toStdString(); }

    fw::Ref<fw::Picture> open(const fs::path& path) const
    {
        return fw::FolderItem::OpenAsPicture(fw::FolderItem::make(path.string()).get());
    }

private:
    QTemporaryDir m_folder;
};

// Sets the width and height that a JPEG's start-of-frame header announces.
QByteArray withJpegSize(QByteArray jpeg, int width, int height)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    throw std::runtime_error("no start-of-frame marker");
}

// Sets the size that a GIF's screen and first image descriptors announce.
QByteArray withGifSize(QByteArray gif, int width, int height)
{
    auto put = [&](qsizetype at, int value) {
        gif[at] = char(value & 0xFF);
        gif[at + 1] = char(value >> 8);
    };
    put(6, width);
    put(8, height);
    qsizetype descriptor = gif.indexOf(',', 13);
    put(descriptor + 5, width);
    put(descriptor + 7, height);
    return gif;
}

TEST_F(PictureTest, FormatComesFromTheContentNotTheName)
{
    writeFile(folder() / "really-a-gif.jpg", makeGif(3, 3));
    EXPECT_TRUE(open(folder() / "really-a-gif.jpg"));

    // Other formats Qt could read are not pictures of this framework.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
    writeFile(folder() / "a-png.jpg", png);
    EXPECT_FALSE(open(folder() / "a-png.jpg"));
}

TEST_F(PictureTest, BrokenFilesGiveNil)
{
    const QByteArray jpeg = makeJpeg(64, 64);
    const QByteArray gif = makeGif(64, 64);
    for (const auto& [kind, valid] : {std::pair{"jpeg", jpeg}, std::pair{"gif", gif}}) {
        for (const BrokenFile& broken : brokenFiles(valid, valid.size() / 2, fw::Picture::kMaximumFileBytes)) {
            SCOPED_TRACE(std::string(kind) + ", " + broken.name);
            fs::path path = folder() / (std::string(kind) + " " + broken.name);
            broken.make(path);
            EXPECT_FALSE(open(path));
        }
    }
}

TEST_F(PictureTest, SizeIsBoundedBeforeDecoding)
{
    const int side = fw::Picture::kMaximumSide;
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"jpeg wider than the bound", withJpegSize(makeJpeg(16, 16), side + 1, 16)},
        {"jpeg taller than the bound", withJpegSize(makeJpeg(16, 16), 16, 60000)},
        {"jpeg within the sides, too many pixels", withJpegSize(makeJpeg(16, 16), side, side)},
        {"jpeg of no pixels", withJpegSize(makeJpeg(16, 16), 0, 16)},
        {"gif wider than the bound", withGifSize(makeGif(16, 16), side + 1, 16)},
        {"gif of the largest size the header can hold", withGifSize(makeGif(16, 16), 65535, 65535)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(folder() / "huge", c.bytes);
        EXPECT_FALSE(open(folder() / "huge"));
    }
    // The same files, unpatched, decode: the size alone is what is refused.
    writeFile(folder() / "small", withJpegSize(makeJpeg(16, 16), 16, 16));
    EXPECT_TRUE(open(folder() / "small"));
}

} // namespace
