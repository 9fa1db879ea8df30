// A picture whose pixels were dropped and cannot be decoded again this time
// (the reader's memory limit refuses them) is not taken for decoded, and
// decodes once memory allows again.
#include "MediaFiles.h"

#include <QImageReader>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::testing;
using PictureRedecodeFailureTest = TemporaryFolderTest;

TEST_F(PictureRedecodeFailureTest, AFailedDecodeLeavesThePictureUndecodedUntilOneSucceeds)
{
    // 1024x1024 pictures of 4 MiB decoded each: the second drops the first.
    std::vector<fw::Ref<fw::Picture>> pictures;
    for (const char* name : {"first.jpg", "second.jpg"}) {
        writeFile(folder() / name, makeJpeg(1024, 1024));
        pictures.push_back(openPicture(folder() / name));
        ASSERT_TRUE(pictures.back());
    }
    const fw::Ref<fw::Picture>& first = pictures.front();
    ASSERT_FALSE(first->isDecoded());

    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    EXPECT_TRUE(first->image().isNull());
    EXPECT_FALSE(first->isDecoded());
    QImageReader::setAllocationLimit(limit);

    EXPECT_EQ(first->image().size(), QSize(1024, 1024));
    EXPECT_TRUE(first->isDecoded());
}

} // namespace
