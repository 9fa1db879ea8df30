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

using namespace tolvane;
using namespace tolvane::testing;
using chart::ControlLayout;

namespace {

// The 48 labels from the left end of the keyboard to the right.
std::vector<const ControlLayout*> labelsByKeyboardPosition()
{
    std::vector<const ControlLayout*> labels;
    for (const ControlLayout& layout : chart::kControls) {
        if (layout.kind == chart::ControlKind::Label)
            labels.push_back(&layout);
    }
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
    return labels;
}

using Window1KeyHandlers = ChartTest;

} // namespace

TEST_F(Window1KeyHandlers, EachKeyShowsItsNotesPictureAndPlaysItOverThePreviousOne)
{
    fw::Ref<Window1> window = openChart();
    // Keyboard position p plays the p-th note from the lowest: the keys run
    // chromatically from Low B-flat, and the label numbers do not follow them.
    const std::vector<const ControlLayout*> labels = labelsByKeyboardPosition();
    ASSERT_EQ(labels.size(), media::kNoteCount);
    auto at = [&](std::size_t position) { return labels[position - 1]->name; };
    EXPECT_EQ(at(1), "Label3");
    EXPECT_EQ(at(2), "Label1");
    EXPECT_EQ(at(17), "Label18");
    EXPECT_EQ(at(18), "Label17");
    EXPECT_EQ(at(22), "Label27");
    EXPECT_EQ(at(33), "Label26");
    EXPECT_EQ(at(46), "Label48");
    EXPECT_EQ(at(47), "Label46");
    for (std::size_t note = 0; note < labels.size(); ++note) {
        const std::string_view name = labels[note]->name;
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(media::kNoteFiles[note].soundItem, std::string(media::kRegisterNames[note / 12]) + "_"
                + std::string(media::kPitchNames[note % 12]) + "1");
        clickOn(window.get(), name);
        fw::Ref<fw::Picture> picture = (*media::kPictureAccessors[note])();
        ASSERT_TRUE(picture);
        EXPECT_EQ(centrePicture(window.get()), picture.get());
        fw::Ref<fw::Sound> recording = (*media::kSoundItems[note])();
        ASSERT_TRUE(recording);
        EXPECT_GT(recording->playingChannels(), 0);
        if (note > 0) {
            EXPECT_GT((*media::kSoundItems[note - 1])()->playingChannels(), 0) << "a press stops no recording";
        }
        EXPECT_FALSE(controlNamed<fw::Label>(window.get(), fw::String(name))->_MouseDown(1, 1));
    }
    // Top D and Top E-flat share a file number but not a picture.
    EXPECT_NE(media::TOP_D()->image(), media::TOP_Eflat()->image());
}

TEST_F(Window1KeyHandlers, AMissingRecordingFailsOnlyItsOwnKeyAfterThePictureChanged)
{
    useBundle({"05Low_D.mp3"});
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::Label> lowD = controlNamed<fw::Label>(window.get(), "Label4");

    EXPECT_EQ(raisedBy([&] { lowD->_MouseDown(2, 2); }), "NilObjectException");
    EXPECT_EQ(centrePicture(window.get()), media::Low_D().get());

    clickOn(window.get(), "Label1");
    EXPECT_EQ(centrePicture(window.get()), media::Low_B().get());
    EXPECT_GT(media::Low_B1()->playingChannels(), 0);

    // The sound item tried once; every later press fails the same way.
    EXPECT_EQ(raisedBy([&] { lowD->_MouseDown(2, 2); }), "NilObjectException");
    EXPECT_EQ(centrePicture(window.get()), media::Low_D().get());

    // Inside the framework's own event loop: the failure is reported, and
    // the press queued behind it still runs, so the loop went on.
    QTimer::singleShot(0, [&] {
        clickOn(window.get(), "Label4");
        QTimer::singleShot(0, [&] {
            clickOn(window.get(), "Label2");
            fw::RuntimeQuit();
        });
    });
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(fw::_RuntimeRun());
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("NilObjectException"), std::string::npos) << report;
    EXPECT_EQ(centrePicture(window.get()), media::Low_C().get());
    EXPECT_GT(media::Low_C1()->playingChannels(), 0);
}

TEST_F(Window1KeyHandlers, AMissingPictureBlanksTheCentreAndTheNoteStillPlays)
{
    useBundle({"05Low_D.jpg"});
    fw::Ref<Window1> window = openChart();
    clickOn(window.get(), "Label4");
    EXPECT_EQ(centrePicture(window.get()), nullptr);
    EXPECT_GT(media::Low_D1()->playingChannels(), 0);
}

TEST_F(Window1KeyHandlers, WithoutACentreWellAHandlerRaisesBeforeAskingForMedia)
{
    useBundle();
    // A window that was never constructed has no controls at all.
    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    EXPECT_EQ(raisedBy([&] { Window1::Label1_MouseDown(window.get(), nullptr, 0, 0); }), "NilObjectException");
    EXPECT_FALSE(media::Low_B1.loaded());
    EXPECT_FALSE(Window1::ImageWell2_KeyDown(window.get(), nullptr, "a"));
}
