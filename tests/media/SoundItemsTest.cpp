// The 48 sound items on a real bundle: each reads its own recording at its
// first call only, hands out that object from then on, and lets go of it at
// shut-down (the order of the releases is the application's shut-down).
#include "MediaFiles.h"
#include "MediaReference.h"
#include "RaisedBy.h"
#include "TemporaryBundle.h"

#include "framework/FolderItem.h"
#include "media/SoundItems.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace std::chrono_literals;
using namespace tolvane::media;
using namespace tolvane::testing;

struct ReferenceRecording {
    std::string_view name;
    SoundItem* item;
    std::string_view file;
};

// Every sound item as the catalogue must have it, reached by its own name.
constexpr std::array<ReferenceRecording, 48> kReferenceRecordings{{
#define TOLVANE_REFERENCE_RECORDING(item, file) {#item, &item, file},
    TOLVANE_REFERENCE_RECORDINGS(TOLVANE_REFERENCE_RECORDING)
#undef TOLVANE_REFERENCE_RECORDING
}};

TEST(SoundItems, EachReadsTheFileOfItsName)
{
    // Every file under its name exactly, case included, and a tenth of a
    // second longer than the one before, so that the recording handed out
    // tells which file was read.
    TemporaryBundle bundle;
    for (std::size_t i = 0; i < kReferenceRecordings.size(); ++i)
        bundle.writeResource(kReferenceRecordings[i].file, makeMp3({.length = 100ms * (i + 1), .amplitude = 0.1}));
    for (std::size_t i = 0; i < kReferenceRecordings.size(); ++i) {
        const ReferenceRecording& row = kReferenceRecordings[i];
        fw::Ref<fw::Sound> sound = (*row.item)();
        EXPECT_TRUE(sound && std::abs(sound->duration().count() - 100 * std::int64_t(i + 1)) < 30)
            << row.name << " should read " << row.file << ", but reads " << row.item->fileName();
    }
}

TEST(SoundItems, ARecordingIsReadOnceAndHandedOutFromThenOn)
{
    TemporaryBundle bundle;
    bundle.writeResource("15Middle_C.mp3", makeMp3({}));
    EXPECT_FALSE(Middle_C1.loaded());
    fw::Ref<fw::Sound> first = Middle_C1();
    ASSERT_TRUE(first);
    EXPECT_TRUE(Middle_C1.loaded());

    bundle.writeResource("15Middle_C.mp3", makeMp3({.length = 900ms}));
    EXPECT_EQ(Middle_C1(), first);
    bundle.removeResources();
    EXPECT_EQ(Middle_C1(), first);

    // A caller's reference is its own: letting go leaves the cached one.
    EXPECT_EQ(first->refCount(), 2u);
    fw::Sound* cached = first.get();
    first = nullptr;
    EXPECT_EQ(Middle_C1().get(), cached);
}

TEST(SoundItems, AMissingOrUndecodableFileGivesNilAndIsNeverReadAgain)
{
    // No Resources folder at all; then, for the one item not yet asked,
    // a picture under its name.
    TemporaryBundle bundle(TemporaryBundle::Resources::Missing);
    for (SoundItem* item : kSoundItems) {
        if (item != &Low_D1) {
            EXPECT_FALSE((*item)()) << item->fileName();
        }
    }
    bundle.writeResource("05Low_D.mp3", makeJpeg(8, 8));
    EXPECT_FALSE(Low_D1());

    // Only the first call ever looks.
    for (const char* file : {"01Low_Bflat.mp3", "05Low_D.mp3"})
        bundle.writeResource(file, makeMp3({}));
    EXPECT_FALSE(Low_Bflat1());
    EXPECT_FALSE(Low_D1());
}

TEST(SoundItems, ANilItemRaisesOnceThenGivesNil)
{
    // Resources as a plain file: it has no child for the name.
    TemporaryBundle bundle;
    bundle.makeResourcesPlainFile();
    EXPECT_EQ(raisedBy(Top_Eflat1), "NilObjectException");
    EXPECT_FALSE(Top_Eflat1());
    bundle.writeResource("42Top_Eflat.mp3", makeMp3({}));
    EXPECT_FALSE(Top_Eflat1());

    // An executable with no folder above its own.
    bundle.writeResource("48Top_A.mp3", makeMp3({}));
    fw::RuntimeOverrideExecutablePath("/Tolvane");
    EXPECT_EQ(raisedBy(Top_A1), "NilObjectException");
    fw::RuntimeOverrideExecutablePath(bundle.executable().string());
    EXPECT_FALSE(Top_A1());
}

// That the releases free the recordings, lowest first, the application's
// shut-down test shows.
TEST(SoundItems, ReleaseEmptiesTheGlobalAndTheItemIsNeverReadAgain)
{
    TemporaryBundle bundle;
    bundle.writeResource("01Low_Bflat.mp3", makeMp3({.length = 100ms}));
    fw::Ref<fw::Sound> kept = Low_Bflat1(); // a caller still holding its own
    ASSERT_TRUE(kept);
    for (SoundItem* item : kSoundItems)
        item->permaSound.__Exit();
    EXPECT_FALSE(Low_Bflat1.permaSound.get());
    EXPECT_EQ(kept->refCount(), 1u);
    EXPECT_TRUE(Low_Bflat1.loaded());
    EXPECT_FALSE(Low_B1.loaded());
    EXPECT_FALSE(Low_Bflat1());

    // A second release finds nil and does nothing.
    Low_Bflat1.permaSound.__Exit();
    EXPECT_FALSE(Low_Bflat1.permaSound.get());
}

} // namespace
