// Window1's class record: what the registration gives the runtime, checked
// against the class table's order and the member records' contents.
#include "chart/LayoutTable.h"
#include "chart/Window1.h"

#include "framework/Introspection.h"
#include "framework/Property.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using tolvane::Window1;
using tolvane::chart::kControls;

namespace {

constexpr std::size_t kWindowOperations = 51;
constexpr std::size_t kWindowMethods = 130;

std::vector<std::string> ownMethodNames(const fw::ClassRecord& record)
{
    std::vector<std::string> names;
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i)
        names.push_back(record.methods[i].name.toStdString());
    return names;
}

std::size_t placeOf(const std::vector<std::string>& names, std::string_view name)
{
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

const fw::MethodRecord& method(std::string_view name)
{
    const fw::MethodRecord* found = Window1::__Lookup().findMethod(name);
    if (!found)
        throw std::runtime_error("no method " + std::string(name));
    return *found;
}

} // namespace

TEST(Window1Registration, TheFirstLookupBuildsACompleteRecordOnWindowsOwn)
{
    fw::ClassRecord& record = Window1::__Lookup();
    fw::ClassRecord& window = fw::Window::__Lookup();

    EXPECT_EQ(&record, &Window1::__Lookup());
    EXPECT_EQ(record.name, "Window1.Window1");
    EXPECT_EQ(record.base, &window);
    EXPECT_EQ(record.methods.size(), 246u);
    EXPECT_EQ(record.events.size(), 33u);
    EXPECT_EQ(record.properties.size(), 50u);
    EXPECT_EQ(record.classAttributes.size(), 1u);
    EXPECT_EQ(record.vtable.size(), 167u);
    EXPECT_EQ(record.vtableCount, 167u);
    EXPECT_EQ(record.instanceSize, window.instanceSize + 4);
    EXPECT_EQ(record.initializer, nullptr);
    EXPECT_EQ(record.finalizer, nullptr);
    ASSERT_EQ(record.classAttributes.size(), 1u);
    EXPECT_EQ(record.classAttributes[0].name, "__Scope");
    EXPECT_EQ(record.classAttributes[0].value, "Public");
    EXPECT_TRUE(record.classAttributes[0].flag);

    for (std::size_t i = 0; i < kWindowMethods; ++i)
        EXPECT_EQ(record.methods[i].name, window.methods[i].name) << i;
    for (std::size_t i = 0; i < 49; ++i)
        EXPECT_EQ(record.properties[i].name, window.properties[i].name) << i;
}

TEST(Window1Registration, ASecondRegistrationChangesNothing)
{
    fw::ClassRecord& record = Window1::__Lookup();
    const fw::Vtable table = record.vtable;
    const std::vector<std::string> names = ownMethodNames(record);
    const std::size_t size = record.instanceSize;

    Window1::__ctblinit();

    EXPECT_EQ(&Window1::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table);
    EXPECT_EQ(ownMethodNames(record), names);
    EXPECT_EQ(record.instanceSize, size);
}

TEST(Window1Registration, TheClassTableKeepsWindowsOperationsAndAppendsTheOwnInOrder)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    const fw::ClassRecord& window = fw::Window::__Lookup();
    for (std::size_t place = 0; place < kWindowOperations; ++place) {
        EXPECT_NE(record.vtable[place], nullptr) << place;
        EXPECT_EQ(record.vtable[place], window.vtable[place]) << place;
    }
    // Each own method record describes the operation at the same own place.
    for (std::size_t own = 0; own < 116; ++own) {
        const fw::MethodRecord& described = record.methods[kWindowMethods + own];
        EXPECT_NE(described.function, nullptr) << described.name.toStdString();
        EXPECT_EQ(described.function, record.vtable[kWindowOperations + own]) << described.name.toStdString();
    }

    const std::vector<std::string> names = ownMethodNames(record);
    ASSERT_EQ(names.size(), 116u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
        (std::vector<std::string>{"Layout", "CreateControls", "_CreateControls0", "_CreateControls1"}));
    // The control accessors, then the handlers, follow the creation order,
    // not the label numbers.
    for (std::size_t position = 0; position < kControls.size(); ++position)
        EXPECT_EQ(names[4 + position], kControls[position].name);
    EXPECT_EQ(placeOf(names, "Label17"), placeOf(names, "Label20") + 1);
    EXPECT_EQ(placeOf(names, "Label26"), placeOf(names, "Label32") + 1);
    EXPECT_EQ(names[56], "ImageWell2_KeyDown");
    EXPECT_EQ(placeOf(names, "Label17_MouseDown"), placeOf(names, "Label20_MouseDown") + 1);
    EXPECT_EQ(placeOf(names, "Label26_MouseDown"), placeOf(names, "Label32_MouseDown") + 1);
    EXPECT_EQ(names[57], "Label1_MouseDown");
    EXPECT_EQ(names[104], "Label49_MouseDown");
    EXPECT_EQ(placeOf(names, "Label47"), names.size());
    EXPECT_EQ(placeOf(names, "Label47_MouseDown"), names.size());
    EXPECT_EQ(std::vector<std::string>(names.begin() + 105, names.end()),
        (std::vector<std::string>{"EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste",
            "EditCopy", "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileQuit"}));

    // The slot constants name the same places.
    EXPECT_EQ(tolvane::Window1Slot::Label17.index, kWindowOperations + placeOf(names, "Label17"));
    EXPECT_EQ(tolvane::Window1Slot::FileQuit.index, 166u);
}

TEST(Window1Registration, EveryOwnMemberIsPublicAndOnlyTheCreationHalvesAreHidden)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i) {
        const fw::MethodRecord& described = record.methods[i];
        SCOPED_TRACE(described.name.toStdString());
        EXPECT_EQ(described.flags, 1u);
        ASSERT_FALSE(described.attributes.empty());
        EXPECT_EQ(described.attributes[0].name, "__Scope");
        EXPECT_EQ(described.attributes[0].value, "Public");
        EXPECT_TRUE(described.attributes[0].flag);
        const bool hidden = described.name == "_CreateControls0" || described.name == "_CreateControls1";
        ASSERT_EQ(described.attributes.size(), hidden ? 2u : 1u);
        if (hidden) {
            EXPECT_EQ(described.attributes[1].name, "Hidden");
            EXPECT_TRUE(described.attributes[1].value.isNil());
            EXPECT_FALSE(described.attributes[1].flag);
        }
    }
}

TEST(Window1Registration, SignatureTextsFollowEachOperationsKind)
{
    std::map<std::string, std::vector<std::string>> byText;
    const fw::ClassRecord& record = Window1::__Lookup();
    for (std::size_t i = kWindowMethods; i < record.methods.size(); ++i)
        byText[record.methods[i].signature.toStdString()].push_back(record.methods[i].name.toStdString());

    EXPECT_EQ(byText.size(), 7u);
    EXPECT_EQ(byText["%%"].size(), 4u);
    EXPECT_EQ(byText["%o<ImageWell>%"],
        (std::vector<std::string>{"ImageWell2", "ImageWell1", "ImageWell3", "ImageWell4"}));
    EXPECT_EQ(byText["%o<Label>%"].size(), 48u);
    EXPECT_EQ(byText["%b%o<ImageWell>s"], std::vector<std::string>{"ImageWell2_KeyDown"});
    EXPECT_EQ(byText["%b%o<Label>i4i4"].size(), 48u);
    EXPECT_EQ(byText["%o<MenuItem>%"].size(), 10u);
    EXPECT_EQ(byText["%o<QuitMenuItem>%"], std::vector<std::string>{"FileQuit"});
    for (const std::string& name : byText["%b%o<Label>i4i4"])
        EXPECT_TRUE(name.starts_with("Label") && name.ends_with("_MouseDown")) << name;
}

TEST(Window1Registration, OnlyLayoutAndCreateControlsAreImplemented)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    const fw::ClassRecord& window = fw::Window::__Lookup();
    for (std::size_t i = 0; i < record.events.size(); ++i) {
        const fw::EventRecord& event = record.events[i];
        EXPECT_EQ(event.name, window.events[i].name);
        if (event.name == "Layout")
            EXPECT_EQ(event.implementation, fw::eraseOperation(&Window1::Layout));
        else if (event.name == "CreateControls")
            EXPECT_EQ(event.implementation, fw::eraseOperation(&Window1::CreateControls));
        else
            EXPECT_EQ(event.implementation, nullptr) << event.name.toStdString();
    }
    EXPECT_EQ(record.events[0].name, "Layout");
    EXPECT_EQ(record.events[1].name, "CreateControls");
}

TEST(Window1Registration, UntitledIsAnInt32StoredInTheFieldWindow1Adds)
{
    const fw::ClassRecord& record = Window1::__Lookup();
    const fw::PropertyRecord& untitled = record.properties.back();
    EXPECT_EQ(untitled.name, "Untitled");
    EXPECT_EQ(untitled.typeCode, "i4");
    EXPECT_EQ(untitled.flags, 5u);
    EXPECT_EQ(untitled.fieldOffset, fw::Window::__Lookup().instanceSize);
    ASSERT_EQ(untitled.attributes.size(), 1u);
    EXPECT_EQ(untitled.attributes[0].name, "__Scope");
    EXPECT_EQ(untitled.getter, fw::eraseOperation(&fw::Int32::Get));
    EXPECT_EQ(untitled.setter, fw::eraseOperation(&fw::Int32::Set));
    EXPECT_EQ(untitled.boxedGetter, &fw::Int32::Introspection::GetValue);
    EXPECT_EQ(untitled.boxedSetter, &fw::Int32::Introspection::SetValue);

    // A window that is not constructed yet carries the field all the same.
    fw::Ref<fw::Object> window = fw::RuntimeNewObject(Window1::__Lookup());
    EXPECT_EQ(fw::unbox<std::int32_t>(untitled.boxedGetter(window.get(), untitled).get()), 0);
    untitled.boxedSetter(window.get(), untitled, fw::box(std::int32_t{-7}).get());
    EXPECT_EQ(fw::Int32::Get(window.get(), untitled), -7);
    EXPECT_EQ(record.findProperty("untitled"), &untitled);
}

TEST(Window1Registration, ReflectionInvokersRefuseANilTargetOrArgumentList)
{
    auto expectNilObject = [](auto&& invoke) {
        try {
            invoke();
            ADD_FAILURE() << "nothing raised";
        } catch (const fw::RaisedException& raised) {
            EXPECT_EQ(raised.exception()->classRecord().name, "NilObjectException");
        }
    };
    const fw::MethodRecord& layout = method("Layout");
    const fw::MethodRecord& handler = method("Label17_MouseDown");
    const fw::MethodRecord& keyHandler = method("ImageWell2_KeyDown");
    const fw::MethodRecord& quit = method("FileQuit");
    expectNilObject([&] { layout.invoker(layout.function, nullptr, nullptr); });
    expectNilObject([&] { quit.invoker(quit.function, nullptr, nullptr); });

    fw::Ref<fw::Object> window = fw::RuntimeNewObject(Window1::__Lookup());
    expectNilObject([&] { handler.invoker(handler.function, window.get(), nullptr); });
    expectNilObject([&] { keyHandler.invoker(keyHandler.function, window.get(), nullptr); });
    // The same invoker for the same signature: generated from its type.
    EXPECT_EQ(method("Label1_MouseDown").invoker, handler.invoker);
    EXPECT_EQ(method("_CreateControls0").invoker, method("_CreateControls1").invoker);
    EXPECT_NE(method("Label1").invoker, method("ImageWell1").invoker);
}
