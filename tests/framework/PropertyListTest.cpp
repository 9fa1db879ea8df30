// Property lists: the reader behind _SetProperties, on real window and
// label objects, with well-formed lists of every value type and with each
// kind of malformed list.
#include "WindowTestKit.h"

#include "framework/Property.h"

using namespace fw;
using namespace windowtest;
using namespace std::string_literals;

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

} // namespace

TEST(PropertyList, ReadsEveryValueTypeByteForByteWhateverTheKeysCaseAndAnEmptyListSetsNothing)
{
    Ref<Label> label = newLabel();
    // Bytes of every value, and a String that makes the list longer than
    // a one-byte count could reach.
    const std::string text = std::string("\x80\xFF\x00z", 4) + std::string(300, 't');
    // Keys of the class and of its bases, in any case.
    _SetProperties(label.get(),
        String(encodeList({{"name", "Label1"}, {"Index", INT32_MIN}, {"Top", -829}, {"LockLeft", true},
            {"Visible", false}, {"TEXTCOLOR", Color{0x12, 0x80, 0xFF}}, {"Text", text}, {"HelpTag", ""},
            {"Left", 191}})));
    EXPECT_EQ(label->name(), "Label1");
    EXPECT_EQ(label->index, INT32_MIN) << "80 00 00 00 is the smallest Int32";
    EXPECT_EQ(label->top, -829);
    EXPECT_TRUE(label->lockLeft);
    EXPECT_FALSE(label->visible);
    EXPECT_EQ(label->textColor, (Color{0x12, 0x80, 0xFF}));
    EXPECT_EQ(label->text.view(), text) << "the bytes changed on their way";
    EXPECT_TRUE(label->helpTag.view().empty());
    EXPECT_FALSE(label->helpTag.isNil());
    EXPECT_EQ(label->left, 191) << "the entry after an empty String was lost";

    _SetProperties(label.get(), String(""));
    _SetProperties(label.get(), String());
    EXPECT_EQ(label->left, 191) << "an empty list set something";
}

TEST(PropertyList, MalformedListsAndUnsettablePropertiesRaiseNamingKeyAndOffsetAndKeepWhatWasSet)
{
    struct Malformed {
        const char* what;
        std::string tail;   // after a good "Top" entry of 8 bytes
        const char* key;    // the key the message names
        std::size_t offset; // where the fault lies
        bool followed;      // a good "Left" entry comes after the fault
    };
    const Malformed cases[]{
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
    const std::string good = encodeList({{"Top", 42}});
    for (const Malformed& malformed : cases) {
        SCOPED_TRACE(malformed.what);
        Ref<Label> label = newLabel();
        const std::string after = malformed.followed ? encodeList({{"Left", 7}}) : "";
        const std::string message = faultOf(label.get(), good + malformed.tail + after);
        EXPECT_NE(message.find("\""s + malformed.key + "\""), std::string::npos) << message;
        EXPECT_NE(message.find("at offset " + std::to_string(malformed.offset)), std::string::npos) << message;
        EXPECT_EQ(label->top, 42) << "an entry before the fault was undone";
        EXPECT_EQ(label->left, 0) << "an entry after the fault was read";
    }

    // Properties that a list cannot set, and a nil object.
    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    EXPECT_NE(faultOf(window.get(), encodeList({{"ControlCount", 3}})).find("read-only"), std::string::npos);
    EXPECT_NE(faultOf(window.get(), encodeList({{"MenuBar", 0}})).find("o<MenuBar>"), std::string::npos);
    EXPECT_EQ(raisedBy([] { _SetProperties(nullptr, String(encodeList({{"Left", 1}}))); }), "NilObjectException");
}
