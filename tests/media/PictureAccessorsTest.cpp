// The 52 picture accessors on a real bundle: each reads its own file, keeps
// the first picture it gets, and tries again at every call while it has none.
#include "MediaFiles.h"
#include "MediaReference.h"
#include "RaisedBy.h"
#include "TemporaryBundle.h"

#include "framework/FolderItem.h"
#include "media/PictureAccessors.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

using namespace tolvane::media;
using namespace tolvane::testing;

struct ReferencePicture {
    std::string_view name;
    PictureAccessor* accessor;
    std::string_view file;
};

// Every accessor as the catalogue must have it, reached by its own name.
constexpr std::array<ReferencePicture, 52> kReferencePictures{{
#define TOLVANE_REFERENCE_PICTURE(accessor, file) {#accessor, &accessor, file},
    TOLVANE_REFERENCE_PICTURES(TOLVANE_REFERENCE_PICTURE)
#undef TOLVANE_REFERENCE_PICTURE
}};

TEST(PictureAccessors, EachReadsTheFileOfItsName)
{
    // Every file under its name exactly, case included, and a different
    // width each, so that the picture handed out tells which file was read.
    TemporaryBundle bundle;
    for (std::size_t i = 0; i < kReferencePictures.size(); ++i) {
        const std::string_view file = kReferencePictures[i].file;
        const int width = int(i) + 1;
        bundle.writeResource(file, file.ends_with(".gif") ? makeGif(width, 3) : makeJpeg(width, 3));
    }
    for (std::size_t i = 0; i < kReferencePictures.size(); ++i) {
        const ReferencePicture& row = kReferencePictures[i];
        fw::Ref<fw::Picture> picture = (*row.accessor)();
        EXPECT_TRUE(picture && picture->width() == int(i) + 1)
            << row.name << " should read " << row.file << ", but reads " << row.accessor->fileName();
    }
}

TEST(PictureAccessors, APictureOnceLoadedIsHandedOutWithoutTouchingItsFile)
{
    TemporaryBundle bundle;
    bundle.writeResource("15Middle_C.jpg", makeJpeg(15, 15));
    fw::Ref<fw::Picture> first = Middle_C();
    ASSERT_TRUE(first);

    bundle.removeResources();
    fw::Ref<fw::Picture> second = Middle_C();
    EXPECT_EQ(second, first);
    // One reference in the cache, one for each caller.
    EXPECT_EQ(first->refCount(), 3u);
    second = nullptr;
    EXPECT_EQ(first->refCount(), 2u);
}

TEST(PictureAccessors, AMissingOrUndecodableFileGivesNilAndIsReadAgainAtEveryCall)
{
    // No Resources folder at all, then a file cut off, then the picture.
    TemporaryBundle bundle(TemporaryBundle::Resources::Missing);
    for (PictureAccessor* accessor : kPictureAccessors)
        EXPECT_FALSE((*accessor)()) << accessor->fileName();
    QByteArray cutOff = makeJpeg(33, 33);
    cutOff.truncate(cutOff.size() / 2);
    bundle.writeResource("33High_Fsharp.jpg", cutOff);
    EXPECT_FALSE(High_Fsharp());
    EXPECT_FALSE(High_Fsharp());

    bundle.writeResource("33High_Fsharp.jpg", makeJpeg(33, 3));
    fw::Ref<fw::Picture> picture = High_Fsharp();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 33);
    EXPECT_FALSE(saxleft());
}

TEST(PictureAccessors, ANilItemRaisesAtEveryCallUntilTheRoadIsRepaired)
{
    // Resources as a plain file: it has no child for the name.
    TemporaryBundle bundle;
    bundle.makeResourcesPlainFile();
    EXPECT_EQ(raisedBy(saxright), "NilObjectException");
    EXPECT_EQ(raisedBy(saxright), "NilObjectException");
    bundle.writeResource("saxright.jpg", makeJpeg(7, 7));
    EXPECT_TRUE(saxright());

    // An executable with no folder above it.
    bundle.writeResource("intro.jpg", makeJpeg(9, 9));
    fw::RuntimeOverrideExecutablePath("/");
    EXPECT_EQ(raisedBy(intro), "NilObjectException");
    fw::RuntimeOverrideExecutablePath(bundle.executable().string());
    EXPECT_TRUE(intro());
}

} // namespace
