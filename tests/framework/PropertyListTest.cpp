// Property lists: the reader behind _SetProperties, on real window and
// control objects, with well-formed lists of every value type and with each
// kind of malformed list.
#include "WindowTestKit.h"

#include "framework/Property.h"

using namespace fw;
using namespace windowtest;

namespace {

Ref<Label> newLabel()
{
    return RuntimeNewObjectOf<Label>(Label::__Lookup());
}

// The message of the PropertyListException that applying the list raises.
std::string faultOf(Object* object, const std::string& list)
{
    try {
        RuntimeMassPropertySetter(object, list);
    } catch (const RaisedException& raised) {
        EXPECT_TRUE(raised.exception()->isKindOf(PropertyListException::__Lookup()))
            << raised.exception()->classRecord().name.toStdString();
        return raised.exception()->message.toStdString();
    }
    ADD_FAILURE() << "the list was read without a fault";
    return {};
}

// A window class that appends one Int32 property stored in a field of its
// own, as a program's window class does.
ClassRecord& windowWithField()
{
    static ClassRecord* record = nullptr;
    if (record)
        return *record;
    ClassRecord& base = Window::__Lookup();
    record = &RuntimeNewClass<Window>(
        &base, base.methods.size(), 0, base.events.size(), 0, base.properties.size() + 1, 0);
    record->name = "PropertyListTest.Window";
    record->vtable = base.vtable;
    record->vtableCount = base.vtableCount;
    record->instanceSize = base.instanceSize + sizeof(std::int32_t);
    PropertyRecord& untitled = record->properties.back();
    untitled.name = "Untitled";
    untitled.typeCode = "i4";
    untitled.flags = 5;
    untitled.fieldOffset = base.instanceSize;
    untitled.getter = eraseOperation(&Int32::Get);
    untitled.setter = eraseOperation(&Int32::Set);
    untitled.boxedGetter = &Int32::Introspection::GetValue;
    untitled.boxedSetter = &Int32::Introspection::SetValue;
    return *record;
}

} // namespace

TEST(PropertyList, ReadsEveryValueType)
{
    Ref<Label> label = newLabel();
    const std::string text("\x80\xFF\x00z", 4);
    _SetProperties(label.get(), ListEncoder()
                                    .add("Name", "Label1")
                                    .add("Index", std::int32_t(INT32_MIN))
                                    .add("Left", 191)
                                    .add("Top", -829)
                                    .add("LockLeft", true)
                                    .add("Visible", false)
                                    .add("TextColor", Color{0x12, 0x80, 0xFF})
                                    .add("Text", text)
                                    .add("HelpTag", "")
                                    .list());
    EXPECT_EQ(label->name(), "Label1");
    EXPECT_EQ(label->index, INT32_MIN) << "80 00 00 00 is the smallest Int32";
    EXPECT_EQ(label->left, 191);
    EXPECT_EQ(label->top, -829);
    EXPECT_TRUE(label->lockLeft);
    EXPECT_FALSE(label->visible);
    EXPECT_EQ(label->textColor, (Color{0x12, 0x80, 0xFF}));
    EXPECT_EQ(label->text.view(), text) << "the bytes changed on their way";
    EXPECT_TRUE(label->helpTag.view().empty());
    EXPECT_FALSE(label->helpTag.isNil());
}

TEST(PropertyList, FindsKeysWithoutRegardToLetterCase)
{
    Ref<Label> label = newLabel();
    _SetProperties(label.get(), ListEncoder().add("Multiline", true).add("TEXTALIGN", 3).list());
    EXPECT_TRUE(label->multiLine);
    EXPECT_EQ(label->textAlign, 3);

    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    _SetProperties(window.get(), ListEncoder().add("MacProcID", 1234).add("tItLe", "Lower").list());
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "MacProcId"), 1234);
    EXPECT_EQ(propertyValue<String>(window.get(), "Title"), "Lower");
}

TEST(PropertyList, ReadsLongListsExactlyToTheirEnd)
{
    // The chart's first key label, as its list is encoded: 355 bytes.
    const ListEncoder list = labelEntries("Label1", Rect{191, 829, 19, 68}, "ImageWell2");
    ASSERT_EQ(list.bytes().size(), 355u);
    Ref<Label> label = newLabel();
    _SetProperties(label.get(), list.list());
    EXPECT_EQ(label->initialParent, "ImageWell2") << "the last entry was not read";
    EXPECT_EQ(label->textFont, "System");
    EXPECT_TRUE(label->autoDeactivate);
    EXPECT_EQ(label->width, 19);

    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    const String windowBytes = windowList();
    EXPECT_EQ(windowBytes.size(), 267u + std::string_view(kTitle).size());
    _SetProperties(window.get(), windowBytes);
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "Width"), kWidth);
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "MaxHeight"), 32000);
    EXPECT_EQ(propertyValue<Color>(window.get(), "BackColor"), (Color{0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(propertyValue<bool>(window.get(), "MinimizeButton"));
}

TEST(PropertyList, SetsAPropertyThatASubclassStoresInItsOwnField)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(windowWithField());
    _SetProperties(window.get(), ListEncoder().add("Title", "T").add("untitled", -5).list());
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "Untitled"), -5);
}

TEST(PropertyList, EmptyListSetsNothingAndNilObjectRaises)
{
    Ref<Label> label = newLabel();
    _SetProperties(label.get(), String(""));
    _SetProperties(label.get(), String());
    EXPECT_EQ(label->left, 0);
    try {
        _SetProperties(nullptr, ListEncoder().add("Left", 1).list());
        FAIL() << "a nil object was accepted";
    } catch (const RaisedException& raised) {
        EXPECT_TRUE(raised.exception()->isKindOf(NilObjectException::__Lookup()));
    }
}

struct MalformedList {
    const char* what;
    std::string tail;   // after a good "Top" entry of 8 bytes
    const char* key;    // the key the message names
    std::size_t offset; // where the fault lies
    bool followed;      // a good "Left" entry comes after the fault
};

TEST(PropertyList, MalformedListsRaiseNamingKeyAndOffsetAndKeepWhatWasSet)
{
    using namespace std::string_literals;
    const std::vector<MalformedList> cases{
        {"a truncated Int32", "Left \x00\x00\x01"s, "Left", 13, false},
        {"an unknown key", "Colour \x01"s, "Colour", 8, true},
        {"a key without its blank", "Left"s, "Left", 8, false},
        {"an empty key", " \x01"s, "", 8, true},
        {"a String past the end", "Text \x00\x00\x00\x10" "abc"s, "Text", 13, false},
        {"a String length of four thousand million", "Text \xFF\xFF\xFF\xFF"s, "Text", 13, true},
        {"a Boolean of 2", "Visible \x02"s, "Visible", 16, true},
        {"a Boolean cut off", "Visible "s, "Visible", 16, false},
        {"a Color cut off", "TextColor \xFF\xFF"s, "TextColor", 18, false},
        {"a key of unprintable bytes", "\x80\xFF \x01"s, "\\x80\\xFF", 8, true},
    };
    const std::string good = ListEncoder().add("Top", 42).bytes();
    ASSERT_EQ(good.size(), 8u);
    for (const MalformedList& malformed : cases) {
        SCOPED_TRACE(malformed.what);
        Ref<Label> label = newLabel();
        const std::string after = malformed.followed ? ListEncoder().add("Left", 7).bytes() : std::string();
        const std::string message = faultOf(label.get(), good + malformed.tail + after);
        EXPECT_NE(message.find("\"" + std::string(malformed.key) + "\""), std::string::npos) << message;
        EXPECT_NE(message.find("at offset " + std::to_string(malformed.offset)), std::string::npos) << message;
        EXPECT_EQ(label->top, 42) << "an entry before the fault was undone";
        EXPECT_EQ(label->left, 0) << "an entry after the fault was read";
    }
}

TEST(PropertyList, PropertiesThatAListCannotSetRaise)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    EXPECT_NE(faultOf(window.get(), ListEncoder().add("ControlCount", 3).bytes()).find("read-only"),
        std::string::npos);
    EXPECT_NE(faultOf(window.get(), ListEncoder().add("MenuBar", 0).bytes()).find("o<MenuBar>"), std::string::npos);
}
