// The chart window as start-up creates it: the window, when its controls are
// prepared and bound and which routine creates them, presses and keys routed
// by the window system, and the failures on the way.
#include "ChartTestSupport.h"
#include "LayoutReference.h"

#include "app/MenuBar1.h"
#include "chart/EventGlue.h"
#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/FolderItem.h"
#include "framework/Picture.h"

#include <QTest>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

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
    ASSERT_EQ(atTheirLists.size(), 52u);
    for (const AtItsList& control : atTheirLists) {
        EXPECT_TRUE(control.prepared) << control.name;
        EXPECT_FALSE(control.bound) << control.name;
    }
    EXPECT_NE(controlNamed<fw::Label>(window.get(), "Label17")->binding("MouseDown"), nullptr);
}

TEST_F(Window1Creation, TheFirstCallMakesAFixedWindowWithTheApplicationsMenuBar)
{
    EXPECT_EQ(fw::_GetImplicitWindow("Window1.Window1"), nullptr);
    fw::Ref<Window1> window = openChart();
    EXPECT_EQ(implicit::Window1(), window) << "a second call constructs nothing";
    EXPECT_EQ(fw::Window::_ControlByName(window.get(), "Label47"), nullptr);
    QWidget* top = window->widget();
    EXPECT_TRUE(top->isVisible());
    EXPECT_FALSE(top->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    fw::Ref<MenuBar1> applicationMenuBar = implicit::MenuBar1();
    EXPECT_EQ(fw::Window::MenuBar_Get(window.get(), 0).get(), applicationMenuBar.get());
}

TEST_F(Window1Creation, PressesAndKeysReachTheHandlersBoundToTheirControls)
{
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::ImageWell> keyboard = controlNamed<fw::ImageWell>(window.get(), "ImageWell2");
    fw::Picture* opening = centrePicture(window.get());

    // Between Label1 (right edge 210) and Label2 (from 214): no key.
    clickAt(window.get(), QPoint(211, 850));
    QTest::keyClick(keyboard->widget(), Qt::Key_A);
    EXPECT_FALSE(keyboard->_KeyDown("a"));
    EXPECT_EQ(centrePicture(window.get()), opening);
    EXPECT_TRUE(std::ranges::none_of(media::kSoundItems, [](const media::SoundItem* item) { return item->loaded(); }));

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
    EXPECT_EQ(controlNamed<fw::ImageWell>(window.get(), "ImageWell4")->image(), media::saxright().get());
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
    for (const reference::ControlRow& row : reference::kControls)
        byPosition.at(row.created - 1) = std::string(row.name);
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
    EXPECT_EQ(namesOf(window.get()), byPosition);
}
