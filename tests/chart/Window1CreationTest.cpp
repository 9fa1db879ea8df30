// The chart window as start-up creates it: its controls, their order, places
// and pictures, presses routed by the window system to the bound handlers,
// and the failures on the way.
#include "ChartTestSupport.h"
#include "LayoutReference.h"

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

#include <algorithm>
#include <map>
#include <span>
#include <string>
#include <vector>

using namespace tolvane;
using namespace tolvane::testing;
using chart::kControls;

namespace {

fw::Picture* imageOf(Window1* window, std::string_view well)
{
    return controlNamed<fw::ImageWell>(window, fw::String(well))->image();
}

std::size_t recordingsLoaded()
{
    return static_cast<std::size_t>(std::count_if(media::kSoundItems.begin(), media::kSoundItems.end(),
        [](const media::SoundItem* item) { return item->loaded(); }));
}

// The handler, signature text and flag that bind the control's event.
void expectBoundTo(fw::Control* control, std::string_view event, fw::Operation handler, std::string_view signature)
{
    const fw::Control::EventBinding* binding = control->binding(event);
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(binding->delegate->codePointer(), handler);
    EXPECT_EQ(binding->delegate->signature(), signature);
    EXPECT_EQ(binding->delegate->flag(), 1);
}

using Window1Creation = ChartTest;

// What each control had when its property list began to be applied: the
// list's first key is Name, whose setter is wrapped to look.
struct AtItsList {
    std::string name;
    bool prepared = false; // a well's picture, a label's font unit
    bool bound = false;
};
std::vector<AtItsList> atTheirLists;
fw::BoxedSetter nameSetter = nullptr;

void lookThenSetName(fw::Object* target, const fw::PropertyRecord& property, fw::Object* value)
{
    AtItsList seen{fw::unbox<fw::String>(value).toStdString()};
    if (auto* well = dynamic_cast<fw::ImageWell*>(target)) {
        seen.prepared = well->image() != nullptr;
        seen.bound = well->binding("KeyDown") != nullptr;
    } else if (auto* label = dynamic_cast<fw::Label*>(target)) {
        seen.prepared = label->textUnit == 0;
        seen.bound = label->binding("MouseDown") != nullptr;
    }
    atTheirLists.push_back(seen);
    nameSetter(target, property, value);
}

void wrapNameSetter(fw::ClassRecord& record)
{
    for (fw::PropertyRecord& property : record.properties) {
        if (property.name == "Name") {
            nameSetter = property.boxedSetter;
            property.boxedSetter = lookThenSetName;
        }
    }
}

} // namespace

TEST_F(Window1Creation, EachControlIsPreparedButNotYetBoundWhenItsListIsApplied)
{
    wrapNameSetter(fw::Label::__Lookup());
    wrapNameSetter(fw::ImageWell::__Lookup());
    fw::Ref<Window1> window = openChart();
    ASSERT_EQ(atTheirLists.size(), kControls.size());
    for (std::size_t position = 0; position < kControls.size(); ++position) {
        EXPECT_EQ(atTheirLists[position].name, kControls[position].name);
        EXPECT_TRUE(atTheirLists[position].prepared) << kControls[position].name;
        EXPECT_FALSE(atTheirLists[position].bound) << kControls[position].name;
    }
    EXPECT_NE(controlNamed<fw::Label>(window.get(), "Label17")->binding("MouseDown"), nullptr);
}

TEST_F(Window1Creation, TheFirstCallCreatesTheFiftyTwoControlsInCreationOrder)
{
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
    fw::Ref<Window1> window = openChart();
    EXPECT_EQ(implicit::Window1(), window) << "a second call constructs nothing";

    const std::vector<fw::Ref<fw::Control>>& controls = window->controls();
    ASSERT_EQ(controls.size(), 52u);
    EXPECT_EQ(controls[20]->name(), "Label17");
    EXPECT_EQ(controls[32]->name(), "Label26");
    EXPECT_EQ(controls[49]->name(), "ImageWell1");
    EXPECT_EQ(controls[50]->name(), "ImageWell3");
    EXPECT_EQ(controls[51]->name(), "ImageWell4");
    EXPECT_EQ(fw::Window::_ControlByName(window.get(), "Label47"), nullptr);
}

TEST_F(Window1Creation, TheWindowIsAsItsListSaysAndKeysSetTheirPropertiesWhateverTheirCase)
{
    fw::Ref<Window1> window = openChart();
    QWidget* top = window->widget();
    EXPECT_EQ(window->contentWidget()->size(), QSize(1013, 917));
    EXPECT_EQ(top->windowTitle(), "Tolvane");
    EXPECT_TRUE(top->isVisible());
    EXPECT_FALSE(top->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    fw::Ref<MenuBar1> applicationMenuBar = implicit::MenuBar1();
    EXPECT_EQ(fw::Window::MenuBar_Get(window.get(), 0).get(), applicationMenuBar.get());

    // Two keys differ in letter case from the properties they set.
    fw::Ref<fw::Label> label = controlNamed<fw::Label>(window.get(), "Label5");
    EXPECT_FALSE(label->multiLine);
    fw::_SetProperties(label.get(), fw::String(chart::PropertyListEncoder().boolean("Multiline", true).bytes()));
    EXPECT_TRUE(label->multiLine);
    const fw::PropertyRecord* macProcId = Window1::__Lookup().findProperty("MacProcId");
    ASSERT_NE(macProcId, nullptr);
    fw::_SetProperties(window.get(), fw::String(chart::PropertyListEncoder().int32("MacProcID", 7).bytes()));
    EXPECT_EQ(fw::unbox<std::int32_t>(macProcId->boxedGetter(window.get(), *macProcId).get()), 7);
}

TEST_F(Window1Creation, PressesAndKeysReachTheHandlersBoundToTheirControls)
{
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::ImageWell> keyboard = controlNamed<fw::ImageWell>(window.get(), "ImageWell2");
    expectBoundTo(keyboard.get(), "KeyDown", fw::eraseOperation(&Window1::ImageWell2_KeyDown),
        "( ImageWell, String ) as Boolean");
    fw::Ref<fw::Label> label17 = controlNamed<fw::Label>(window.get(), "Label17");
    expectBoundTo(label17.get(), "MouseDown", fw::eraseOperation(&Window1::Label17_MouseDown),
        "( Label, Int32, Int32 ) as Boolean");
    fw::Picture* opening = centrePicture(window.get());

    // Between Label1 (right edge 210) and Label2 (from 214): no key.
    clickAt(window.get(), QPoint(211, 850));
    QTest::keyClick(keyboard->widget(), Qt::Key_A);
    EXPECT_FALSE(keyboard->_KeyDown("a"));
    EXPECT_EQ(centrePicture(window.get()), opening);
    EXPECT_EQ(keyboard->image(), media::AA_Keyboard().get());
    EXPECT_EQ(recordingsLoaded(), 0u);

    // Label17, created 21st, is Middle E-flat.
    clickOn(window.get(), "Label17");
    EXPECT_EQ(centrePicture(window.get()), media::Middle_Eflat().get());
    EXPECT_TRUE(media::Middle_Eflat1.loaded());
    EXPECT_EQ(recordingsLoaded(), 1u);

    // ImageWell2_KeyDown shows nothing; an observing routine bound the same
    // way shows the key's road to it.
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
    EXPECT_EQ(seen, (std::vector<std::pair<Window1*, std::string>>{{window.get(), "b"}}));
}

TEST_F(Window1Creation, AnEventAfterTheWindowHasGoneRaisesWithoutEnteringTheHandler)
{
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::Label> label = controlNamed<fw::Label>(window.get(), "Label1");
    fw::Ref<fw::ImageWell> keyboard = controlNamed<fw::ImageWell>(window.get(), "ImageWell2");
    window = nullptr;
    fw::RuntimeReleaseWindows();
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
    EXPECT_EQ(raisedBy([&] { label->_MouseDown(3, 4); }), "NilObjectException");
    EXPECT_EQ(raisedBy([&] { keyboard->_KeyDown("a"); }), "NilObjectException");
    EXPECT_FALSE(media::Low_B1.loaded());
}

TEST_F(Window1Creation, AMissingOpeningPictureLeavesTheCentreWellEmptyAndCreationGoesOn)
{
    useBundle({"intro.jpg"});
    fw::Ref<Window1> window = openChart();
    ASSERT_EQ(window->controls().size(), 52u);
    fw::Ref<fw::ImageWell> centre = controlNamed<fw::ImageWell>(window.get(), "ImageWell1");
    EXPECT_EQ(centre->image(), nullptr);
    EXPECT_EQ(centre->left, 299) << "its list was applied";
    EXPECT_EQ(imageOf(window.get(), "ImageWell4"), media::saxright().get());
}

TEST_F(Window1Creation, AnOpeningPictureThatRaisesStopsCreationAtTheCentreWell)
{
    useBundle();
    // The keyboard picture is cached first; after that no road to a file
    // exists: the executable's folder has no parent folder.
    ASSERT_TRUE(media::AA_Keyboard());
    fw::RuntimeOverrideExecutablePath("/Tolvane");

    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    fw::Window* base = window.get();
    EXPECT_EQ(raisedBy([&] { fw::call(base, fw::WindowSlot::Constructor); }), "NilObjectException");

    ASSERT_EQ(window->controls().size(), 50u);
    fw::Ref<fw::ImageWell> centre = controlNamed<fw::ImageWell>(window.get(), "ImageWell1");
    ASSERT_TRUE(centre);
    EXPECT_EQ(centre->image(), nullptr);
    EXPECT_NE(centre->left, 299) << "its list must not have been applied";
    EXPECT_NE(controlNamed<fw::ImageWell>(window.get(), "ImageWell2")->binding("KeyDown"), nullptr);
    EXPECT_NE(controlNamed<fw::Label>(window.get(), "Label49")->binding("MouseDown"), nullptr);
}

// The controls that existed when CreateControls went on to its second
// routine, which is reached through the window's class table.
std::vector<std::string> namesOf(fw::Window* window)
{
    std::vector<std::string> names;
    for (const fw::Ref<fw::Control>& control : window->controls())
        names.push_back(control->name().toStdString());
    return names;
}
std::vector<std::string> beforeTheSecondRoutine;
void noteThenCreateTheRest(fw::Window* window)
{
    beforeTheSecondRoutine = namesOf(window);
    Window1::_CreateControls1(window);
}

TEST_F(Window1Creation, TheFirstRoutineCreatesThroughLabel30AndTheSecondTheRest)
{
    std::vector<std::string> byPosition(52);
    for (const auto& rows : {std::span<const reference::ControlRow>(reference::kKeyLabels),
             std::span<const reference::ControlRow>(reference::kWells)}) {
        for (const reference::ControlRow& row : rows)
            byPosition.at(row.created - 1) = std::string(row.name);
    }
    fw::Vtable& table = Window1::__Lookup().vtable;
    fw::Operation& place = table.at(Window1Slot::_CreateControls1.index);
    struct Restore {
        fw::Operation& place;
        fw::Operation saved;
        ~Restore() { place = saved; }
    } restore{place, place};
    fw::fill(table, Window1Slot::_CreateControls1, &noteThenCreateTheRest);
    fw::Ref<Window1> window = openChart();

    EXPECT_EQ(beforeTheSecondRoutine, std::vector(byPosition.begin(), byPosition.begin() + 30));
    ASSERT_FALSE(beforeTheSecondRoutine.empty());
    EXPECT_EQ(beforeTheSecondRoutine.back(), "Label30");
    EXPECT_EQ(namesOf(window.get()), byPosition);
}
