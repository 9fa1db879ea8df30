// Window1's class record: what the registration gives the runtime, checked
// against Window's record and the order the window's operations keep.
#include "ChartTestSupport.h"

#include "framework/Property.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using tolvane::Window1;
using tolvane::testing::raisedBy;
using Names = std::vector<std::string>;

namespace {

constexpr std::size_t kWindowOperations = 51;
constexpr std::size_t kWindowMethods = 130;

Names ownMethodNames()
{
    Names names;
    const fw::ClassRecord& record = Window1::__Lookup();
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i)
        names.push_back(record.methods[i].name.toStdString());
    return names;
}

void expectPublicScope(const fw::Attribute& attribute)
{
    EXPECT_EQ(attribute.name, "__Scope");
    EXPECT_EQ(attribute.value, "Public");
    EXPECT_TRUE(attribute.flag);
}

} // namespace

TEST(Window1Registration, TheFirstLookupBuildsWindowsRecordExtendedByTheOwnMembersOnce)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    const fw::ClassRecord& window = fw::Window::__Lookup();
    EXPECT_EQ(record.name, "Window1.Window1");
    EXPECT_EQ(record.base, &window);
    EXPECT_EQ(record.methods.size(), 246u);
    EXPECT_EQ(record.events.size(), 33u);
    EXPECT_EQ(record.properties.size(), 50u);
    EXPECT_EQ(record.vtable.size(), 167u);
    EXPECT_EQ(record.vtableCount, 167u);
    EXPECT_EQ(record.initializer, nullptr);
    EXPECT_EQ(record.finalizer, nullptr);
    ASSERT_EQ(record.classAttributes.size(), 1u);
    expectPublicScope(record.classAttributes[0]);

    for (std::size_t place = 0; place < kWindowOperations; ++place)
        EXPECT_EQ(record.vtable[place], window.vtable[place]) << place;
    // Each own method record describes the operation at the same own place.
    for (std::size_t own = 0; own < 116; ++own) {
        EXPECT_NE(record.methods[kWindowMethods + own].function, nullptr) << own;
        EXPECT_EQ(record.methods[kWindowMethods + own].function, record.vtable[kWindowOperations + own]) << own;
    }
    // Only the two construction events run code of the window's own.
    for (std::size_t i = 0; i < record.events.size(); ++i)
        EXPECT_EQ(record.events[i].name, window.events[i].name) << i;
    EXPECT_EQ(record.events[0].implementation, fw::eraseOperation(&Window1::Layout));
    EXPECT_EQ(record.events[1].implementation, fw::eraseOperation(&Window1::CreateControls));
    for (std::size_t i = 2; i < record.events.size(); ++i)
        EXPECT_EQ(record.events[i].implementation, nullptr) << record.events[i].name.toStdString();

    const fw::Vtable table = record.vtable;
    const Names names = ownMethodNames();
    Window1::__ctblinit();
    EXPECT_EQ(&Window1::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table);
    EXPECT_EQ(ownMethodNames(), names);
}

TEST(Window1Registration, OwnOperationsFollowTheCreationOrderThenTheMenuItems)
{
    const Names names = ownMethodNames();
    ASSERT_EQ(names.size(), 116u);
    auto placeOf = [&](std::string_view name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    EXPECT_EQ(Names(names.begin(), names.begin() + 5),
        (Names{"Layout", "CreateControls", "_CreateControls0", "_CreateControls1", "ImageWell2"}));
    // The label accessors go by creation order, not by number.
    EXPECT_EQ(placeOf("Label17"), placeOf("Label20") + 1);
    EXPECT_EQ(placeOf("Label26"), placeOf("Label32") + 1);
    EXPECT_EQ(placeOf("Label47"), 116);
    EXPECT_EQ(Names(names.begin() + 53, names.begin() + 57),
        (Names{"ImageWell1", "ImageWell3", "ImageWell4", "ImageWell2_KeyDown"}));
    // The mouse-down handlers follow the labels in the same order.
    for (std::size_t label = 5; label < 53; ++label)
        EXPECT_EQ(names[label + 52], names[label] + "_MouseDown");
    EXPECT_EQ(Names(names.begin() + 105, names.end()), (Names{"EditMenu", "EditSelectAll", "UntitledMenu0",
        "EditClear", "EditPaste", "EditCopy", "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileQuit"}));
}

TEST(Window1Registration, EveryOwnRecordIsPublicWithOneSignatureAndInvokerPerKind)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    std::map<std::string, Names> namesBySignature;
    std::map<std::string, std::set<fw::ReflectionInvoker>> invokersBySignature;
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i) {
        const fw::MethodRecord& method = record.methods[i];
        const std::string name = method.name.toStdString();
        SCOPED_TRACE(name);
        namesBySignature[method.signature.toStdString()].push_back(name);
        invokersBySignature[method.signature.toStdString()].insert(method.invoker);
        EXPECT_EQ(method.flags, 1u);
        const bool hidden = name == "_CreateControls0" || name == "_CreateControls1";
        ASSERT_EQ(method.attributes.size(), hidden ? 2u : 1u);
        expectPublicScope(method.attributes[0]);
        if (hidden) {
            EXPECT_EQ(method.attributes[1].name, "Hidden");
            EXPECT_TRUE(method.attributes[1].value.isNil());
            EXPECT_FALSE(method.attributes[1].flag);
        }
    }
    EXPECT_EQ(namesBySignature.size(), 7u);
    EXPECT_EQ(namesBySignature["%%"], (Names{"Layout", "CreateControls", "_CreateControls0", "_CreateControls1"}));
    EXPECT_EQ(namesBySignature["%o<ImageWell>%"], (Names{"ImageWell2", "ImageWell1", "ImageWell3", "ImageWell4"}));
    EXPECT_EQ(namesBySignature["%o<Label>%"].size(), 48u);
    EXPECT_EQ(namesBySignature["%b%o<ImageWell>s"], Names{"ImageWell2_KeyDown"});
    EXPECT_EQ(namesBySignature["%b%o<Label>i4i4"].size(), 48u);
    EXPECT_EQ(namesBySignature["%o<MenuItem>%"].size(), 10u);
    EXPECT_EQ(namesBySignature["%o<QuitMenuItem>%"], Names{"FileQuit"});
    std::set<fw::ReflectionInvoker> distinct;
    for (const auto& [signature, invokers] : invokersBySignature) {
        EXPECT_EQ(invokers.size(), 1u) << signature;
        distinct.insert(invokers.begin(), invokers.end());
    }
    EXPECT_EQ(distinct.size(), 7u);
}

TEST(Window1Registration, UntitledIsAPublicInt32InTheFieldWindow1Adds)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    const fw::PropertyRecord& untitled = record.properties.back();
    EXPECT_EQ(untitled.name, "Untitled");
    EXPECT_EQ(untitled.typeCode, "i4");
    EXPECT_EQ(untitled.flags, 5u);
    ASSERT_EQ(untitled.attributes.size(), 1u);
    expectPublicScope(untitled.attributes[0]);
    EXPECT_EQ(untitled.fieldOffset, fw::Window::__Lookup().instanceSize);
    EXPECT_EQ(record.instanceSize, untitled.fieldOffset + 4);
    fw::Ref<fw::Object> window = fw::RuntimeNewObject(Window1::__Lookup());
    untitled.boxedSetter(window.get(), untitled, fw::box(std::int32_t{-7}).get());
    EXPECT_EQ(fw::unbox<std::int32_t>(untitled.boxedGetter(window.get(), untitled).get()), -7);
}

TEST(Window1Registration, ReflectionInvokersRefuseANilTargetOrArgumentList)
{
    fw::Ref<fw::Object> window = fw::RuntimeNewObject(Window1::__Lookup());
    const std::pair<std::string_view, fw::Object*> calls[] = {{"Layout", nullptr}, {"FileQuit", nullptr},
        {"Label17_MouseDown", window.get()}, {"ImageWell2_KeyDown", window.get()}};
    for (const auto& call : calls) {
        const fw::MethodRecord* method = Window1::__Lookup().findMethod(call.first);
        ASSERT_NE(method, nullptr) << call.first;
        EXPECT_EQ(raisedBy([&] { method->invoker(method->function, call.second, nullptr); }), "NilObjectException")
            << call.first;
    }
}

TEST(Window1Registration, TheCreationRoutinesRefuseAWindowOfAnotherClass)
{
    // Through reflection any window can be handed in; the routines read
    // Window1's own places of the class table, which a plain window lacks.
    fw::Ref<fw::Window> plain = fw::RuntimeNewObjectOf<fw::Window>(fw::Window::__Lookup());
    for (std::string_view name : {"CreateControls", "_CreateControls0", "_CreateControls1"}) {
        const fw::MethodRecord* method = Window1::__Lookup().findMethod(name);
        ASSERT_NE(method, nullptr) << name;
        EXPECT_EQ(raisedBy([&] { method->invoker(method->function, plain.get(), nullptr); }), "IllegalCastException")
            << name;
    }
    EXPECT_TRUE(plain->controls().empty());
}
