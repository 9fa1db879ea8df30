// What a picture holds: its decoded pixels only within a budget shared by
// all pictures, the most recently used first, decoded again from the kept
// bytes without reading the file; and what a failed file costs afterwards:
// nothing more than a look at its identity, until it changes.
#include "MediaFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::testing;

using PictureMemoryTest = TemporaryFolderTest;

TEST_F(PictureMemoryTest, PixelsBeyondTheBudgetAreDecodedAgainFromTheKeptBytes)
{
    // 512x512 pictures of 1 MiB decoded each, in colours told apart by
    // their red; more of them than the budget holds.
    const int count = int(fw::Picture::kDecodedBytesBudget / (1 << 20)) + 3;
    std::vector<fw::Ref<fw::Picture>> pictures;
    for (int i = 0; i < count; ++i) {
        fs::path path = folder() / (std::to_string(i) + ".jpg");
        writeFile(path, makeJpeg(512, 512, QColor(i * 10, 128, 128)));
        pictures.push_back(openPicture(path));
        ASSERT_TRUE(pictures.back());
        fs::remove(path);
    }
    EXPECT_FALSE(pictures.front()->isDecoded());
    EXPECT_TRUE(pictures.back()->isDecoded());

    // The first, asked for again after its file is gone, has its own pixels.
    QImage again = pictures.front()->image();
    EXPECT_TRUE(pictures.front()->isDecoded());
    EXPECT_EQ(again.size(), QSize(512, 512));
    EXPECT_NEAR(again.pixelColor(256, 256).red(), 0, 3);
    EXPECT_NEAR(pictures[2]->image().pixelColor(0, 0).red(), 20, 3);
    // What they displaced were the least recently used.
    EXPECT_FALSE(pictures[count - 4]->isDecoded());
    EXPECT_FALSE(pictures[count - 3]->isDecoded());
    EXPECT_TRUE(pictures.back()->isDecoded());

    // A picture that goes gives its share back: one more decoding then fits
    // without displacing the least recently used.
    pictures[2] = nullptr;
    pictures[1]->image();
    EXPECT_TRUE(pictures[count - 2]->isDecoded());

    // One picture larger than the whole budget is held, alone.
    writeFile(folder() / "large.jpg", makeJpeg(2048, 1024));
    fw::Ref<fw::Picture> large = openPicture(folder() / "large.jpg");
    ASSERT_TRUE(large);
    EXPECT_TRUE(large->isDecoded());
    EXPECT_TRUE(std::ranges::none_of(pictures, [](const auto& picture) { return picture && picture->isDecoded(); }));
}

// Rewrites a file in place, keeping its inode, and gives it a chosen
// modification time.
void rewrite(const fs::path& path, const QByteArray& bytes, timespec modified)
{
    writeFile(path, bytes);
    const timespec times[2] = {modified, modified};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A JPEG comment segment: its marker, its length, and the text.
QByteArray comment(qsizetype textLength)
{
    const int field = int(textLength) + 2;
    return QByteArray("\xFF\xFE", 2) + char(field >> 8) + char(field & 0xFF) + QByteArray(textLength, 'c');
}

// A picture keeps its file's bytes for the run, so 52 of them may hold no
// more than 52 files of 4 MiB, however the files are filled out: a whole
// picture with comments up to 4 MiB loads, one byte more is refused.
TEST_F(PictureMemoryTest, TheBytesAPictureKeepsAreThoseOfAFileOfAtMost4MiB)
{
    constexpr qsizetype kLargestFile = qsizetype(4) << 20;
    constexpr qsizetype kLongestComment = 65533;
    QByteArray largest = makeJpeg(64, 64);
    while (kLargestFile - largest.size() > 4 + kLongestComment)
        largest.insert(2, comment(kLongestComment));
    const qsizetype rest = kLargestFile - largest.size() - 4;
    ASSERT_GE(rest, 0);
    largest.insert(2, comment(rest));
    ASSERT_EQ(largest.size(), kLargestFile);

    writeFile(folder() / "largest.jpg", largest);
    EXPECT_TRUE(openPicture(folder() / "largest.jpg"));
    writeFile(folder() / "larger.jpg", largest + "\n");
    EXPECT_FALSE(openPicture(folder() / "larger.jpg"));
}

TEST_F(PictureMemoryTest, AFailedFileIsReadAgainOnlyOnceItChanged)
{
    const fs::path path = folder() / "note.jpg";
    const QByteArray valid = makeJpeg(30, 20);
    QByteArray broken = valid.first(valid.size() / 2);
    broken.resize(valid.size() + 10, '\x55');
    const timespec failedAt{1'700'000'000, 123'456'789};
    rewrite(path, broken, failedAt);
    EXPECT_FALSE(openPicture(path));

    // The same device, inode, size and time: taken for the file that failed,
    // so not read, even though it now holds a picture (followed by padding).
    rewrite(path, valid + QByteArray(10, '\n'), failedAt);
    EXPECT_FALSE(openPicture(path));
    EXPECT_FALSE(openPicture(path));

    // One nanosecond later it is another file, read and loaded.
    rewrite(path, valid + QByteArray(10, '\n'), {failedAt.tv_sec, failedAt.tv_nsec + 1});
    fw::Ref<fw::Picture> picture = openPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 30);

    // A file that appears where none was is read at once.
    const fs::path later = folder() / "later.jpg";
    EXPECT_FALSE(openPicture(later));
    writeFile(later, valid);
    EXPECT_TRUE(openPicture(later));
}

} // namespace
