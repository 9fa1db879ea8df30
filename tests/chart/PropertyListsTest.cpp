// The 53 property lists: the bytes of the worked examples, the lengths, and
// every list read back with a reader written from the format alone.
#include "chart/LayoutTable.h"
#include "chart/PropertyLists.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

using namespace std::string_view_literals;
using tolvane::chart::controlPropertyList;
using tolvane::chart::ControlKind;
using tolvane::chart::kControls;

namespace {

// The expected lists, written out byte by byte. Adjacent literals keep a
// hex escape from running into the text after it.
constexpr std::string_view kLabel1List =
    "Name \0\0\0\x06" "Label1" "Index \x80\0\0\0" "Left \0\0\0\xBF" "Top \0\0\x03\x3D"
    "Width \0\0\0\x13" "Height \0\0\0\x44"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\0"
    "Text \0\0\0\0" "TextAlign \0\0\0\0" "TextColor \0\0\0" "Multiline \0" "Enabled \x01" "Visible \x01"
    "Selectable \0" "Transparent \0" "HelpTag \0\0\0\0" "AutoDeactivate \x01" "TextFont \0\0\0\x06" "System"
    "Bold \0" "Italic \0" "Underline \0" "DataSource \0\0\0\0" "DataField \0\0\0\0"
    "InitialParent \0\0\0\x0A" "ImageWell2"sv;

constexpr std::string_view kImageWell2List =
    "Name \0\0\0\x0A" "ImageWell2" "Index \x80\0\0\0" "Left \0\0\0\x09" "Top \0\0\x02\xD2"
    "Width \0\0\x03\xE3" "Height \0\0\0\xBF"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\x0D"
    "TabStop \x01" "InitialParent \0\0\0\0" "Visible \x01" "HelpTag \0\0\0\0" "AutoDeactivate \x01"
    "Enabled \x01"sv;

constexpr std::string_view kWindowList =
    "Placement \0\0\0\0" "Width \0\0\x03\xF5" "Height \0\0\x03\x95" "MinWidth \0\0\0\x40" "MinHeight \0\0\0\x40"
    "MaxWidth \0\0\x7D\0" "MaxHeight \0\0\x7D\0" "Frame \0\0\0\0" "Composite \0" "HasBackColor \0"
    "BackColor \xFF\xFF\xFF" "Title \0\0\0\x07" "Tolvane" "Visible \x01" "FullScreen \0" "MenuBarVisible \x01"
    "CloseButton \0" "Resizeable \0" "LiveResize \0" "MaximizeButton \0" "MinimizeButton \0"
    "MacProcID \0\0\0\0"sv;

// A reader independent of the encoder: the value's type follows from the
// key, and a Color reads as its 0xRRGGBB number.
using Value = std::variant<std::int32_t, bool, std::string>;
using Entries = std::vector<std::pair<std::string, Value>>;

Entries decode(std::string_view bytes)
{
    static const std::set<std::string_view> int32Keys{"Placement", "Width", "Height", "MinWidth", "MinHeight",
        "MaxWidth", "MaxHeight", "Frame", "MacProcID", "Index", "Left", "Top", "TabPanelIndex", "TabIndex",
        "TextAlign"};
    static const std::set<std::string_view> colorKeys{"BackColor", "TextColor"};
    static const std::set<std::string_view> stringKeys{
        "Title", "Name", "InitialParent", "Text", "HelpTag", "TextFont", "DataSource", "DataField"};
    std::size_t at = 0;
    auto take = [&](std::size_t count) {
        if (count > bytes.size() - at)
            throw std::runtime_error("the list ends inside an entry");
        at += count;
        return bytes.substr(at - count, count);
    };
    auto number = [&](std::size_t count) {
        std::uint32_t value = 0;
        for (unsigned char byte : take(count))
            value = value << 8 | byte;
        return value;
    };
    Entries entries;
    while (at < bytes.size()) {
        const std::size_t blank = bytes.find(' ', at);
        if (blank == std::string_view::npos)
            throw std::runtime_error("a key without its blank");
        std::string key(take(blank - at));
        take(1);
        if (int32Keys.contains(key) || colorKeys.contains(key)) {
            entries.emplace_back(key, static_cast<std::int32_t>(number(colorKeys.contains(key) ? 3 : 4)));
        } else if (stringKeys.contains(key)) {
            entries.emplace_back(key, std::string(take(number(4))));
        } else if (const std::uint32_t flag = number(1); flag <= 1) {
            entries.emplace_back(key, flag == 1);
        } else {
            throw std::runtime_error("a Boolean other than 0 and 1 for " + key);
        }
    }
    return entries;
}

} // namespace

TEST(PropertyLists, TheWorkedExamplesComeOutByteForByte)
{
    ASSERT_EQ(kControls[0].name, "ImageWell2");
    ASSERT_EQ(kControls[1].name, "Label1");
    EXPECT_EQ(controlPropertyList(0).view(), kImageWell2List);
    EXPECT_EQ(controlPropertyList(1).view(), kLabel1List);
    EXPECT_EQ(tolvane::chart::windowPropertyList().view(), kWindowList);
    EXPECT_EQ(tolvane::chart::windowPropertyList().size(), 274u);
    EXPECT_THROW(controlPropertyList(kControls.size()), std::out_of_range);
}

TEST(PropertyLists, EveryListReadsBackAsItsRowWithTheValuesItsKindShares)
{
    // The worked examples give each kind's keys, their order and the values
    // that every list of the kind shares; the row gives the rest.
    const Entries labelShared = decode(kLabel1List);
    const Entries wellShared = decode(kImageWell2List);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const tolvane::chart::ControlLayout& control = kControls[index];
        SCOPED_TRACE(std::string(control.name));
        const std::string_view list = controlPropertyList(index).view();
        const bool label = control.kind == ControlKind::Label;
        EXPECT_EQ(list.size(), !label ? 213u : control.name.size() == 6 ? 355u : 356u);
        EXPECT_TRUE(list.ends_with(label ? "InitialParent \0\0\0\x0A" "ImageWell2"sv : "Enabled \x01"sv));

        const std::map<std::string_view, Value> row{{"Name", std::string(control.name)},
            {"Left", control.rect.left}, {"Top", control.rect.top}, {"Width", control.rect.width},
            {"Height", control.rect.height}, {"TabIndex", control.tabIndex}};
        Entries expected = label ? labelShared : wellShared;
        for (auto& [key, value] : expected) {
            if (auto fromRow = row.find(key); fromRow != row.end())
                value = fromRow->second;
        }
        Entries read;
        ASSERT_NO_THROW(read = decode(list));
        EXPECT_TRUE(read == expected);
    }
}
