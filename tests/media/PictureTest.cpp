// The framework's pictures: JPEG and GIF files only, told by their content,
// and every kind of broken file refused without a crash, a hang or a large
// allocation.
#include "MediaFiles.h"

#include <QElapsedTimer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::testing;

using PictureTest = TemporaryFolderTest;

// Sets the width and height that a baseline JPEG's start-of-frame header
// announces.
QByteArray withJpegSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    if (frame < 0)
        throw std::runtime_error("no start-of-frame marker");
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
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

// A progressive JPEG as Qt's writer makes it, whose last scan is then
// repeated: each copy is one more pass of the decoder over the whole image.
QByteArray progressiveJpeg(int width, int height, int extraScans = 0)
{
    QByteArray bytes = makeJpeg(width, height, Qt::darkMagenta, true);
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
    const QByteArray scan = bytes.sliced(lastScan, bytes.size() - 2 - lastScan);
    bytes.chop(2);
    for (int i = 0; i < extraScans; ++i)
        bytes += scan;
    return bytes + "\xFF\xD9";
}

int scanCount(const QByteArray& jpeg)
{
    return int(jpeg.count("\xFF\xDA"));
}

TEST_F(PictureTest, FormatComesFromTheContentNotTheName)
{
    writeFile(folder() / "really-a-gif.jpg", makeGif(3, 3));
    EXPECT_TRUE(openPicture(folder() / "really-a-gif.jpg"));

    // Other formats Qt could read are not pictures of this framework.
    const fs::path png = folder() / "a-png.jpg";
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(png.string()), "PNG"));
    EXPECT_FALSE(openPicture(png));
}

TEST_F(PictureTest, BrokenFilesAndFilesCutShortWhateverFollowsGiveNil)
{
    const QByteArray jpeg = makeJpeg(64, 64);
    const QByteArray gif = makeGif(64, 64);
    for (const auto& [kind, valid] : {std::pair{"jpeg", jpeg}, std::pair{"gif", gif}}) {
        for (const BrokenFile& broken : brokenFiles(valid, valid.size() / 2, fw::Picture::kMaximumFileBytes)) {
            SCOPED_TRACE(std::string(kind) + ", " + broken.name);
            fs::path path = folder() / (std::string(kind) + " " + broken.name);
            broken.make(path);
            EXPECT_FALSE(openPicture(path));
        }
    }

    const qsizetype jpegScanData = jpeg.indexOf("\xFF\xDA") + 20;
    const std::pair<const char*, QByteArray> cases[] = {
        {"jpeg without its end marker", jpeg.first(jpeg.size() - 2)},
        {"jpeg cut in its scan, then a newline", jpeg.first(jpegScanData) + "\n"},
        {"jpeg cut in its scan, then zeros", jpeg.first(jpegScanData) + QByteArray(64, '\0')},
        {"jpeg cut in a segment's length", jpeg.first(5)},
        {"gif without its trailer", gif.first(gif.size() - 1)},
        {"gif cut in its image data, then its trailer", gif.first(gif.size() / 2) + ";"},
        {"gif cut in its colour table", gif.first(15)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeFile(folder() / "cut", bytes);
        EXPECT_FALSE(openPicture(folder() / "cut"));
    }
}

TEST_F(PictureTest, SizeIsBoundedBeforeDecodingAndPicturesAtTheSideLimitLoad)
{
    // Sizes that headers announce, the pictures themselves small.
    const int side = fw::Picture::kMaximumSide;
    const std::pair<const char*, QByteArray> cases[] = {
        {"jpeg wider than the bound", withJpegSize(makeJpeg(16, 16), side + 1, 16)},
        {"jpeg taller than the bound", withJpegSize(makeJpeg(16, 16), 16, 60000)},
        {"jpeg within the sides, too many pixels", withJpegSize(makeJpeg(16, 16), side, side)},
        {"jpeg of no pixels", withJpegSize(makeJpeg(16, 16), 0, 16)},
        {"gif of the largest size the header can hold", withGifSize(makeGif(16, 16), 65535, 65535)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeFile(folder() / "huge", bytes);
        EXPECT_FALSE(openPicture(folder() / "huge"));
    }
    // The same files, unpatched, decode: the size alone is what is refused.
    writeFile(folder() / "small", withJpegSize(makeJpeg(16, 16), 16, 16));
    EXPECT_TRUE(openPicture(folder() / "small"));

    // Real pictures of one row or column of 16384 pixels, the side limit of
    // the framework's pictures, and one pixel more: cheap to make and decode.
    const int limit = 16384;
    const std::pair<QSize, bool> edges[] = {
        {{limit, 1}, true}, {{1, limit}, true}, {{limit + 1, 1}, false}, {{1, limit + 1}, false}};
    for (const auto& [size, loads] : edges) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        writeFile(folder() / "edge.gif", makeGif(size.width(), size.height()));
        fw::Ref<fw::Picture> picture = openPicture(folder() / "edge.gif");
        EXPECT_EQ(bool(picture), loads);
        if (picture) {
            EXPECT_EQ(picture->image().size(), size);
        }
    }
}

TEST_F(PictureTest, StrayBytesOutsideThePictureAreIgnored)
{
    const QByteArray jpeg = makeJpeg(21, 13);
    const QByteArray gif = makeGif(21, 13);
    QByteArray strayBeforeScan = jpeg;
    strayBeforeScan.insert(jpeg.indexOf("\xFF\xDA"), QByteArray(3, '\0'));
    const std::pair<const char*, QByteArray> cases[] = {
        {"jpeg with bytes between two segments", strayBeforeScan},
        {"jpeg and a newline", jpeg + "\n"},
        {"jpeg, an end marker and words", jpeg + "\xFF\xD9junk"},
        {"jpeg and zeros", jpeg + QByteArray(100, '\0')},
        {"gif and words", gif + "junk\n"},
        {"gif and a second trailer", gif + ";"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeFile(folder() / "trailing", bytes);
        fw::Ref<fw::Picture> picture = openPicture(folder() / "trailing");
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->image().size(), QSize(21, 13));
    }
}

TEST_F(PictureTest, ProgressiveJpegsAreBoundedByScansAndByPixelsTimesScans)
{
    const QByteArray plain = progressiveJpeg(415, 706);
    ASSERT_GT(scanCount(plain), 1) << "not a progressive picture";
    writeFile(folder() / "progressive.jpg", plain);
    EXPECT_TRUE(openPicture(folder() / "progressive.jpg"));

    // As many scans as are allowed, then one more.
    const QByteArray most = progressiveJpeg(415, 706, fw::Picture::kMaximumScans - scanCount(plain));
    ASSERT_EQ(scanCount(most), fw::Picture::kMaximumScans);
    writeFile(folder() / "most scans.jpg", most);
    EXPECT_TRUE(openPicture(folder() / "most scans.jpg"));
    writeFile(folder() / "too many scans.jpg", progressiveJpeg(415, 706, fw::Picture::kMaximumScans + 1));
    EXPECT_FALSE(openPicture(folder() / "too many scans.jpg"));

    // Far too many: refused before a single scan is decoded.
    writeFile(folder() / "thousands of scans.jpg", progressiveJpeg(1024, 1024, 5000));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(openPicture(folder() / "thousands of scans.jpg"));
    EXPECT_LT(timer.elapsed(), 1000);

    // Large ones are bounded by pixels times scans: at this width, with a
    // real encoder's scans, a height of one row more than the bound allows.
    const int width = 4096;
    const int tallest = int(fw::Picture::kMaximumDecodeWork / (std::int64_t(width) * scanCount(plain)));
    writeFile(folder() / "within.jpg", progressiveJpeg(width, tallest));
    writeFile(folder() / "beyond.jpg", progressiveJpeg(width, tallest + 1));
    EXPECT_TRUE(openPicture(folder() / "within.jpg"));
    EXPECT_FALSE(openPicture(folder() / "beyond.jpg"));
}

} // namespace
