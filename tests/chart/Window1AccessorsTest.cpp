// The control and menu-item accessors: a fresh look-up by name at every
// call, typed as the accessor's class, through the class table and through
// reflection alike.
#include "ChartTestSupport.h"

#include "app/MenuBar1.h"

#include <map>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// Calls an own operation of Window1 through its reflection invoker, as the
// runtime's reflection does.
fw::Ref<fw::Object> reflect(Window1* window, const fw::MethodRecord& method)
{
    return method.invoker(method.function, window, nullptr);
}

class Window1Accessors : public ChartTest { };

} // namespace

TEST_F(Window1Accessors, EveryControlAccessorFindsTheControlOfItsName)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    const fw::ClassRecord& record = Window1::__Lookup();
    std::size_t found = 0;
    for (const fw::MethodRecord& method : record.methods) {
        const bool well = method.signature == "%o<ImageWell>%";
        if (!well && method.signature != "%o<Label>%")
            continue;
        SCOPED_TRACE(method.name.toStdString());
        fw::Ref<fw::Object> boxed = reflect(window.get(), method);
        fw::Ref<fw::Object> result(fw::unboxedObject(boxed.get()));
        ASSERT_TRUE(result);
        fw::Ref<fw::Control> control = fw::RuntimeCheckCast<fw::Control>(result.get());
        EXPECT_EQ(control->name(), method.name);
        EXPECT_TRUE(control->isKindOf(well ? fw::ImageWell::__Lookup() : fw::Label::__Lookup()));
        ++found;
    }
    EXPECT_EQ(found, 52u);

    // By name, never by position: Label17 is the 21st control created.
    fw::Ref<fw::Label> label17 = fw::call(window.get(), Window1Slot::Label17);
    EXPECT_EQ(label17->name(), "Label17");
    EXPECT_EQ(window->controls()[20].get(), label17.get());
    EXPECT_EQ(Window1::__Lookup().findMethod("Label47"), nullptr);
}

TEST_F(Window1Accessors, TheCentreWellComesBackTheSameAndLeavesNoReferenceBehind)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::ImageWell> centre = Window1::ImageWell1(window.get());
    ASSERT_TRUE(centre);
    EXPECT_EQ(centre->left, 299);
    EXPECT_EQ(centre->top, 8);
    const std::uint32_t count = centre->refCount();
    {
        fw::Ref<fw::ImageWell> first = fw::call(window.get(), Window1Slot::ImageWell1);
        fw::Ref<fw::ImageWell> second = fw::call(window.get(), Window1Slot::ImageWell1);
        EXPECT_EQ(first, centre);
        EXPECT_EQ(second, centre);
        EXPECT_EQ(centre->refCount(), count + 2);
    }
    EXPECT_EQ(centre->refCount(), count);
}

TEST_F(Window1Accessors, AControlAccessorOnANilWindowRaisesBeforeTheLookUp)
{
    EXPECT_EQ(raisedBy([] { Window1::ImageWell1(nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { Window1::Label49(nullptr); }), "NilObjectException");
}

TEST_F(Window1Accessors, EveryMenuItemAccessorFindsItsItemInTheWindowsMenuBar)
{
    ChartBundle bundle;
    fw::Ref<Window1> window = openChart();
    const fw::ClassRecord& record = Window1::__Lookup();
    std::map<std::string, fw::Ref<fw::MenuItem>> items;
    for (const fw::MethodRecord& method : record.methods) {
        if (method.signature != "%o<MenuItem>%" && method.signature != "%o<QuitMenuItem>%")
            continue;
        SCOPED_TRACE(method.name.toStdString());
        fw::Ref<fw::Object> boxed = reflect(window.get(), method);
        fw::Ref<fw::Object> result(fw::unboxedObject(boxed.get()));
        fw::Ref<fw::MenuItem> item = fw::RuntimeCheckCast<fw::MenuItem>(result.get());
        ASSERT_TRUE(item);
        EXPECT_EQ(item->name(), method.name);
        items[method.name.toStdString()] = item;
    }
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items["EditClear"]->text(), "&Delete");
    EXPECT_TRUE(items["UntitledMenu0"]->isSeparator());
    EXPECT_TRUE(items["UntitledMenu1"]->isSeparator());
    EXPECT_NE(items["UntitledMenu0"], items["UntitledMenu1"]);
    EXPECT_TRUE(items["FileQuit"]->isKindOf(fw::QuitMenuItem::__Lookup()));
    EXPECT_FALSE(items["EditUndo"]->isKindOf(fw::QuitMenuItem::__Lookup()));

    fw::Ref<MenuBar1> menuBar = implicit::MenuBar1();
    EXPECT_EQ(fw::MenuItem::Child(menuBar.get(), "EditMenu"), items["EditMenu"]);
    EXPECT_EQ(fw::MenuItem::Child(menuBar.get(), "FileMenu"), items["FileMenu"]);
    fw::Ref<fw::QuitMenuItem> quit = fw::call(window.get(), Window1Slot::FileQuit);
    EXPECT_EQ(quit.get(), items["FileQuit"].get());
}

TEST_F(Window1Accessors, AWindowWithoutAMenuBarRaisesForEveryMenuItem)
{
    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    ASSERT_EQ(fw::Window::MenuBar_Get(window.get(), 0), nullptr);
    std::size_t raised = 0;
    for (const fw::MethodRecord& method : Window1::__Lookup().methods) {
        if (method.signature == "%o<MenuItem>%" || method.signature == "%o<QuitMenuItem>%") {
            EXPECT_EQ(raisedBy([&] { reflect(window.get(), method); }), "NilObjectException")
                << method.name.toStdString();
            ++raised;
        }
    }
    EXPECT_EQ(raised, 11u);
}
