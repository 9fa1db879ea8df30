// The application class App: registered once, a subclass of Application
// that keeps every one of its base's operations and adds only its
// constructor.
#include "app/App.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(AppClass, IsRegisteredOnceAndAddsOnlyAConstructorThatBuildsAnApplication)
{
    fw::ClassRecord& record = App::__Lookup();
    fw::Vtable table = record.vtable;
    App::__ctblinit();
    EXPECT_EQ(&App::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table) << "a second registration changes nothing";

    const fw::ClassRecord& base = fw::Application::__Lookup();
    EXPECT_EQ(record.base, &base);
    ASSERT_EQ(record.vtable.size(), 18u);
    EXPECT_TRUE(std::equal(base.vtable.begin(), base.vtable.end(), record.vtable.begin()));
    EXPECT_EQ(record.vtable.back(), fw::eraseOperation(&App::Constructor));
    for (const fw::EventRecord& event : record.events)
        EXPECT_EQ(event.implementation, nullptr) << "App handles no event";

    ASSERT_EQ(record.methods.size(), 48u);
    const fw::MethodRecord& own = record.methods.back();
    EXPECT_EQ(own.name, "Constructor");
    EXPECT_EQ(own.signature, "%%");
    EXPECT_EQ(own.function, fw::eraseOperation(&App::Constructor));
    ASSERT_EQ(own.attributes.size(), 1u);
    EXPECT_EQ(own.attributes[0].value, "Public");

    // Instances are applications, built through the table.
    fw::Ref<App> application = fw::RuntimeNewObjectOf<App>(App::__Lookup());
    fw::call(application.get(), AppSlot::Constructor);
    EXPECT_TRUE(application->isKindOf(fw::Application::__Lookup()));
    EXPECT_EQ(application->menuBar(), nullptr) << "the constructor sets nothing";

    // Reflection reaches the constructor through its own record.
    EXPECT_EQ(own.invoker(own.function, application.get(), nullptr), nullptr);
    EXPECT_THROW(own.invoker(own.function, nullptr, nullptr), fw::RaisedException);
}

} // namespace
} // namespace tolvane
