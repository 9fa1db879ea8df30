// The chart window as start-up creates it: its controls, their order, places,
// pictures and bindings, presses routed by the window system, and the
// failures on the way.
#include "ChartTestSupport.h"

#include "app/MenuBar1.h"
#include "chart/EventGlue.h"
#include "chart/PropertyListEncoder.h"
#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/PropertyList.h"

#include <QTest>
#include <QWidget>

#include <limits>

using namespace tolvane;
using namespace tolvane::testing;
using chart::ControlKind;
using chart::kControls;

namespace {

template<typename ControlClass>
fw::Ref<ControlClass> control(Window1* window, std::string_view name)
{
    fw::Ref<fw::Control> found = fw::Window::_ControlByName(window, fw::String(name));
    return fw::RuntimeCheckCast<ControlClass>(found.get());
}

// A control's rectangle in the window's content coordinates, as Qt has it.
QRect placeOf(Window1* window, fw::RectControl* control)
{
    QWidget* widget = control->widget();
    return QRect(widget->mapTo(window->contentWidget(), QPoint(0, 0)), widget->size());
}

fw::Picture* imageOf(Window1* window, std::string_view well)
{
    return control<fw::ImageWell>(window, well)->image();
}

bool anyRecordingLoaded()
{
    return std::any_of(media::kSoundItems.begin(), media::kSoundItems.end(),
        [](const media::SoundItem* item) { return item->loaded(); });
}

class Window1Creation : public ChartTest { };

} // namespace

TEST_F(Window1Creation, TheFirstCallCreatesTheWindowAndLaterCallsReturnIt)
{
    ChartBundle bundle;
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
    fw::Ref<Window1> window = openChart();
    ASSERT_TRUE(window);
    const std::size_t controls = window->controls().size();
    EXPECT_EQ(implicit::Window1(), window);
    EXPECT_EQ(implicit::Window1().get(), window.get());
    EXPECT_EQ(window->controls().size(), controls);
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1").get(), window.get());
}

TEST_F(Window1Creation, FiftyTwoControlsExistUnderTheirNamesInCreationOrder)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    const std::vector<fw::Ref<fw::Control>>& controls = window->controls();
    ASSERT_EQ(controls.size(), 52u);
    for (std::size_t position = 0; position < controls.size(); ++position) {
        const chart::ControlLayout& layout = kControls[position];
        EXPECT_EQ(controls[position]->name(), layout.name);
        fw::ClassRecord& expectedClass =
            layout.kind == ControlKind::ImageWell ? fw::ImageWell::__Lookup() : fw::Label::__Lookup();
        EXPECT_EQ(&controls[position]->classRecord(), &expectedClass) << layout.name;
        EXPECT_EQ(control<fw::Control>(window.get(), layout.name), controls[position]);
    }
    EXPECT_EQ(controls[20]->name(), "Label17");
    EXPECT_EQ(controls[32]->name(), "Label26");
    EXPECT_EQ(controls[49]->name(), "ImageWell1");
    EXPECT_EQ(controls[50]->name(), "ImageWell3");
    EXPECT_EQ(controls[51]->name(), "ImageWell4");
    EXPECT_EQ(fw::Window::_ControlByName(window.get(), "Label47"), nullptr);
}

TEST_F(Window1Creation, TheWindowHasItsSizeTitleFramingAndTheSharedMenuBar)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    QWidget* top = window->widget();
    EXPECT_EQ(window->contentWidget()->size(), QSize(1013, 917));
    EXPECT_EQ(top->windowTitle(), "Tolvane");
    EXPECT_TRUE(top->isVisible());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());

    fw::Ref<MenuBar1> shared = implicit::MenuBar1();
    EXPECT_EQ(fw::Window::MenuBar_Get(window.get(), 0).get(), shared.get());
}

TEST_F(Window1Creation, EachControlLiesAtItsRectangleWithItsValues)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    for (const chart::ControlLayout& layout : kControls) {
        SCOPED_TRACE(std::string(layout.name));
        fw::Ref<fw::RectControl> placed = control<fw::RectControl>(window.get(), layout.name);
        const chart::Rect& rect = layout.rect;
        EXPECT_EQ(placeOf(window.get(), placed.get()), QRect(rect.left, rect.top, rect.width, rect.height));
        EXPECT_EQ(placed->tabIndex, layout.tabIndex);
        EXPECT_EQ(placed->index, std::numeric_limits<std::int32_t>::min());
        EXPECT_TRUE(placed->visible);
        EXPECT_TRUE(placed->enabled);
        EXPECT_TRUE(placed->widget()->isVisible());
    }
}

TEST_F(Window1Creation, LabelsHaveTheirFontUnitAndWellsTheirPictures)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    for (const chart::ControlLayout& layout : kControls) {
        if (layout.kind != ControlKind::Label)
            continue;
        fw::Ref<fw::Label> label = control<fw::Label>(window.get(), layout.name);
        EXPECT_EQ(label->textUnit, 0) << layout.name;
        EXPECT_EQ(label->text, "") << layout.name;
        EXPECT_EQ(label->initialParent, "ImageWell2") << layout.name;
    }
    EXPECT_EQ(imageOf(window.get(), "ImageWell2"), media::AA_Keyboard().get());
    EXPECT_EQ(imageOf(window.get(), "ImageWell1"), media::intro().get());
    EXPECT_EQ(imageOf(window.get(), "ImageWell3"), media::saxleft().get());
    EXPECT_EQ(imageOf(window.get(), "ImageWell4"), media::saxright().get());
    EXPECT_NE(media::intro().get(), nullptr);
}

TEST_F(Window1Creation, TheKeyboardWellAndEveryLabelAreBoundToTheirOwnHandlers)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    const fw::ClassRecord& record = Window1::__Lookup();
    for (const chart::ControlLayout& layout : kControls) {
        SCOPED_TRACE(std::string(layout.name));
        fw::Ref<fw::Control> bound = control<fw::Control>(window.get(), layout.name);
        const bool isLabel = layout.kind == ControlKind::Label;
        const fw::Control::EventBinding* binding = bound->binding(isLabel ? "MouseDown" : "KeyDown");
        if (layout.handler.empty()) {
            EXPECT_EQ(binding, nullptr);
            continue;
        }
        ASSERT_NE(binding, nullptr);
        EXPECT_EQ(binding->stub,
            isLabel ? fw::eraseOperation(&AddHandler_Stub_16) : fw::eraseOperation(&AddHandler_Stub_13));
        const fw::Delegate& delegate = *binding->delegate;
        EXPECT_EQ(delegate.codePointer(), record.findMethod(layout.handler)->function);
        EXPECT_EQ(delegate.flag(), 1);
        EXPECT_EQ(delegate.target(), window.get());
        EXPECT_EQ(delegate.signature(),
            isLabel ? "( Label, Int32, Int32 ) as Boolean" : "( ImageWell, String ) as Boolean");
    }
}

TEST_F(Window1Creation, AMousePressReachesTheHandlerOfTheLabelUnderIt)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    fw::Picture* opening = imageOf(window.get(), "ImageWell1");

    // Between Label1 (right edge 210) and Label2 (from 214): no key.
    clickAt(window.get(), QPoint(211, 850));
    EXPECT_EQ(imageOf(window.get(), "ImageWell1"), opening);
    EXPECT_FALSE(anyRecordingLoaded());

    // Label17, created 21st, is Middle E-flat.
    clickAt(window.get(), centreOf(layoutOf("Label17").rect));
    EXPECT_EQ(imageOf(window.get(), "ImageWell1"), media::Middle_Eflat().get());
    EXPECT_TRUE(media::Middle_Eflat1.loaded());
    EXPECT_EQ(std::count_if(media::kSoundItems.begin(), media::kSoundItems.end(),
                  [](const media::SoundItem* item) { return item->loaded(); }),
        1);

    clickAt(window.get(), centreOf(layoutOf("Label26").rect));
    EXPECT_EQ(imageOf(window.get(), "ImageWell1"), media::High_Fsharp().get());
}

TEST_F(Window1Creation, AKeyPressInTheKeyboardWellReachesItsHandlerAndChangesNothing)
{
    ChartBundle bundle;
    ReportedExceptions reported;
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::ImageWell> keyboard = control<fw::ImageWell>(window.get(), "ImageWell2");
    fw::Picture* opening = imageOf(window.get(), "ImageWell1");

    QTest::keyClick(keyboard->widget(), Qt::Key_A);
    EXPECT_FALSE(keyboard->_KeyDown("a"));
    EXPECT_EQ(imageOf(window.get(), "ImageWell1"), opening);
    EXPECT_EQ(keyboard->image(), media::AA_Keyboard().get());
    EXPECT_TRUE(reported.take().empty());

    // The bound delegate holds ImageWell2_KeyDown (checked above); one that
    // holds an observing routine instead shows the key's road to it.
    static std::vector<std::pair<Window1*, std::string>> seen;
    auto observe = +[](Window1* target, fw::ImageWell*, fw::String key) {
        seen.emplace_back(target, key.toStdString());
        return true;
    };
    using Glue = EventGlue<fw::ImageWell>;
    fw::Ref<fw::Delegate> delegate =
        fw::RuntimeCreateDelegate(Glue::invoker, observe, window.get(), fw::String(Glue::delegateSignature), 1);
    fw::RuntimeAddEventHandler(keyboard.get(), Glue::event, Glue::stub, delegate.get());
    QTest::keyClick(keyboard->widget(), Qt::Key_B);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, window.get());
    EXPECT_EQ(seen[0].second, "b");
}

TEST_F(Window1Creation, AnEventAfterTheWindowHasGoneRaisesWithoutEnteringTheHandler)
{
    fw::Ref<fw::Label> label;
    fw::Ref<fw::ImageWell> keyboard;
    {
        ChartBundle bundle;
        fw::Ref<Window1> window = openChart();
        label = control<fw::Label>(window.get(), "Label1");
        keyboard = control<fw::ImageWell>(window.get(), "ImageWell2");
        fw::RuntimeReleaseWindows();
    }
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
    // The controls keep their bindings; only the delegates' window is gone.
    ASSERT_NE(label->binding("MouseDown"), nullptr);
    ASSERT_NE(keyboard->binding("KeyDown"), nullptr);
    EXPECT_EQ(label->binding("MouseDown")->delegate->target(), nullptr);
    EXPECT_EQ(raisedBy([&] { label->_MouseDown(3, 4); }), "NilObjectException");
    EXPECT_EQ(raisedBy([&] { keyboard->_KeyDown("a"); }), "NilObjectException");
    EXPECT_FALSE(media::Low_B1.loaded());
}

TEST_F(Window1Creation, AnOpeningPictureThatIsMissingLeavesTheCentreWellEmpty)
{
    ChartBundle bundle({"intro.jpg"});
    fw::Ref<Window1> window = openChart();
    ASSERT_EQ(window->controls().size(), 52u);
    fw::Ref<fw::ImageWell> centre = control<fw::ImageWell>(window.get(), "ImageWell1");
    EXPECT_EQ(centre->image(), nullptr);
    EXPECT_EQ(placeOf(window.get(), centre.get()), QRect(299, 8, 415, 706));
    EXPECT_EQ(imageOf(window.get(), "ImageWell3"), media::saxleft().get());
    EXPECT_EQ(imageOf(window.get(), "ImageWell4"), media::saxright().get());
}

TEST_F(Window1Creation, AnOpeningPictureThatRaisesStopsCreationAtTheCentreWell)
{
    ChartBundle bundle;
    // The keyboard picture is cached first; after that no road to a file
    // exists: the executable's folder has no parent folder.
    ASSERT_TRUE(media::AA_Keyboard());
    fw::RuntimeOverrideExecutablePath("/Tolvane");

    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    fw::Window* base = window.get();
    EXPECT_EQ(raisedBy([&] { fw::call(base, fw::WindowSlot::Constructor); }), "NilObjectException");

    ASSERT_EQ(window->controls().size(), 50u);
    fw::Ref<fw::ImageWell> centre = control<fw::ImageWell>(window.get(), "ImageWell1");
    ASSERT_TRUE(centre);
    EXPECT_EQ(centre->image(), nullptr);
    EXPECT_NE(centre->left, 299) << "the list must not have been applied";
    EXPECT_EQ(fw::Window::_ControlByName(window.get(), "ImageWell3"), nullptr);
    EXPECT_EQ(fw::Window::_ControlByName(window.get(), "ImageWell4"), nullptr);
    EXPECT_NE(control<fw::ImageWell>(window.get(), "ImageWell2")->binding("KeyDown"), nullptr);
    EXPECT_NE(control<fw::Label>(window.get(), "Label49")->binding("MouseDown"), nullptr);
}

TEST_F(Window1Creation, ListKeysFindTheirPropertiesWhateverTheirLetterCase)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::Label> label = control<fw::Label>(window.get(), "Label5");
    EXPECT_FALSE(label->multiLine);
    fw::_SetProperties(label.get(), fw::String(chart::PropertyListEncoder().boolean("Multiline", true).bytes()));
    EXPECT_TRUE(label->multiLine);

    const fw::PropertyRecord* macProcId = Window1::__Lookup().findProperty("MacProcId");
    ASSERT_NE(macProcId, nullptr);
    fw::_SetProperties(window.get(), fw::String(chart::PropertyListEncoder().int32("MacProcID", 7).bytes()));
    EXPECT_EQ(fw::unbox<std::int32_t>(macProcId->boxedGetter(window.get(), *macProcId).get()), 7);
}
