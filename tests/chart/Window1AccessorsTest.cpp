// The control and menu-item accessors: a fresh look-up by name at every
// call, typed as the accessor's class, called here as the runtime's
// reflection calls them.
#include "ChartTestSupport.h"

#include "app/MenuBar1.h"

#include <algorithm>
#include <map>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// Every own accessor whose signature text is one of these, called through
// its reflection invoker, by name.
template<typename Result>
std::map<std::string, fw::Ref<Result>> callAccessors(Window1* window, std::vector<std::string_view> signatures)
{
    std::map<std::string, fw::Ref<Result>> results;
    for (const fw::MethodRecord& method : Window1::__Lookup().methods) {
        if (std::find(signatures.begin(), signatures.end(), method.signature.view()) == signatures.end())
            continue;
        fw::Ref<fw::Object> boxed = method.invoker(method.function, window, nullptr);
        results[method.name.toStdString()] = fw::RuntimeCheckCast<Result>(fw::unboxedObject(boxed.get()));
    }
    return results;
}

using Window1Accessors = ChartTest;

} // namespace

TEST_F(Window1Accessors, EveryAccessorFindsTheObjectOfItsNameAsItsClass)
{
    fw::Ref<Window1> window = openChart();
    auto controls = callAccessors<fw::Control>(window.get(), {"%o<ImageWell>%", "%o<Label>%"});
    ASSERT_EQ(controls.size(), 52u);
    for (const auto& [name, control] : controls) {
        ASSERT_TRUE(control) << name;
        EXPECT_EQ(control->name(), name);
        EXPECT_EQ(control->isKindOf(fw::ImageWell::__Lookup()), name.starts_with("ImageWell")) << name;
    }
    // By name, never by position: Label17 is the 21st control created.
    EXPECT_EQ(controls["Label17"], window->controls()[20]);

    auto items = callAccessors<fw::MenuItem>(window.get(), {"%o<MenuItem>%", "%o<QuitMenuItem>%"});
    ASSERT_EQ(items.size(), 11u);
    for (const auto& [name, item] : items) {
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(item->name(), name);
        EXPECT_EQ(item->isKindOf(fw::QuitMenuItem::__Lookup()), name == "FileQuit") << name;
    }
    // By Name, not by Text.
    EXPECT_EQ(items["EditClear"]->text(), "&Delete");
}

TEST_F(Window1Accessors, TheCentreWellComesBackTheSameAndLeavesNoReferenceBehind)
{
    fw::Ref<Window1> window = openChart();
    fw::Ref<fw::ImageWell> centre = Window1::ImageWell1(window.get());
    ASSERT_TRUE(centre);
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

TEST_F(Window1Accessors, WithNothingToSearchEveryAccessorRaises)
{
    EXPECT_EQ(raisedBy([] { Window1::ImageWell1(nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { Window1::Label49(nullptr); }), "NilObjectException");

    // A window that was never constructed has no menu bar.
    fw::Ref<Window1> window = fw::RuntimeNewObjectOf<Window1>(Window1::__Lookup());
    ASSERT_EQ(fw::Window::MenuBar_Get(window.get(), 0), nullptr);
#define TOLVANE_EXPECT_RAISES(name, resultClass) \
    EXPECT_EQ(raisedBy([&] { Window1::name(window.get()); }), "NilObjectException") << #name;
    TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_EXPECT_RAISES)
#undef TOLVANE_EXPECT_RAISES
}

TEST_F(Window1Accessors, MenuItemsAreSoughtInTheWindowsOwnMenuBar)
{
    fw::Ref<Window1> window = openChart();
    ASSERT_TRUE(Window1::EditClear(window.get()));

    // Another, empty bar for the window; the application keeps MenuBar1.
    fw::Ref<fw::MenuBar> other = fw::RuntimeNewObjectOf<fw::MenuBar>(fw::MenuBar::__Lookup());
    fw::MenuItem::Constructor(other.get());
    fw::Window::MenuBar_Set(window.get(), 0, other.get());

    EXPECT_EQ(Window1::EditClear(window.get()), nullptr);
    EXPECT_EQ(Window1::FileQuit(window.get()), nullptr);
    EXPECT_TRUE(fw::MenuItem::_Lookup(MenuBar1::_implicitInstance.get(), "EditClear"));
}
