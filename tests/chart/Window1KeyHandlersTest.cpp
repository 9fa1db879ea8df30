// The key handlers when a note's media or the centre well is missing: a note
// whose media is missing fails alone.
#include "ChartTestSupport.h"

#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include <QTimer>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

using Window1KeyHandlers = ChartTest;

// An executable whose folder has no parent: every road to a media file not
// yet loaded then ends in a nil item.
void cutTheRoadToResources()
{
    fw::RuntimeOverrideExecutablePath("/Tolvane");
}

} // namespace

TEST_F(Window1KeyHandlers, AMissingRecordingOrPictureFailsOnlyItsOwnKey)
{
    useBundle({"05Low_D.mp3", "07Low_E.jpg"});
    fw::Ref<Window1> window = openChart();

    // A missing picture blanks the centre, and the note still plays.
    clickOn(window.get(), "Label5");
    EXPECT_EQ(centrePicture(window.get()), nullptr);
    EXPECT_GT(channelsPlaying(media::Low_E1()), 0);

    // A missing recording fails after the picture changed.
    fw::Ref<fw::Label> lowD = controlNamed<fw::Label>(window.get(), "Label4");

    EXPECT_EQ(raisedBy([&] { lowD->_MouseDown(2, 2); }), "NilObjectException");
    EXPECT_EQ(centrePicture(window.get()), media::Low_D().get());

    // Inside the framework's own event loop: the sound item tried once, yet
    // the next press fails the same way and is reported, and the press
    // queued behind it still runs, so the loop went on.
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
    EXPECT_NE(report.find("NilObjectException: the recording \"05Low_D.mp3\" could not be loaded"), std::string::npos)
        << report;
    EXPECT_EQ(centrePicture(window.get()), media::Low_C().get());
    EXPECT_GT(channelsPlaying(media::Low_C1()), 0);
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

TEST_F(Window1KeyHandlers, APictureThatRaisesLeavesTheWellAsItWasAndAsksForNoRecording)
{
    fw::Ref<Window1> window = openChart();
    clickOn(window.get(), "Label1");
    fw::Picture* shown = centrePicture(window.get());
    ASSERT_NE(shown, nullptr);
    cutTheRoadToResources();

    // A picture loaded earlier in this process would not be looked for.
    ASSERT_EQ(raisedBy([] { media::Low_C(); }), "NilObjectException");

    fw::Ref<fw::Label> lowC = controlNamed<fw::Label>(window.get(), "Label2");
    EXPECT_EQ(raisedBy([&] { lowC->_MouseDown(2, 2); }), "NilObjectException");
    EXPECT_EQ(centrePicture(window.get()), shown);
    EXPECT_FALSE(media::Low_C1.loaded());
}

TEST_F(Window1KeyHandlers, ARecordingThatRaisesOnItsOneLoadIsReportedAfterThePictureChanged)
{
    fw::Ref<Window1> window = openChart();
    // The picture is had while the bundle is whole; the recording's one load
    // then finds no road to Resources, and raises.
    fw::Ref<fw::Picture> lowD = media::Low_D();
    ASSERT_TRUE(lowD);
    cutTheRoadToResources();
    ASSERT_FALSE(media::Low_D1.loaded());
    ASSERT_EQ(raisedBy([] { media::Low_E1(); }), "NilObjectException");

    QTimer::singleShot(0, [&] {
        clickOn(window.get(), "Label4");
        fw::RuntimeQuit();
    });
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(fw::_RuntimeRun());
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("Unhandled exception NilObjectException"), std::string::npos) << report;
    EXPECT_EQ(centrePicture(window.get()), lowD.get());
    EXPECT_TRUE(media::Low_D1.loaded());
}
