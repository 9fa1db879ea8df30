// Controls: labels and image wells on real widgets, events from real mouse
// and key presses into the bound stubs, what a label and a well draw, and a
// label's properties on its widget.
#include "WindowTestKit.h"

#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>

#include <cmath>

using namespace fw;
using namespace windowtest;

using ControlEvents = WindowFixture;

TEST_F(ControlEvents, PressesAndKeysReachTheBoundHandlersInControlTermsAndSurviveTheirFailure)
{
    Ref<Window> window = openWindow();
    clickAt(window.get(), kFirstKey.topLeft() + QPoint(5, 7));
    clickAt(window.get(), kSecondKey.bottomRight());
    clickAt(window.get(), kUnboundKey.center()); // a label without a handler: nothing
    EXPECT_EQ(observed().presses, (std::vector<Press>{{"FirstKey", 5, 7}, {"SecondKey", 22, 67}}));

    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    EXPECT_FALSE(key->_MouseDown(3, 4));
    observed().handlerResult = true;
    EXPECT_TRUE(key->_MouseDown(3, 4));
    EXPECT_FALSE(control<Label>(window.get(), "UnboundKey")->_MouseDown(1, 1));

    observed().raiseInHandler = true;
    testing::internal::CaptureStderr();
    clickAt(window.get(), kFirstKey.center());
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("NilObjectException"), std::string::npos) << report;
    observed().raiseInHandler = false;
    clickAt(window.get(), kSecondKey.center());
    EXPECT_EQ(observed().presses.back().label, "SecondKey") << "the press after a failure works";

    // Keys pressed on the well reach its handler as text.
    QWidget* well = control<ImageWell>(window.get(), "Keyboard")->widget();
    EXPECT_EQ(well->focusPolicy(), Qt::StrongFocus) << "TabStop true: the well takes focus";
    QTest::keyClick(well, Qt::Key_A);
    QTest::keyClick(well, Qt::Key_Left);
    QTest::keyClick(well, Qt::Key_Return);
    EXPECT_EQ(observed().keys, (std::vector<std::string>{"a", "\x1C", "\r"}));
}

using ControlDrawing = WindowFixture;

TEST_F(ControlDrawing, EmptyLabelsShowThePictureBeneathAndAWellCentresItsPictureOrNil)
{
    Ref<Window> window = openWindow();
    EXPECT_EQ(window->contentWidget()->grab().toImage().pixelColor(kFirstKey.center()), QColor(Qt::red));
    Ref<ImageWell> keyboard = control<ImageWell>(window.get(), "Keyboard");
    Ref<Picture> small = solidPicture(QSize(40, 20), Qt::blue);
    ImageWell::Image_Set(keyboard.get(), 0, small.get());
    EXPECT_EQ(ImageWell::Image_Get(keyboard.get(), 0), small);

    QImage drawn = keyboard->widget()->grab().toImage();
    const QPoint corner((kKeyboard.width() - 40) / 2, (kKeyboard.height() - 20) / 2);
    EXPECT_EQ(drawn.pixelColor(corner), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(corner + QPoint(39, 19)), QColor(Qt::blue));
    EXPECT_NE(drawn.pixelColor(corner - QPoint(1, 1)), QColor(Qt::blue)) << "the picture is not centred";

    ImageWell::Image_Set(keyboard.get(), 0, nullptr);
    drawn = keyboard->widget()->grab().toImage();
    EXPECT_NE(drawn.pixelColor(corner), QColor(Qt::blue));
}

// A picture read from a file, of one colour throughout.
Ref<Picture> solidFilePicture(const QTemporaryDir& folder, const char* name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.filePath(name);
    if (!image.save(path, "JPEG"))
        throw std::runtime_error("JPEG encoding failed");
    return Picture::fromFile(path.toStdString());
}

TEST_F(ControlDrawing, AWellRepaintsItsPictureWithoutDecodingItAgain)
{
    Ref<Window> window = openWindow();
    Ref<ImageWell> keyboard = control<ImageWell>(window.get(), "Keyboard");
    QTemporaryDir folder;
    Ref<Picture> shown = solidFilePicture(folder, "shown.jpg", QSize(40, 20), Qt::blue);
    ASSERT_TRUE(shown);
    ImageWell::Image_Set(keyboard.get(), 0, shown.get());
    keyboard->widget()->grab();

    // A picture as large as the whole budget for decoded pixels displaces
    // the one shown from it; the well still has what it shows.
    const int side = int(std::sqrt(double(Picture::kDecodedBytesBudget / 4)));
    ASSERT_TRUE(solidFilePicture(folder, "large.jpg", QSize(side, side), Qt::green));
    ASSERT_FALSE(shown->isDecoded());
    const QImage drawn = keyboard->widget()->grab().toImage();
    const QColor centre = drawn.pixelColor(kKeyboard.width() / 2, kKeyboard.height() / 2);
    EXPECT_GT(centre.blue(), 240); // blue, within what JPEG changes
    EXPECT_LT(centre.red() + centre.green(), 16);
    EXPECT_FALSE(shown->isDecoded()) << "the repaint decoded the picture again";
}

TEST_F(ControlDrawing, AWellWhosePictureCouldNotBeDecodedTriesAgainAtItsNextPaint)
{
    Ref<Window> window = openWindow();
    Ref<ImageWell> keyboard = control<ImageWell>(window.get(), "Keyboard");
    QTemporaryDir folder;
    // Each of 4 MiB decoded, the whole budget: the second displaces the first.
    Ref<Picture> shown = solidFilePicture(folder, "shown.jpg", QSize(1024, 1024), Qt::blue);
    ASSERT_TRUE(solidFilePicture(folder, "other.jpg", QSize(1024, 1024), Qt::green));
    ASSERT_FALSE(shown->isDecoded());

    const auto centre = [&] {
        return keyboard->widget()->grab().toImage().pixelColor(kKeyboard.width() / 2, kKeyboard.height() / 2);
    };
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // megabytes: too little to decode it now
    ImageWell::Image_Set(keyboard.get(), 0, shown.get());
    EXPECT_GT(centre().red(), 128) << "blank: the window's own grey";
    QImageReader::setAllocationLimit(limit);
    const QColor drawn = centre();
    EXPECT_GT(drawn.blue(), 240);
    EXPECT_LT(drawn.red() + drawn.green(), 16);
}

using ControlProperties = WindowFixture;

TEST_F(ControlProperties, LabelListReachesTheWidget)
{
    Ref<Window> window = openWindow();
    Ref<Label> key = control<Label>(window.get(), "SecondKey");
    Label::TextUnit_Set(key.get(), 0, 1);
    _SetProperties(key.get(),
        String(encodeList({{"Text", "C#"}, {"TextAlign", 2}, {"TextColor", Color{0x10, 0x20, 0x30}},
            {"Multiline", true}, {"TextSize", 30}, {"Bold", true}, {"HelpTag", "Middle C sharp"},
            {"Enabled", false}, {"Visible", false}})));
    auto* label = static_cast<QLabel*>(key->widget());
    EXPECT_EQ(label->text(), "C#");
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(label->font().pixelSize(), 30) << "TextUnit 1 counts in pixels";
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->toolTip(), "Middle C sharp");
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(label->isVisible());
}
