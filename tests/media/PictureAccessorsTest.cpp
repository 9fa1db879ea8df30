// The 52 picture accessors on a real bundle: each reads its own file, keeps
// the first picture it gets, and tries again at every call while it has none.
#include "MediaFiles.h"
#include "TemporaryBundle.h"

#include "framework/FolderItem.h"
#include "media/PictureAccessors.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace tolvane::media;
using namespace tolvane::testing;

// The file names of the four pictures that are not notes, as the bundle
// carries them.
const std::array<std::string_view, kOtherPictureCount> kOtherPictureFiles{
    "AA_Keyboard.gif", "saxleft.jpg", "saxright.jpg", "intro.jpg"};

std::string_view pictureFileAt(std::size_t index)
{
    return index < kNoteCount ? kNoteFiles[index].pictureFile : kOtherPictureFiles[index - kNoteCount];
}

bool raisesNilObjectException(PictureAccessor& accessor)
{
    try {
        accessor();
    } catch (const fw::RaisedException& raised) {
        return raised.exception()->isKindOf(fw::NilObjectException::__Lookup());
    }
    return false;
}

TEST(PictureAccessorsTable, NamesEveryPictureOnceInNoteOrder)
{
    static_assert(kPictureAccessors.size() == 52);
    EXPECT_EQ(kPictureAccessors.front(), &Low_Bflat);
    EXPECT_EQ(kPictureAccessors[kNoteCount - 1], &TOP_A);
    EXPECT_EQ(kPictureAccessors[kNoteCount], &AA_Keyboard);
    EXPECT_EQ(kPictureAccessors.back(), &intro);

    std::set<std::string> lowerCaseNames;
    for (std::size_t i = 0; i < kPictureAccessors.size(); ++i) {
        std::string_view file = kPictureAccessors[i]->fileName();
        EXPECT_EQ(file, pictureFileAt(i));
        EXPECT_FALSE(file.starts_with("48")) << file;
        EXPECT_TRUE(file.ends_with(i == kNoteCount ? ".gif" : ".jpg")) << file;
        lowerCaseNames.insert(QString::fromUtf8(file.data(), qsizetype(file.size())).toLower().toStdString());
    }
    EXPECT_EQ(lowerCaseNames.size(), kPictureAccessorCount);
}

TEST(PictureAccessors, EachReadsItsOwnFile)
{
    // Every picture a different width, so that the one handed out tells
    // which file was read.
    TemporaryBundle bundle;
    for (std::size_t i = 0; i < kPictureAccessorCount; ++i) {
        int width = int(i) + 1;
        std::string_view file = pictureFileAt(i);
        bundle.writeResource(file, file.ends_with(".gif") ? makeGif(width, 3) : makeJpeg(width, 3));
    }
    // A file numbered 48 beside the real ones: no accessor may read it.
    bundle.writeResource("48TOP_A.jpg", makeJpeg(500, 3));

    for (std::size_t i = 0; i < kPictureAccessorCount; ++i) {
        fw::Ref<fw::Picture> picture = (*kPictureAccessors[i])();
        ASSERT_TRUE(picture) << pictureFileAt(i);
        EXPECT_EQ(picture->width(), int(i) + 1) << pictureFileAt(i);
    }
    EXPECT_EQ(TOP_D()->width(), 41);     // "41TOP_D.jpg"
    EXPECT_EQ(TOP_Eflat()->width(), 42); // "41TOP_Eflat.jpg", the 42nd note
    EXPECT_EQ(TOP_A()->width(), 48);     // "47TOP_A.jpg", the 48th note
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

TEST(PictureAccessors, AMissingFileGivesNilAndIsLookedForAgain)
{
    TemporaryBundle bundle;
    EXPECT_FALSE(High_Fsharp());
    EXPECT_FALSE(High_Fsharp());
    bundle.writeResource("33High_Fsharp.jpg", makeJpeg(33, 3));
    fw::Ref<fw::Picture> picture = High_Fsharp();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 33);
}

TEST(PictureAccessors, ResourcesThatIsAPlainFileRaisesAtEveryCallUntilRepaired)
{
    TemporaryBundle bundle;
    bundle.makeResourcesPlainFile();
    EXPECT_TRUE(raisesNilObjectException(saxright));
    EXPECT_TRUE(raisesNilObjectException(saxright));

    bundle.writeResource("saxright.jpg", makeJpeg(7, 7));
    EXPECT_TRUE(saxright());
}

TEST(PictureAccessors, ANilItemOnTheRoadRaisesAndTheNextCallTriesAgain)
{
    TemporaryBundle bundle;
    bundle.writeResource("intro.jpg", makeJpeg(9, 9));
    fw::RuntimeOverrideExecutablePath("/");
    EXPECT_TRUE(raisesNilObjectException(intro));

    fw::RuntimeOverrideExecutablePath(bundle.executable().string());
    EXPECT_TRUE(intro());
}

TEST(PictureAccessors, AnUndecodableFileGivesNilAtEveryCallAndIsReadAgain)
{
    TemporaryBundle bundle;
    QByteArray cutOff = makeJpeg(24, 24);
    cutOff.truncate(cutOff.size() / 2);
    bundle.writeResource("01Low_Bflat.jpg", cutOff);
    EXPECT_FALSE(Low_Bflat());
    EXPECT_FALSE(Low_Bflat());

    // The next call reads the file again, and so finds it repaired.
    bundle.writeResource("01Low_Bflat.jpg", makeJpeg(24, 24));
    EXPECT_TRUE(Low_Bflat());
}

} // namespace
