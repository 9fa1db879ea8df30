// The Application class: its records and class table, its properties
// through reflection, and its menu handlers.
#include "framework/Application.h"
#include "framework/Box.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <set>

using namespace fw;

namespace {

Ref<Application> newApplication()
{
    return RuntimeNewObjectOf<Application>(Application::__Lookup());
}

TEST(ApplicationClass, RecordsTableAndLifeHooks)
{
    const ClassRecord& record = Application::__Lookup();
    EXPECT_EQ(record.name, "Application");
    EXPECT_EQ(record.methods.size(), 47u);
    EXPECT_EQ(record.events.size(), 10u);
    EXPECT_EQ(record.properties.size(), 19u);
    EXPECT_EQ(record.vtable.size(), ApplicationSlot::OperationCount);
    EXPECT_EQ(record.vtableCount, 17u);
    EXPECT_EQ(record.initializer, &Application::__Init);
    EXPECT_EQ(record.finalizer, &Application::__Exit);

    const std::vector<std::string> events{"Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument",
        "HandleAppleEvent", "Activate", "Deactivate", "UnhandledException", "CancelClose"};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(record.events[i].name, events[i]);
        EXPECT_EQ(record.events[i].implementation, nullptr) << "the framework implements no event of its own";
    }
    EXPECT_EQ(record.events[ApplicationEvent::UnhandledException.index].name, "UnhandledException");
    EXPECT_EQ(record.events[ApplicationEvent::CancelClose.index].name, "CancelClose");

    const std::vector<std::string> operations{"NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler",
        "_AddPollableObject", "_RemovePollableObject", "AddTrayItem", "RemoveTrayItem", "YieldToNextThread",
        "SleepCurrentThread", "_DoSingleEvent", "_EnableMenuItems", "_CallOpen", "_HandleMenuCommand",
        "_LoadPictureFromBundle", "_LoadBundleSound", "__DependencyList"};
    ASSERT_EQ(operations.size(), ApplicationSlot::OperationCount);
    for (std::size_t slot = 0; slot < operations.size(); ++slot) {
        EXPECT_EQ(record.methods[slot].name, operations[slot]);
        EXPECT_NE(record.vtable[slot], nullptr);
        EXPECT_EQ(record.methods[slot].function, record.vtable[slot]);
    }

    // The records that follow the operations are the properties' accessors,
    // each of a property that exists, each name once.
    std::set<std::string> names;
    for (std::size_t i = operations.size(); i < record.methods.size(); ++i) {
        std::string name = record.methods[i].name.toStdString();
        EXPECT_TRUE(names.insert(name).second) << name;
        std::string property = name.substr(0, name.rfind('.'));
        EXPECT_NE(record.findProperty(property), nullptr) << name;
        EXPECT_NE(record.methods[i].invoker, nullptr) << name;
    }
}

TEST(ApplicationClass, MenuBarPropertyHoldsAReference)
{
    Ref<Application> application = newApplication();
    Ref<MenuBar> bar = RuntimeNewObjectOf<MenuBar>(MenuBar::__Lookup());
    Application::MenuBar_Set(application.get(), 0, bar.get());
    EXPECT_EQ(bar->refCount(), 2u);
    EXPECT_EQ(Application::MenuBar_Get(application.get(), 0), bar);

    // Through reflection, by a name in another case.
    const PropertyRecord* property = application->classRecord().findProperty("menubar");
    ASSERT_NE(property, nullptr);
    Ref<Object> read = property->boxedGetter(application.get(), *property);
    EXPECT_EQ(unboxedObject(read.get()), bar.get());
    read = nullptr;

    Ref<WeakReference> weakBar = bar->weakReference();
    bar = nullptr;
    EXPECT_NE(weakBar->target(), nullptr) << "the application keeps its menu bar";
    application = nullptr;
    EXPECT_EQ(weakBar->target(), nullptr) << "and lets it go with itself";
}

TEST(ApplicationClass, SettingsReadAndWriteTheGuiApplication)
{
    Ref<Application> application = newApplication();
    const ClassRecord& record = application->classRecord();
    const PropertyRecord* autoQuit = record.findProperty("AutoQuit");
    ASSERT_NE(autoQuit, nullptr);
    autoQuit->boxedSetter(application.get(), *autoQuit, box(false).get());
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
    EXPECT_EQ(unbox<bool>(autoQuit->boxedGetter(application.get(), *autoQuit).get()), false);

    const PropertyRecord* interval = record.findProperty("DoubleClickInterval");
    ASSERT_NE(interval, nullptr);
    interval->boxedSetter(application.get(), *interval, box(std::int32_t(321)).get());
    EXPECT_EQ(QApplication::doubleClickInterval(), 321);

    const PropertyRecord* platform = record.findProperty("Platform");
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(unbox<String>(platform->boxedGetter(application.get(), *platform).get()), "offscreen");
    EXPECT_THROW(platform->boxedSetter(application.get(), *platform, box(String("xcb")).get()), RaisedException);
}

TEST(ApplicationClass, MenuHandlersAreFoundByItemName)
{
    Ref<Application> application = newApplication();
    Application* object = application.get();
    static std::vector<std::string> handled;
    call(object, ApplicationSlot::_AddMenuHandler, String("FileOpen"), eraseOperation(+[](Application*) {
        handled.push_back("first");
        return true;
    }));
    // A second handler for the same name replaces the first.
    call(object, ApplicationSlot::_AddMenuHandler, String("fileopen"), eraseOperation(+[](Application*) {
        handled.push_back("second");
        return false;
    }));

    Ref<MenuItem> open = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    MenuItem::Name_Set(open.get(), 0, "FileOpen");
    Ref<MenuItem> other = RuntimeNewObjectOf<MenuItem>(MenuItem::__Lookup());
    MenuItem::Name_Set(other.get(), 0, "FileClose");

    EXPECT_FALSE(call(object, ApplicationSlot::_HandleMenuCommand, open.get()));
    EXPECT_FALSE(call(object, ApplicationSlot::_HandleMenuCommand, other.get()));
    EXPECT_EQ(handled, (std::vector<std::string>{"second"}));
    EXPECT_THROW(call(object, ApplicationSlot::_HandleMenuCommand, nullptr), RaisedException);
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
