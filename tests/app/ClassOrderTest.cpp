// % initialize builds the framework's class tables first and the system's
// last, in the order App, Window1, MenuBar1.
//
// The order is seen where every class is registered: this program's own
// fw::RuntimeNewClassRecord comes first for every caller, the framework's
// library included, notes the record and passes the call on to the
// framework's definition. Only a process that has registered nothing yet
// shows the order, so the check runs in a new process of this program.
#include "app/App.h"
#include "app/Lifecycle.h"
#include "app/MenuBar1.h"
#include "chart/Window1.h"

#include "NextDefinition.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool noting = false;
std::vector<const fw::ClassRecord*> registered;

} // namespace

fw::ClassRecord& fw::RuntimeNewClassRecord(ClassRecord* base, std::size_t methodCount, std::size_t unused1,
    std::size_t eventCount, std::size_t unused2, std::size_t propertyCount, std::size_t classAttributeCount,
    InstanceFactory factory)
{
    static auto* const frameworkDefinition = nextDefinition(&fw::RuntimeNewClassRecord);
    ClassRecord& record = frameworkDefinition(
        base, methodCount, unused1, eventCount, unused2, propertyCount, classAttributeCount, factory);
    if (noting)
        registered.push_back(&record);
    return record;
}

namespace tolvane {
namespace {

std::string nameOf(const fw::ClassRecord* record)
{
    if (record == &App::__Lookup())
        return "App";
    if (record == &Window1::__Lookup())
        return "Window1";
    if (record == &MenuBar1::__Lookup())
        return "MenuBar1";
    return "framework";
}

// Registers every class and reports, on standard error, the kinds of the
// registrations in their order with repeats folded: "framework App Window1
// MenuBar1" when the order is right.
[[noreturn]] void initializeAndReportTheOrder()
{
    noting = true;
    percent_initialize();
    noting = false;
    std::string order;
    for (const fw::ClassRecord* record : registered) {
        const std::string name = nameOf(record);
        if (!order.ends_with(name))
            order += (order.empty() ? "" : " ") + name;
    }
    std::fprintf(stderr, "registered: %s\n", order.c_str());
    std::exit(0);
}

TEST(ClassRegistration, InitializeRegistersTheFrameworksClassesThenAppWindow1MenuBar1)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(initializeAndReportTheOrder(), ::testing::ExitedWithCode(0),
        "registered: framework App Window1 MenuBar1\n");
}

} // namespace
} // namespace tolvane
