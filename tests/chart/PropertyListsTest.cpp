// The 53 property lists: the bytes of the worked examples, the lengths, and
// every list read back with a reader written from the format alone.
#include "chart/LayoutTable.h"
#include "chart/PropertyLists.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <variant>
#include <vector>

using namespace std::string_view_literals;
using tolvane::chart::ControlKind;
using tolvane::chart::ControlLayout;
using tolvane::chart::kControls;

namespace {

// The expected lists, written out byte by byte. Adjacent literals keep a
// hex escape from running into the text after it.
constexpr std::string_view kLabel1List =
    "Name \0\0\0\x06" "Label1"
    "Index \x80\0\0\0"
    "Left \0\0\0\xBF"
    "Top \0\0\x03\x3D"
    "Width \0\0\0\x13"
    "Height \0\0\0\x44"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0"
    "TabPanelIndex \0\0\0\0"
    "TabIndex \0\0\0\0"
    "Text \0\0\0\0"
    "TextAlign \0\0\0\0"
    "TextColor \0\0\0"
    "Multiline \0" "Enabled \x01" "Visible \x01" "Selectable \0" "Transparent \0"
    "HelpTag \0\0\0\0"
    "AutoDeactivate \x01"
    "TextFont \0\0\0\x06" "System"
    "Bold \0" "Italic \0" "Underline \0"
    "DataSource \0\0\0\0"
    "DataField \0\0\0\0"
    "InitialParent \0\0\0\x0A" "ImageWell2"sv;

constexpr std::string_view kImageWell2List =
    "Name \0\0\0\x0A" "ImageWell2"
    "Index \x80\0\0\0"
    "Left \0\0\0\x09"
    "Top \0\0\x02\xD2"
    "Width \0\0\x03\xE3"
    "Height \0\0\0\xBF"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0"
    "TabPanelIndex \0\0\0\0"
    "TabIndex \0\0\0\x0D"
    "TabStop \x01"
    "InitialParent \0\0\0\0"
    "Visible \x01"
    "HelpTag \0\0\0\0"
    "AutoDeactivate \x01"
    "Enabled \x01"sv;

constexpr std::string_view kWindowList =
    "Placement \0\0\0\0"
    "Width \0\0\x03\xF5"
    "Height \0\0\x03\x95"
    "MinWidth \0\0\0\x40" "MinHeight \0\0\0\x40"
    "MaxWidth \0\0\x7D\0" "MaxHeight \0\0\x7D\0"
    "Frame \0\0\0\0"
    "Composite \0" "HasBackColor \0"
    "BackColor \xFF\xFF\xFF"
    "Title \0\0\0\x07" "Tolvane"
    "Visible \x01" "FullScreen \0" "MenuBarVisible \x01" "CloseButton \0" "Resizeable \0"
    "LiveResize \0" "MaximizeButton \0" "MinimizeButton \0"
    "MacProcID \0\0\0\0"sv;

// A reader of the format, independent of the encoder: the value types come
// from the keys.
using Value = std::variant<std::int32_t, bool, std::uint32_t /* colour */, std::string>;
struct Entry {
    std::string key;
    Value value;
};

enum class Type { Int32, Boolean, Color, String };

const std::map<std::string, Type, std::less<>> kKeyTypes{
    {"Placement", Type::Int32}, {"Width", Type::Int32}, {"Height", Type::Int32}, {"MinWidth", Type::Int32},
    {"MinHeight", Type::Int32}, {"MaxWidth", Type::Int32}, {"MaxHeight", Type::Int32}, {"Frame", Type::Int32},
    {"Composite", Type::Boolean}, {"HasBackColor", Type::Boolean}, {"BackColor", Type::Color},
    {"Title", Type::String}, {"Visible", Type::Boolean}, {"FullScreen", Type::Boolean},
    {"MenuBarVisible", Type::Boolean}, {"CloseButton", Type::Boolean}, {"Resizeable", Type::Boolean},
    {"LiveResize", Type::Boolean}, {"MaximizeButton", Type::Boolean}, {"MinimizeButton", Type::Boolean},
    {"MacProcID", Type::Int32}, {"Name", Type::String}, {"Index", Type::Int32}, {"Left", Type::Int32},
    {"Top", Type::Int32}, {"LockLeft", Type::Boolean}, {"LockTop", Type::Boolean}, {"LockRight", Type::Boolean},
    {"LockBottom", Type::Boolean}, {"TabPanelIndex", Type::Int32}, {"TabIndex", Type::Int32},
    {"TabStop", Type::Boolean}, {"InitialParent", Type::String}, {"Text", Type::String},
    {"TextAlign", Type::Int32}, {"TextColor", Type::Color}, {"Multiline", Type::Boolean},
    {"Enabled", Type::Boolean}, {"Selectable", Type::Boolean}, {"Transparent", Type::Boolean},
    {"HelpTag", Type::String}, {"AutoDeactivate", Type::Boolean}, {"TextFont", Type::String},
    {"Bold", Type::Boolean}, {"Italic", Type::Boolean}, {"Underline", Type::Boolean},
    {"DataSource", Type::String}, {"DataField", Type::String},
};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Reads a whole list; fails the test on anything but an exact fit.
std::vector<Entry> decode(std::string_view bytes)
{
    std::vector<Entry> entries;
    std::size_t at = 0;
    auto need = [&](std::size_t count) {
        if (at + count > bytes.size())
            throw std::runtime_error("list ends inside an entry at " + std::to_string(at));
    };
    while (at < bytes.size()) {
        std::size_t blank = bytes.find(' ', at);
        if (blank == std::string_view::npos)
            throw std::runtime_error("key without a blank at " + std::to_string(at));
        std::string key(bytes.substr(at, blank - at));
        auto type = kKeyTypes.find(key);
        if (type == kKeyTypes.end())
            throw std::runtime_error("unknown key " + key);
        at = blank + 1;
        switch (type->second) {
        case Type::Int32:
            need(4);
            entries.push_back({key, static_cast<std::int32_t>(bigEndian(bytes, at, 4))});
            at += 4;
            break;
        case Type::Boolean:
            need(1);
            if (bytes[at] != 0 && bytes[at] != 1)
                throw std::runtime_error("Boolean byte other than 0 and 1 for " + key);
            entries.push_back({key, bytes[at] == 1});
            at += 1;
            break;
        case Type::Color:
            need(3);
            entries.push_back({key, bigEndian(bytes, at, 3)});
            at += 3;
            break;
        case Type::String: {
            need(4);
            std::size_t length = bigEndian(bytes, at, 4);
            at += 4;
            need(length);
            entries.push_back({key, std::string(bytes.substr(at, length))});
            at += length;
            break;
        }
        }
    }
    return entries;
}

std::string_view controlListOf(std::size_t index)
{
    return tolvane::chart::controlPropertyList(index).view();
}

} // namespace

TEST(PropertyLists, Label1AndTheWindowAreByteForByteTheWorkedExamples)
{
    ASSERT_EQ(kControls[1].name, "Label1");
    EXPECT_EQ(controlListOf(1), kLabel1List);
    EXPECT_EQ(controlListOf(0), kImageWell2List);
    EXPECT_EQ(tolvane::chart::windowPropertyList().view(), kWindowList);
}

TEST(PropertyLists, LengthsAreExactAndBeyondOneByteOfCount)
{
    EXPECT_EQ(tolvane::chart::windowPropertyList().size(), 274u);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& control = kControls[index];
        std::size_t expected = control.kind == ControlKind::ImageWell ? 213 : control.name.size() == 6 ? 355 : 356;
        EXPECT_EQ(controlListOf(index).size(), expected) << control.name;
    }
}

TEST(PropertyLists, EveryLabelListEndsNamingTheKeyboardWellAndEveryWellListWithEnabled)
{
    constexpr std::string_view labelTail = "InitialParent \0\0\0\x0A" "ImageWell2"sv;
    constexpr std::string_view wellTail = "Enabled \x01"sv;
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        std::string_view list = controlListOf(index);
        std::string_view tail = kControls[index].kind == ControlKind::Label ? labelTail : wellTail;
        EXPECT_TRUE(list.ends_with(tail)) << kControls[index].name;
    }
}

TEST(PropertyLists, EveryListReadsBackAsItsRowWithTheValuesItsKindShares)
{
    // The worked examples give each kind's keys, their order and the values
    // every list of the kind shares; a row gives the rest.
    const std::vector<Entry> labelReference = decode(kLabel1List);
    const std::vector<Entry> wellReference = decode(kImageWell2List);

    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& control = kControls[index];
        SCOPED_TRACE(std::string(control.name));
        std::vector<Entry> entries;
        ASSERT_NO_THROW(entries = decode(controlListOf(index)));
        const std::vector<Entry>& reference = control.kind == ControlKind::Label ? labelReference : wellReference;
        ASSERT_EQ(entries.size(), reference.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& entry = entries[i];
            ASSERT_EQ(entry.key, reference[i].key);
            if (entry.key == "Name")
                EXPECT_EQ(entry.value, Value(std::string(control.name)));
            else if (entry.key == "Left")
                EXPECT_EQ(entry.value, Value(control.rect.left));
            else if (entry.key == "Top")
                EXPECT_EQ(entry.value, Value(control.rect.top));
            else if (entry.key == "Width")
                EXPECT_EQ(entry.value, Value(control.rect.width));
            else if (entry.key == "Height")
                EXPECT_EQ(entry.value, Value(control.rect.height));
            else if (entry.key == "TabIndex")
                EXPECT_EQ(entry.value, Value(control.tabIndex));
            else
                EXPECT_EQ(entry.value, reference[i].value) << entry.key;
        }
    }
}

TEST(PropertyLists, ListsAreEncodedOnceAndHandedOutAsTheSameBytes)
{
    const fw::String& first = tolvane::chart::controlPropertyList(20);
    const fw::String& second = tolvane::chart::controlPropertyList(20);
    EXPECT_EQ(first.view().data(), second.view().data());
    EXPECT_EQ(tolvane::chart::windowPropertyList().view().data(),
        tolvane::chart::windowPropertyList().view().data());
    EXPECT_THROW(tolvane::chart::controlPropertyList(kControls.size()), std::out_of_range);
}
