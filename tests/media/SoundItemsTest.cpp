// The 48 sound items on a real bundle: each reads its own recording at its
// first call only, hands out that object from then on, and lets go of it at
// shut-down.
#include "MediaFiles.h"
#include "MediaReference.h"
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

enum class Outcome { Sound, Nil, NilObjectException };

Outcome call(SoundItem& item)
{
    try {
        return item() ? Outcome::Sound : Outcome::Nil;
    } catch (const fw::RaisedException& raised) {
        if (raised.exception()->isKindOf(fw::NilObjectException::__Lookup()))
            return Outcome::NilObjectException;
        throw;
    }
}

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

TEST(SoundItems, WithoutAResourcesFolderEveryItemStaysMissing)
{
    TemporaryBundle bundle(TemporaryBundle::Resources::Missing);
    for (SoundItem* item : kSoundItems)
        EXPECT_EQ(call(*item), Outcome::Nil) << item->fileName();

    // Only the first call ever looks.
    bundle.writeResource("01Low_Bflat.mp3", makeMp3({}));
    EXPECT_EQ(call(Low_Bflat1), Outcome::Nil);
}

TEST(SoundItems, AMissingOrUndecodableFileGivesNilAndIsNeverReadAgain)
{
    TemporaryBundle bundle;
    EXPECT_EQ(call(High_G1), Outcome::Nil);
    bundle.writeResource("05Low_D.mp3", makeJpeg(8, 8));
    EXPECT_EQ(call(Low_D1), Outcome::Nil);

    for (const char* file : {"34High_G.mp3", "05Low_D.mp3"})
        bundle.writeResource(file, makeMp3({}));
    EXPECT_EQ(call(High_G1), Outcome::Nil);
    EXPECT_EQ(call(Low_D1), Outcome::Nil);
}

TEST(SoundItems, ANilItemRaisesOnceThenGivesNil)
{
    // Resources as a plain file: it has no child for the name.
    TemporaryBundle bundle;
    bundle.makeResourcesPlainFile();
    EXPECT_EQ(call(Top_Eflat1), Outcome::NilObjectException);
    EXPECT_EQ(call(Top_Eflat1), Outcome::Nil);
    bundle.writeResource("42Top_Eflat.mp3", makeMp3({}));
    EXPECT_EQ(call(Top_Eflat1), Outcome::Nil);

    // An executable with no folder above its own.
    bundle.writeResource("48Top_A.mp3", makeMp3({}));
    fw::RuntimeOverrideExecutablePath("/Tolvane");
    EXPECT_EQ(call(Top_A1), Outcome::NilObjectException);
    fw::RuntimeOverrideExecutablePath(bundle.executable().string());
    EXPECT_EQ(call(Top_A1), Outcome::Nil);
}

TEST(SoundItems, ReleasesEmptyTheGlobalsLowestFirst)
{
    TemporaryBundle bundle;
    for (const char* file : {"01Low_Bflat.mp3", "24Middle_A.mp3", "48Top_A.mp3"})
        bundle.writeResource(file, makeMp3({.length = 100ms}));
    fw::Ref<fw::Sound> middle = Middle_A1(); // a caller still holding its own
    ASSERT_TRUE(Low_Bflat1() && middle && Top_A1());
    fw::Ref<fw::WeakReference> lowest = Low_Bflat1()->weakReference();
    fw::Ref<fw::WeakReference> highest = Top_A1()->weakReference();

    for (SoundItem* item : kSoundItems) {
        item->permaSound.__Exit();
        EXPECT_FALSE(item->permaSound.get()) << item->fileName();
        // Released in note order: whatever lies above is still cached.
        if (item == &Low_Bflat1) {
            EXPECT_FALSE(lowest->target());
            EXPECT_TRUE(highest->target());
        }
    }
    EXPECT_FALSE(highest->target());
    EXPECT_EQ(middle->refCount(), 1u);
    // Released items stay loaded: they are never read again.
    EXPECT_TRUE(Low_Bflat1.loaded());
    EXPECT_FALSE(Low_B1.loaded());
    EXPECT_EQ(call(Low_Bflat1), Outcome::Nil);

    // A second release finds nil and does nothing.
    Top_A1.permaSound.__Exit();
    EXPECT_FALSE(Top_A1.permaSound.get());
}

} // namespace
