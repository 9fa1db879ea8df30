// The 53 property lists against the reference layout: three lists byte for
// byte, every list's length, and every list read back, with a reader written
// from the format alone, as its control's row.
#include "LayoutReference.h"

#include "chart/PropertyLists.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using tolvane::chart::controlPropertyList;
namespace reference = tolvane::reference;

namespace {

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

// The list of the control that the reference places at that creation
// position.
std::string_view listAt(std::size_t created)
{
    return controlPropertyList(created - 1).view();
}

std::size_t createdPositionOf(std::string_view name)
{
    for (const reference::ControlRow& row : reference::kControls) {
        if (row.name == name)
            return row.created;
    }
    throw std::out_of_range("no reference row for " + std::string(name));
}

} // namespace

TEST(PropertyLists, TheWorkedExamplesComeOutByteForByte)
{
    EXPECT_EQ(listAt(createdPositionOf("ImageWell2")), reference::kImageWell2List);
    EXPECT_EQ(listAt(createdPositionOf("Label1")), reference::kLabel1List);
    EXPECT_EQ(tolvane::chart::windowPropertyList().view(), reference::kWindowList);
    EXPECT_EQ(tolvane::chart::windowPropertyList().size(), reference::kWindow.listBytes);
    EXPECT_THROW(controlPropertyList(52), std::out_of_range);
}

TEST(PropertyLists, EveryListIsItsRowsValuesInItsKindsOrderAndLength)
{
    // The reference's whole lists give each kind's keys, their order and
    // the values every list of the kind shares; the row gives the rest.
    const Entries labelShared = decode(reference::kLabel1List);
    const Entries wellShared = decode(reference::kImageWell2List);
    for (const reference::ControlRow& row : reference::kControls) {
        SCOPED_TRACE(std::string(row.name));
        const std::string_view list = listAt(row.created);
        EXPECT_EQ(list.size(), row.listBytes);
        const std::map<std::string_view, Value> own{{"Name", std::string(row.name)}, {"Left", row.left},
            {"Top", row.top}, {"Width", row.width}, {"Height", row.height}, {"TabIndex", row.tabIndex}};
        Entries expected = row.kind == reference::ControlClass::Label ? labelShared : wellShared;
        for (auto& [key, value] : expected) {
            if (auto fromRow = own.find(key); fromRow != own.end())
                value = fromRow->second;
        }
        Entries read;
        ASSERT_NO_THROW(read = decode(list));
        ASSERT_EQ(read.size(), expected.size());
        for (std::size_t entry = 0; entry < read.size(); ++entry)
            EXPECT_EQ(read[entry], expected[entry]);
    }
}
