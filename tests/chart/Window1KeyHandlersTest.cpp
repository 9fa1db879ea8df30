// The key handlers and the key-to-note table: each key shows and plays its
// own note, whatever its label's number, and a note whose media is missing
// fails alone.
#include "ChartTestSupport.h"

#include "media/NoteTable.h"
#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/Picture.h"
#include "framework/Sound.h"

#include <QImage>
#include <QTimer>

#include <algorithm>
#include <array>

using namespace tolvane;
using namespace tolvane::testing;
using chart::ControlKind;
using chart::ControlLayout;
using chart::kControls;

namespace {

// The 48 labels from the left end of the keyboard to the right.
std::vector<const ControlLayout*> labelsByKeyboardPosition()
{
    std::vector<const ControlLayout*> labels;
    for (const ControlLayout& layout : kControls) {
        if (layout.kind == ControlKind::Label)
            labels.push_back(&layout);
    }
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
    return labels;
}

std::size_t noteIndexOf(const ControlLayout& label)
{
    const auto& notes = media::kNoteFiles;
    auto found = std::find_if(notes.begin(), notes.end(),
        [&](const media::NoteFiles& note) { return note.pictureAccessor == label.pictureAccessor; });
    return static_cast<std::size_t>(found - notes.begin());
}

fw::Ref<fw::Picture> notePicture(const ControlLayout& label)
{
    return (*media::kPictureAccessors.at(noteIndexOf(label)))();
}

fw::Ref<fw::Sound> noteRecording(const ControlLayout& label)
{
    return (*media::kSoundItems.at(noteIndexOf(label)))();
}

fw::Picture* centrePicture(Window1* window)
{
    fw::Ref<fw::ImageWell> centre = fw::call(window, Window1Slot::ImageWell1);
    return centre->image();
}

fw::Ref<fw::Label> label(Window1* window, std::string_view name)
{
    fw::Ref<fw::Control> found = fw::Window::_ControlByName(window, fw::String(name));
    return fw::RuntimeCheckCast<fw::Label>(found.get());
}

class Window1KeyHandlers : public ChartTest { };

} // namespace

TEST(KeyToNoteTable, PositionByLeftGivesRegisterAndPitchChromatically)
{
    constexpr std::array<std::string_view, 4> pictureRegisters{"Low", "Middle", "High", "TOP"};
    constexpr std::array<bool, 12> blackPitch{true, false, false, true, false, true, false, false, true, false,
        true, false};
    const std::vector<const ControlLayout*> labels = labelsByKeyboardPosition();
    ASSERT_EQ(labels.size(), 48u);
    for (std::size_t p = 1; p <= labels.size(); ++p) {
        const ControlLayout& key = *labels[p - 1];
        SCOPED_TRACE(std::string(key.name));
        const std::string_view registerName = media::kRegisterNames[(p - 1) / 12];
        const std::string_view pitch = media::kPitchNames[(p - 1) % 12];
        EXPECT_EQ(key.pictureAccessor, std::string(pictureRegisters[(p - 1) / 12]) + "_" + std::string(pitch));
        EXPECT_EQ(key.soundItem, std::string(registerName) + "_" + std::string(pitch) + "1");
        EXPECT_EQ(key.handler, std::string(key.name) + "_MouseDown");
        EXPECT_EQ(key.rect.top != 829, blackPitch[(p - 1) % 12]) << "the upper row holds the black keys";
    }
    auto at = [&](std::size_t p) { return labels[p - 1]->name; };
    EXPECT_EQ(at(1), "Label3");
    EXPECT_EQ(labels[0]->soundItem, "Low_Bflat1");
    EXPECT_EQ(at(2), "Label1");
    EXPECT_EQ(at(17), "Label18");
    EXPECT_EQ(at(18), "Label17");
    EXPECT_EQ(at(22), "Label27");
    EXPECT_EQ(at(33), "Label26");
    EXPECT_EQ(at(46), "Label48");
    EXPECT_EQ(at(47), "Label46");
    EXPECT_EQ(labels.front()->rect.left, 183);
    EXPECT_EQ(labels.back()->rect.right(), 936);
}

TEST_F(Window1KeyHandlers, EachKeyShowsItsNotesPictureAndStartsItsRecording)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    for (const ControlLayout* key : labelsByKeyboardPosition()) {
        SCOPED_TRACE(std::string(key->name));
        clickAt(window.get(), centreOf(key->rect));
        fw::Ref<fw::Picture> expected = notePicture(*key);
        ASSERT_TRUE(expected);
        EXPECT_EQ(centrePicture(window.get()), expected.get());
        fw::Ref<fw::Sound> recording = noteRecording(*key);
        ASSERT_TRUE(recording);
        EXPECT_GT(recording->playingChannels(), 0);
    }
}

TEST_F(Window1KeyHandlers, AnyPointOfALabelGivesTheSameNote)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    const chart::Rect rect = layoutOf("Label36").rect;
    fw::Ref<fw::Picture> topEflat = media::TOP_Eflat();
    for (QPoint corner : {QPoint(rect.left, rect.top), QPoint(rect.right() - 1, rect.bottom() - 1)}) {
        clickAt(window.get(), centreOf(layoutOf("Label1").rect));
        ASSERT_NE(centrePicture(window.get()), topEflat.get());
        clickAt(window.get(), corner);
        EXPECT_EQ(centrePicture(window.get()), topEflat.get());
    }
}

TEST_F(Window1KeyHandlers, TopDAndTopEflatShowPicturesOfTheirOwn)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    clickAt(window.get(), centreOf(layoutOf("Label42").rect));
    fw::Ref<fw::Picture> topD(centrePicture(window.get()));
    clickAt(window.get(), centreOf(layoutOf("Label36").rect));
    fw::Ref<fw::Picture> topEflat(centrePicture(window.get()));

    ASSERT_TRUE(topD && topEflat);
    EXPECT_EQ(topD, media::TOP_D());
    EXPECT_EQ(topEflat, media::TOP_Eflat());
    EXPECT_NE(topD->image(), topEflat->image());
    EXPECT_TRUE(media::Top_D1.loaded());
    EXPECT_TRUE(media::Top_Eflat1.loaded());
}

TEST_F(Window1KeyHandlers, ASecondPressLeavesTheFirstRecordingPlaying)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    clickAt(window.get(), centreOf(layoutOf("Label1").rect));
    clickAt(window.get(), centreOf(layoutOf("Label2").rect));
    EXPECT_GT(media::Low_B1()->playingChannels(), 0);
    EXPECT_GT(media::Low_C1()->playingChannels(), 0);
    EXPECT_EQ(centrePicture(window.get()), media::Low_C().get());

    // The same key again plays the same recording object once more.
    clickAt(window.get(), centreOf(layoutOf("Label1").rect));
    EXPECT_GE(media::Low_B1()->playingChannels(), 1);
    EXPECT_EQ(centrePicture(window.get()), media::Low_B().get());
}

TEST_F(Window1KeyHandlers, EveryHandlerReturnsFalse)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    for (const ControlLayout& layout : kControls) {
        if (layout.kind == ControlKind::Label) {
            EXPECT_FALSE(label(window.get(), layout.name)->_MouseDown(1, 1)) << layout.name;
        }
    }
    // Through reflection too, with boxed arguments.
    const fw::MethodRecord* handler = Window1::__Lookup().findMethod("Label30_MouseDown");
    fw::Ref<fw::Label> key = label(window.get(), "Label30");
    fw::Ref<fw::Object> result = handler->invoker(handler->function, window.get(),
        fw::arguments({fw::box(fw::Ref<fw::Object>(key)), fw::box(std::int32_t{2}), fw::box(std::int32_t{3})})
            .get());
    EXPECT_FALSE(fw::unbox<bool>(result.get()));
    EXPECT_EQ(centrePicture(window.get()), media::High_C().get());
}

TEST_F(Window1KeyHandlers, AMissingRecordingFailsOnlyItsOwnKeyAfterThePictureChanged)
{
    ChartBundle bundle({"05Low_D.mp3"});
    ReportedExceptions reported;
    fw::Ref<Window1> window = openChart();
    const QPoint lowD = centreOf(layoutOf("Label4").rect);

    clickAt(window.get(), lowD);
    EXPECT_EQ(centrePicture(window.get()), media::Low_D().get());
    EXPECT_EQ(reported.take(), std::vector<std::string>{"NilObjectException"});

    clickAt(window.get(), centreOf(layoutOf("Label1").rect));
    EXPECT_EQ(centrePicture(window.get()), media::Low_B().get());
    EXPECT_GT(media::Low_B1()->playingChannels(), 0);
    EXPECT_TRUE(reported.take().empty());

    // The sound item tried once; every later press fails the same way.
    clickAt(window.get(), lowD);
    EXPECT_EQ(centrePicture(window.get()), media::Low_D().get());
    EXPECT_EQ(reported.take(), std::vector<std::string>{"NilObjectException"});
    EXPECT_EQ(raisedBy([&] { label(window.get(), "Label4")->_MouseDown(2, 2); }), "NilObjectException");

    // Inside the framework's own event loop, which goes on after the
    // failure and ends only when asked to.
    QTimer::singleShot(0, [&] {
        clickAt(window.get(), lowD);
        clickAt(window.get(), centreOf(layoutOf("Label2").rect));
        fw::RuntimeQuit();
    });
    EXPECT_NO_THROW(fw::_RuntimeRun());
    EXPECT_EQ(reported.take(), std::vector<std::string>{"NilObjectException"});
    EXPECT_EQ(centrePicture(window.get()), media::Low_C().get());
    EXPECT_GT(media::Low_C1()->playingChannels(), 0);
}

TEST_F(Window1KeyHandlers, AMissingPictureBlanksTheCentreAndTheNoteStillPlays)
{
    ChartBundle bundle({"05Low_D.jpg"});
    fw::Ref<Window1> window = openChart();
    clickAt(window.get(), centreOf(layoutOf("Label4").rect));
    EXPECT_EQ(centrePicture(window.get()), nullptr);
    EXPECT_GT(media::Low_D1()->playingChannels(), 0);
}

TEST_F(Window1KeyHandlers, WithoutACentreWellAHandlerRaisesBeforeAskingForMedia)
{
    ChartBundle bundle;
    // A window that was never constructed has no controls at all.
    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    EXPECT_EQ(raisedBy([&] { Window1::Label1_MouseDown(window.get(), nullptr, 0, 0); }), "NilObjectException");
    EXPECT_FALSE(media::Low_B1.loaded());
    EXPECT_FALSE(Window1::ImageWell2_KeyDown(window.get(), nullptr, "a"));
}
