// The Application class and the members that the application and menu
// classes publish, through reflection and through the plug-in table.
#include "framework/Application.h"
#include "framework/Box.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include "../../framework/src/PluginEntries_p.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

Ref<Application> newApplication()
{
    return RuntimeNewObjectOf<Application>(Application::__Lookup());
}

// A value of the same type that differs from the given one; an object stays.
Ref<Box> anotherValue(const Box::Value& value)
{
    return std::visit(
        [](const auto& current) {
            using T = std::decay_t<decltype(current)>;
            if constexpr (std::is_same_v<T, bool>)
                return box(!current);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return box(current + 1);
            else if constexpr (std::is_same_v<T, String>)
                return box(String(current.toStdString() + "x"));
            else
                return box(current);
        },
        value);
}

// Reads each property, and writes each writable one with another value that
// must read back: every record is a member that works, on a live object.
void expectEveryPropertyWorks(Object* object)
{
    for (const PropertyRecord& property : object->classRecord().properties) {
        SCOPED_TRACE(property.name.toStdString());
        Ref<Object> value = property.boxedGetter(object, property);
        if (!property.setter)
            continue;
        Ref<Box> written = anotherValue(boxedValue(value.get()));
        property.boxedSetter(object, property, written.get());
        EXPECT_EQ(boxedValue(property.boxedGetter(object, property).get()), written->value());
    }
}

TEST(PublishedMembers, EveryPropertyOfTheApplicationAndOfAMenuItemWorks)
{
    Ref<Application> application = newApplication();
    expectEveryPropertyWorks(application.get());
    Ref<MenuItem> menu = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    Ref<MenuItem> item = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    MenuItem::Append(menu.get(), item.get());
    expectEveryPropertyWorks(item.get());

    // A nil object raises rather than being read.
    const PropertyRecord* text = item->classRecord().findProperty("text");
    ASSERT_NE(text, nullptr);
    EXPECT_THROW(text->boxedGetter(nullptr, *text), RaisedException);
}

TEST(ApplicationClass, KeepsItsMenuBarUntilItGoes)
{
    Ref<Application> application = newApplication();
    Ref<MenuBar> bar = RuntimeNewObjectOf<MenuBar>(MenuBar::__Lookup());
    Application::MenuBar_Set(application.get(), 0, bar.get());
    EXPECT_EQ(Application::MenuBar_Get(application.get(), 0), bar);

    Ref<WeakReference> weakBar = bar->weakReference();
    bar = nullptr;
    EXPECT_NE(weakBar->target(), nullptr) << "the application keeps its menu bar";
    application = nullptr;
    EXPECT_EQ(weakBar->target(), nullptr) << "and lets it go with itself";
}

TEST(PublishedMembers, EveryPluginEntryIsPublishedAtStartUpAndFollowsTheConvention)
{
    RuntimeInitializeFrameworkClasses();
    EXPECT_EQ(pluginEntryPoint("MenuItem.Text.Set"), nullptr) << "the table is empty before start-up fills it";
    _InitPluginEntrypoints();
    for (std::string_view name : pluginEntryNames())
        EXPECT_NE(pluginEntryPoint(name), nullptr) << name;
    EXPECT_EQ(pluginEntryPoint("No.Such.Entry"), nullptr);

    // An accessor's entry takes the object and an Int32 that callers pass as
    // 0, a setter also the value; an operation's takes its own arguments.
    auto setText = reinterpret_cast<void (*)(MenuItem*, std::int32_t, String)>(pluginEntryPoint("MenuItem.Text.Set"));
    auto getText = reinterpret_cast<String (*)(MenuItem*, std::int32_t)>(pluginEntryPoint("MenuItem.Text.Get"));
    auto append = reinterpret_cast<void (*)(MenuItem*, MenuItem*)>(pluginEntryPoint("MenuItem.Append"));
    Ref<MenuItem> menu = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    Ref<MenuItem> item = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    setText(item.get(), 0, "&Quit");
    EXPECT_EQ(getText(item.get(), 0), "&Quit");
    append(menu.get(), item.get());
    EXPECT_EQ(item->parent(), menu.get());
    RuntimeFinalizeFrameworkStatics();
}

TEST(ApplicationClass, LoadsNothingWithoutABundle)
{
    // The test program lives in no bundle: there is no Resources folder.
    Ref<Application> application = newApplication();
    Application* object = application.get();
    EXPECT_EQ(call(object, ApplicationSlot::_LoadPictureFromBundle, String("intro.jpg")), nullptr);
    EXPECT_EQ(call(object, ApplicationSlot::_LoadBundleSound, String("01Low_Bflat.mp3")), nullptr);
}

} // namespace
