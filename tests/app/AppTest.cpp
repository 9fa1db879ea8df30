// The application class App: registered once, a subclass of Application
// that keeps every one of its base's operations and adds only its
// constructor.
#include "app/App.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(AppClass, IsRegisteredOnceAndKeptAsItWas)
{
    fw::ClassRecord& record = App::__Lookup();
    fw::Vtable table = record.vtable;
    EXPECT_EQ(&App::__Lookup(), &record);
    App::__ctblinit();
    EXPECT_EQ(&App::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table);
    EXPECT_EQ(record.methods.size(), 48u);
}

TEST(AppClass, ExtendsApplicationWithItsConstructorOnly)
{
    const fw::ClassRecord& record = App::__Lookup();
    const fw::ClassRecord& base = fw::Application::__Lookup();
    EXPECT_EQ(record.name, "App");
    EXPECT_EQ(record.base, &base);
    EXPECT_EQ(record.instanceSize, base.instanceSize);
    EXPECT_TRUE(record.classAttributes.empty());
    EXPECT_EQ(record.initializer, nullptr);
    EXPECT_EQ(record.finalizer, nullptr);

    ASSERT_EQ(record.vtable.size(), 18u);
    EXPECT_EQ(record.vtableCount, 18u);
    for (std::size_t slot = 0; slot + 1 < record.vtable.size(); ++slot)
        EXPECT_EQ(record.vtable[slot], base.vtable[slot]) << slot;
    EXPECT_EQ(record.vtable.back(), fw::eraseOperation(&App::Constructor));

    ASSERT_EQ(record.events.size(), 10u);
    for (std::size_t i = 0; i < record.events.size(); ++i) {
        EXPECT_EQ(record.events[i].name, base.events[i].name);
        EXPECT_EQ(record.events[i].implementation, nullptr) << "App handles no event";
    }
    EXPECT_EQ(record.properties.size(), 19u);
    for (std::size_t i = 0; i + 1 < record.methods.size(); ++i)
        EXPECT_EQ(record.methods[i].name, base.methods[i].name) << i;

    const fw::MethodRecord& own = record.methods.back();
    EXPECT_EQ(own.name, "Constructor");
    EXPECT_EQ(own.flags, 1u);
    EXPECT_EQ(own.signature, "%%");
    EXPECT_EQ(own.function, fw::eraseOperation(&App::Constructor));
    ASSERT_EQ(own.attributes.size(), 1u);
    EXPECT_EQ(own.attributes[0].name, "__Scope");
    EXPECT_EQ(own.attributes[0].value, "Public");
    EXPECT_TRUE(own.attributes[0].flag);
}

TEST(AppClass, InstancesAreApplicationsBuiltThroughTheTable)
{
    fw::Ref<App> application = fw::RuntimeNewObjectOf<App>(App::__Lookup());
    fw::call(application.get(), AppSlot::Constructor);
    EXPECT_TRUE(application->isKindOf(fw::Application::__Lookup()));
    EXPECT_EQ(application->menuBar(), nullptr) << "the constructor sets nothing";
    EXPECT_EQ(application->refCount(), 1u);

    // Reflection reaches the constructor through its own record.
    const fw::MethodRecord* constructor = &App::__Lookup().methods.back();
    EXPECT_EQ(constructor->invoker(constructor->function, application.get(), nullptr), nullptr);
}

} // namespace
} // namespace tolvane
