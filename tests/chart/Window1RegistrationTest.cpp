// Window1's class record: what the registration gives the runtime, checked
// against Window's record and the order the window's operations keep.
#include "ChartTestSupport.h"
#include "LayoutReference.h"

#include "framework/Property.h"

#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using tolvane::Window1;
using tolvane::testing::raisedBy;
namespace reference = tolvane::reference;
using Methods = std::vector<std::pair<std::string, std::string>>;

namespace {

constexpr std::size_t kWindowOperations = 51;
constexpr std::size_t kWindowMethods = 130;

// Window1's own methods, name and signature, in the order of their records.
Methods ownMethods()
{
    Methods methods;
    const fw::ClassRecord& record = Window1::__Lookup();
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i)
        methods.emplace_back(record.methods[i].name.toStdString(), record.methods[i].signature.toStdString());
    return methods;
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
    const Methods methods = ownMethods();
    Window1::__ctblinit();
    EXPECT_EQ(&Window1::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table);
    EXPECT_EQ(ownMethods(), methods);

    // Untitled, the one property of its own, is a public Int32 in the field
    // it adds after Window's.
    const fw::PropertyRecord& untitled = record.properties.back();
    EXPECT_EQ(untitled.name, "Untitled");
    EXPECT_EQ(untitled.typeCode, "i4");
    EXPECT_EQ(untitled.flags, 5u);
    ASSERT_EQ(untitled.attributes.size(), 1u);
    expectPublicScope(untitled.attributes[0]);
    EXPECT_EQ(untitled.fieldOffset, window.instanceSize);
    EXPECT_EQ(record.instanceSize, untitled.fieldOffset + 4);
    fw::Ref<fw::Object> instance = fw::RuntimeNewObject(Window1::__Lookup());
    untitled.boxedSetter(instance.get(), untitled, fw::box(std::int32_t{-7}).get());
    EXPECT_EQ(fw::unbox<std::int32_t>(untitled.boxedGetter(instance.get(), untitled).get()), -7);
}

TEST(Window1Registration, OwnOperationsFollowTheCreationOrderThenTheMenuItems)
{
    // The routines; the accessors, then the handlers, both in the order the
    // controls are created, not by their numbers; the menu items last.
    std::array<const reference::ControlRow*, 52> byCreation{};
    for (const reference::ControlRow& row : reference::kControls)
        byCreation.at(row.created - 1) = &row;
    const auto isLabel = [](const reference::ControlRow* row) { return row->kind == reference::ControlClass::Label; };
    Methods expected;
    for (const char* routine : {"Layout", "CreateControls", "_CreateControls0", "_CreateControls1"})
        expected.emplace_back(routine, "%%");
    for (const reference::ControlRow* row : byCreation)
        expected.emplace_back(row->name, isLabel(row) ? "%o<Label>%" : "%o<ImageWell>%");
    for (const reference::ControlRow* row : byCreation) {
        if (!row->handler.empty())
            expected.emplace_back(row->handler, isLabel(row) ? "%b%o<Label>i4i4" : "%b%o<ImageWell>s");
    }
    for (const char* item : {"EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste", "EditCopy",
             "EditCut", "UntitledMenu1", "EditUndo", "FileMenu"})
        expected.emplace_back(item, "%o<MenuItem>%");
    expected.emplace_back("FileQuit", "%o<QuitMenuItem>%");
    EXPECT_EQ(ownMethods(), expected);
}

TEST(Window1Registration, EveryOwnRecordIsPublicWithOneInvokerPerSignature)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    std::map<std::string, std::set<fw::ReflectionInvoker>> invokersBySignature;
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i) {
        const fw::MethodRecord& method = record.methods[i];
        const std::string name = method.name.toStdString();
        SCOPED_TRACE(name);
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
    EXPECT_EQ(invokersBySignature.size(), 7u);
    std::set<fw::ReflectionInvoker> distinct;
    for (const auto& [signature, invokers] : invokersBySignature) {
        EXPECT_EQ(invokers.size(), 1u) << signature;
        distinct.insert(invokers.begin(), invokers.end());
    }
    EXPECT_EQ(distinct.size(), 7u);
}

TEST(Window1Registration, ReflectionRefusesANilTargetOrArgumentListAndAWindowOfAnotherClass)
{
    // Through reflection any window can be handed in; the creation routines
    // read Window1's own places of the class table, which a plain window
    // lacks.
    fw::Ref<fw::Object> window = fw::RuntimeNewObject(Window1::__Lookup());
    fw::Ref<fw::Window> plain = fw::RuntimeNewObjectOf<fw::Window>(fw::Window::__Lookup());
    struct Call {
        std::string_view method;
        fw::Object* target;
        std::string_view raises;
    };
    const Call calls[] = {{"Layout", nullptr, "NilObjectException"}, {"FileQuit", nullptr, "NilObjectException"},
        {"Label17_MouseDown", window.get(), "NilObjectException"},
        {"ImageWell2_KeyDown", window.get(), "NilObjectException"},
        {"CreateControls", plain.get(), "IllegalCastException"},
        {"_CreateControls0", plain.get(), "IllegalCastException"},
        {"_CreateControls1", plain.get(), "IllegalCastException"}};
    for (const Call& call : calls) {
        const fw::MethodRecord* method = Window1::__Lookup().findMethod(call.method);
        ASSERT_NE(method, nullptr) << call.method;
        EXPECT_EQ(raisedBy([&] { method->invoker(method->function, call.target, nullptr); }), call.raises)
            << call.method;
    }
    EXPECT_TRUE(plain->controls().empty());
}
