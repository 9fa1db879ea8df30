// The 52 picture accessors on a real bundle: each reads its own file, keeps
// the first picture it gets, and tries again at every call while it has none.
#include "MediaFiles.h"
#include "TemporaryBundle.h"

#include "framework/FolderItem.h"
#include "media/PictureAccessors.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane::media;
using namespace tolvane::testing;

bool raisesNilObjectException(PictureAccessor& accessor)
{
    try {
        accessor();
    } catch (const fw::RaisedException& raised) {
        return raised.exception()->isKindOf(fw::NilObjectException::__Lookup());
    }
    return false;
}

TEST(PictureAccessors, EachReadsItsOwnFile)
{
    // Every picture a different width, so that the one handed out tells
    // which file was read.
    TemporaryBundle bundle;
    for (std::size_t i = 0; i < kPictureAccessorCount; ++i) {
        std::string_view file = kPictureAccessors[i]->fileName();
        int width = int(i) + 1;
        bundle.writeResource(file, file.ends_with(".gif") ? makeGif(width, 3) : makeJpeg(width, 3));
    }
    for (std::size_t i = 0; i < kPictureAccessorCount; ++i) {
        fw::Ref<fw::Picture> picture = (*kPictureAccessors[i])();
        ASSERT_TRUE(picture) << kPictureAccessors[i]->fileName();
        EXPECT_EQ(picture->width(), int(i) + 1) << kPictureAccessors[i]->fileName();
    }
}

TEST(PictureAccessors, TheTopRegisterStepsItsNumbersFromEflatUp)
{
    TemporaryBundle bundle;
    bundle.writeResource("41TOP_D.jpg", makeJpeg(41, 3));
    bundle.writeResource("41TOP_Eflat.jpg", makeJpeg(42, 3));
    bundle.writeResource("47TOP_A.jpg", makeJpeg(47, 3));
    // Numbered like Top A's recording, the only file 48.
    bundle.writeResource("48TOP_A.jpg", makeJpeg(48, 3));

    ASSERT_TRUE(TOP_D() && TOP_Eflat() && TOP_A());
    EXPECT_EQ(TOP_D()->width(), 41);
    EXPECT_EQ(TOP_Eflat()->width(), 42);
    EXPECT_EQ(TOP_A()->width(), 47);
    for (PictureAccessor* accessor : kPictureAccessors) {
        fw::Ref<fw::Picture> picture = (*accessor)();
        EXPECT_TRUE(!picture || picture->width() != 48) << accessor->fileName();
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

TEST(PictureAccessors, WithoutAResourcesFolderNothingLoadsUntilItAppears)
{
    TemporaryBundle bundle(TemporaryBundle::Resources::Missing);
    for (PictureAccessor* accessor : kPictureAccessors)
        EXPECT_FALSE((*accessor)()) << accessor->fileName();

    bundle.writeResource("AA_Keyboard.gif", makeGif(20, 4));
    EXPECT_TRUE(AA_Keyboard());
    EXPECT_FALSE(saxleft());
}

TEST(PictureAccessors, AMissingOrUndecodableFileGivesNilAndIsReadAgainAtEveryCall)
{
    TemporaryBundle bundle;
    EXPECT_FALSE(High_Fsharp());
    QByteArray cutOff = makeJpeg(33, 33);
    cutOff.truncate(cutOff.size() / 2);
    bundle.writeResource("33High_Fsharp.jpg", cutOff);
    EXPECT_FALSE(High_Fsharp());
    EXPECT_FALSE(High_Fsharp());

    bundle.writeResource("33High_Fsharp.jpg", makeJpeg(33, 3));
    fw::Ref<fw::Picture> picture = High_Fsharp();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 33);
}

TEST(PictureAccessors, ANilItemRaisesAtEveryCallUntilTheRoadIsRepaired)
{
    // Resources as a plain file: it has no child for the name.
    TemporaryBundle bundle;
    bundle.makeResourcesPlainFile();
    EXPECT_TRUE(raisesNilObjectException(saxright));
    EXPECT_TRUE(raisesNilObjectException(saxright));
    bundle.writeResource("saxright.jpg", makeJpeg(7, 7));
    EXPECT_TRUE(saxright());

    // An executable with no folder above it.
    bundle.writeResource("intro.jpg", makeJpeg(9, 9));
    fw::RuntimeOverrideExecutablePath("/");
    EXPECT_TRUE(raisesNilObjectException(intro));
    fw::RuntimeOverrideExecutablePath(bundle.executable().string());
    EXPECT_TRUE(intro());
}

} // namespace
