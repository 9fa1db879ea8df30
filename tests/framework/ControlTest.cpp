// Controls: labels and image wells on real widgets, events from real mouse
// and key presses into the bound stubs, what a label and a well draw, and
// their properties.
#include "WindowTestKit.h"

#include <QLabel>

#include <cstdlib>

using namespace fw;
using namespace windowtest;

namespace {

QPoint inside(Rect rect, int x, int y)
{
    return QPoint(rect.left + x, rect.top + y);
}

// Whether two colours differ by no more than JPEG's rounding.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16
        && std::abs(a.blue() - b.blue()) < 16;
}

} // namespace

using LabelEvents = WindowFixture;

TEST_F(LabelEvents, PressReachesTheBoundStubInLabelCoordinates)
{
    Ref<Window> window = openWindow();
    clickAt(window.get(), inside(kFirstKey, 5, 7));
    clickAt(window.get(), inside(kSecondKey, 22, 67));
    ASSERT_EQ(observed().presses.size(), 2u);
    EXPECT_EQ(observed().presses[0].label, "FirstKey");
    EXPECT_EQ(observed().presses[0].x, 5);
    EXPECT_EQ(observed().presses[0].y, 7);
    EXPECT_EQ(observed().presses[1].label, "SecondKey");
    EXPECT_EQ(observed().presses[1].x, 22);
    EXPECT_EQ(observed().presses[1].y, 67);
}

TEST_F(LabelEvents, PressBetweenLabelsOrOnAnUnboundLabelReachesNoHandler)
{
    Ref<Window> window = openWindow();
    // The first key ends at x 210, the second begins at x 214.
    clickAt(window.get(), QPoint(211, 850));
    clickAt(window.get(), QPoint(213, 850));
    clickAt(window.get(), inside(kUnboundKey, 4, 40));
    EXPECT_TRUE(observed().presses.empty());

    Ref<Label> unbound = control<Label>(window.get(), "UnboundKey");
    EXPECT_FALSE(unbound->_MouseDown(1, 1));
}

TEST_F(LabelEvents, MouseDownGivesTheHandlersResult)
{
    Ref<Window> window = openWindow();
    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    EXPECT_FALSE(key->_MouseDown(3, 4));
    observed().handlerResult = true;
    EXPECT_TRUE(key->_MouseDown(3, 4));
    EXPECT_EQ(observed().presses.size(), 2u);
}

TEST_F(LabelEvents, HandlerExceptionIsReportedAndTheNextPressWorks)
{
    Ref<Window> window = openWindow();
    observed().raiseInHandler = true;
    clickAt(window.get(), inside(kFirstKey, 1, 1));
    EXPECT_EQ(reportedExceptions(), std::vector<std::string>{"NilObjectException"});

    observed().raiseInHandler = false;
    clickAt(window.get(), inside(kSecondKey, 2, 2));
    ASSERT_EQ(observed().presses.size(), 2u);
    EXPECT_EQ(observed().presses[1].label, "SecondKey");
    EXPECT_EQ(reportedExceptions().size(), 1u);
}

TEST_F(LabelEvents, PressAfterTheWindowWentRaisesInsteadOfCallingTheHandler)
{
    Ref<Window> window = openWindow();
    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    window = nullptr;
    RuntimeReleaseWindows();
    // The label outlives its window; its delegate's target is gone.
    EXPECT_THROW(key->_MouseDown(1, 1), RaisedException);
    EXPECT_TRUE(observed().presses.empty());
    EXPECT_EQ(key->widget(), nullptr);
}

using ImageWellEvents = WindowFixture;

TEST_F(ImageWellEvents, KeyPressReachesTheBoundStubAsText)
{
    Ref<Window> window = openWindow();
    Ref<ImageWell> keyboard = control<ImageWell>(window.get(), "Keyboard");
    QWidget* widget = keyboard->widget();
    EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus) << "TabStop true: the well takes focus";
    QTest::keyClick(widget, Qt::Key_A);
    QTest::keyClick(widget, Qt::Key_Left);
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(observed().keys, (std::vector<std::string>{"a", "\x1C", "\r"}));
}

using ControlDrawing = WindowFixture;

TEST_F(ControlDrawing, EmptyLabelShowsThePictureBeneath)
{
    Ref<Window> window = openWindow();
    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    EXPECT_TRUE(static_cast<QLabel*>(key->widget())->text().isEmpty());
    const QImage drawn = window->contentWidget()->grab().toImage();
    const QPoint inKey = inside(kFirstKey, kFirstKey.width / 2, kFirstKey.height / 2);
    EXPECT_TRUE(near(drawn.pixelColor(inKey), Qt::red)) << drawn.pixelColor(inKey).name().toStdString();
}

TEST_F(ControlDrawing, WellCentresItsPictureAndTakesNil)
{
    Ref<Window> window = openWindow();
    Ref<ImageWell> keyboard = control<ImageWell>(window.get(), "Keyboard");
    Ref<Picture> small = solidPicture(m_folder, QSize(40, 20), Qt::blue);
    ASSERT_NE(small, nullptr);
    ImageWell::Image_Set(keyboard.get(), 0, small.get());
    EXPECT_EQ(ImageWell::Image_Get(keyboard.get(), 0), small);

    QImage drawn = keyboard->widget()->grab().toImage();
    const QPoint centre(kKeyboard.width / 2, kKeyboard.height / 2);
    EXPECT_TRUE(near(drawn.pixelColor(centre), Qt::blue));
    const QPoint pictureCorner((kKeyboard.width - 40) / 2, (kKeyboard.height - 20) / 2);
    EXPECT_TRUE(near(drawn.pixelColor(pictureCorner), Qt::blue));
    EXPECT_FALSE(near(drawn.pixelColor(pictureCorner - QPoint(1, 1)), Qt::blue)) << "the picture is not centred";

    ImageWell::Image_Set(keyboard.get(), 0, nullptr);
    EXPECT_EQ(ImageWell::Image_Get(keyboard.get(), 0), nullptr);
    drawn = keyboard->widget()->grab().toImage();
    EXPECT_FALSE(near(drawn.pixelColor(centre), Qt::blue));
}

using ControlProperties = WindowFixture;

TEST_F(ControlProperties, LabelListReachesTheWidget)
{
    Ref<Window> window = openWindow();
    Ref<Label> key = control<Label>(window.get(), "SecondKey");
    EXPECT_EQ(key->textUnit, 0);
    EXPECT_EQ(key->initialParent, "Keyboard");
    EXPECT_EQ(key->index, INT32_MIN);

    _SetProperties(key.get(), ListEncoder()
                                  .add("Text", "C#")
                                  .add("TextAlign", 2)
                                  .add("TextColor", Color{0x10, 0x20, 0x30})
                                  .add("Multiline", true)
                                  .add("Bold", true)
                                  .add("Underline", true)
                                  .add("HelpTag", "Middle C sharp")
                                  .add("Enabled", false)
                                  .list());
    auto* label = static_cast<QLabel*>(key->widget());
    EXPECT_EQ(label->text(), "C#");
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(key->multiLine);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->toolTip(), "Middle C sharp");
    EXPECT_FALSE(label->isEnabled());

    Label::TextUnit_Set(key.get(), 0, 1);
    _SetProperties(key.get(), ListEncoder().add("TextSize", 30).list());
    EXPECT_EQ(label->font().pixelSize(), 30);
    _SetProperties(key.get(), ListEncoder().add("Visible", false).list());
    EXPECT_FALSE(label->isVisible());
}

TEST(ControlStatics, ImageWellPublishesItsPictureAccessors)
{
    RuntimeInitializeFrameworkClasses();
    _InitPluginEntrypoints();
    EXPECT_EQ(pluginEntryPoint("ImageWell.Image.Get"), eraseOperation(&ImageWell::Image_Get));
    EXPECT_EQ(pluginEntryPoint("ImageWell.Image.Set"), eraseOperation(&ImageWell::Image_Set));
    EXPECT_EQ(pluginEntryPoint("Label.TextUnit.Set"), eraseOperation(&Label::TextUnit_Set));
    EXPECT_EQ(pluginEntryPoint("Window.MenuBar.Set"), eraseOperation(&Window::MenuBar_Set));
}

TEST(ControlClasses, LabelAndWellExtendRectControl)
{
    const ClassRecord& label = Label::__Lookup();
    const ClassRecord& well = ImageWell::__Lookup();
    EXPECT_TRUE(label.isSubclassOf(RectControl::__Lookup()));
    EXPECT_TRUE(well.isSubclassOf(Control::__Lookup()));
    for (const char* key : {"Name", "Index", "TabPanelIndex", "Left", "Top", "Width", "Height", "LockLeft",
             "LockTop", "LockRight", "LockBottom", "TabIndex", "TabStop", "InitialParent", "Visible", "HelpTag",
             "AutoDeactivate", "Enabled"}) {
        EXPECT_NE(label.findProperty(key), nullptr) << key;
        EXPECT_NE(well.findProperty(key), nullptr) << key;
    }
    for (const char* key : {"Text", "TextAlign", "TextColor", "Multiline", "Selectable", "Transparent", "TextFont",
             "Bold", "Italic", "Underline", "DataSource", "DataField", "TextUnit"})
        EXPECT_NE(label.findProperty(key), nullptr) << key;
    EXPECT_EQ(label.findProperty("Multiline")->name, "MultiLine");
    ASSERT_NE(well.findProperty("Image"), nullptr);
    EXPECT_EQ(well.findProperty("Image")->typeCode, "o<Picture>");
    EXPECT_EQ(well.findProperty("Text"), nullptr);
    EXPECT_EQ(label.vtable[RectControlSlot::Constructor.index], eraseOperation(&RectControl::Constructor));
}
