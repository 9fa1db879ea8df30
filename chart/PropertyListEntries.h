// The keys of each kind of property list (the window's, an image well's, a
// label's) in the order the list holds them, with the values that every list
// of the kind shares. The values that differ from control to control (name,
// rectangle, tab index) are read from the control's row of the layout table,
// so these three tables and that one give all 53 lists.
#pragma once

#include "chart/LayoutTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace tolvane::chart {

enum class ValueType : std::uint8_t { Int32, Boolean, Color, String };

// Where an entry's value comes from: the kind's shared constant, or a field
// of the control's row.
enum class ValueSource : std::uint8_t { Shared, Name, Left, Top, Width, Height, TabIndex };

struct ListEntry {
    std::string_view key;
    ValueType type;
    ValueSource source = ValueSource::Shared;
    std::int32_t number = 0;    // Int32, Boolean (0 or 1), Color (0xRRGGBB)
    std::string_view text = {}; // String
};

constexpr ListEntry int32Entry(std::string_view key, std::int32_t value)
{
    return {key, ValueType::Int32, ValueSource::Shared, value};
}
constexpr ListEntry booleanEntry(std::string_view key, bool value)
{
    return {key, ValueType::Boolean, ValueSource::Shared, value ? 1 : 0};
}
constexpr ListEntry colorEntry(std::string_view key, std::int32_t rgb)
{
    return {key, ValueType::Color, ValueSource::Shared, rgb};
}
constexpr ListEntry stringEntry(std::string_view key, std::string_view text)
{
    return {key, ValueType::String, ValueSource::Shared, 0, text};
}
constexpr ListEntry rowEntry(std::string_view key, ValueSource source)
{
    return {key, source == ValueSource::Name ? ValueType::String : ValueType::Int32, source};
}

// No control is found by index, only by name: each carries the smallest
// Int32 as its Index.
inline constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kBlack = 0x000000;

inline constexpr std::array<ListEntry, 21> kWindowEntries{{
    int32Entry("Placement", 0),
    int32Entry("Width", kWindowWidth),
    int32Entry("Height", kWindowHeight),
    int32Entry("MinWidth", 64),
    int32Entry("MinHeight", 64),
    int32Entry("MaxWidth", 32000),
    int32Entry("MaxHeight", 32000),
    int32Entry("Frame", 0),
    booleanEntry("Composite", false),
    booleanEntry("HasBackColor", false),
    colorEntry("BackColor", kWhite),
    stringEntry("Title", kWindowTitle),
    booleanEntry("Visible", true),
    booleanEntry("FullScreen", false),
    booleanEntry("MenuBarVisible", true),
    booleanEntry("CloseButton", false),
    booleanEntry("Resizeable", false),
    booleanEntry("LiveResize", false),
    booleanEntry("MaximizeButton", false),
    booleanEntry("MinimizeButton", false),
    // The key's letter case differs from the property it sets (MacProcId).
    int32Entry("MacProcID", 0),
}};

// Both kinds of control list open with the same twelve keys; the control's
// own values are all among them.
inline constexpr std::array<ListEntry, 12> kControlEntries{{
    rowEntry("Name", ValueSource::Name),
    int32Entry("Index", kNoIndex),
    rowEntry("Left", ValueSource::Left),
    rowEntry("Top", ValueSource::Top),
    rowEntry("Width", ValueSource::Width),
    rowEntry("Height", ValueSource::Height),
    booleanEntry("LockLeft", true),
    booleanEntry("LockTop", true),
    booleanEntry("LockRight", false),
    booleanEntry("LockBottom", false),
    int32Entry("TabPanelIndex", 0),
    rowEntry("TabIndex", ValueSource::TabIndex),
}};

template<std::size_t Count>
constexpr std::array<ListEntry, kControlEntries.size() + Count> controlEntriesThen(
    const std::array<ListEntry, Count>& rest)
{
    std::array<ListEntry, kControlEntries.size() + Count> entries{};
    std::copy(kControlEntries.begin(), kControlEntries.end(), entries.begin());
    std::copy(rest.begin(), rest.end(), entries.begin() + kControlEntries.size());
    return entries;
}

inline constexpr auto kImageWellEntries = controlEntriesThen(std::array<ListEntry, 6>{{
    booleanEntry("TabStop", true),
    stringEntry("InitialParent", ""),
    booleanEntry("Visible", true),
    stringEntry("HelpTag", ""),
    booleanEntry("AutoDeactivate", true),
    booleanEntry("Enabled", true),
}});

inline constexpr auto kLabelEntries = controlEntriesThen(std::array<ListEntry, 17>{{
    stringEntry("Text", ""),
    int32Entry("TextAlign", 0),
    colorEntry("TextColor", kBlack),
    // The key's letter case differs from the property it sets (MultiLine).
    booleanEntry("Multiline", false),
    booleanEntry("Enabled", true),
    booleanEntry("Visible", true),
    booleanEntry("Selectable", false),
    booleanEntry("Transparent", false),
    stringEntry("HelpTag", ""),
    booleanEntry("AutoDeactivate", true),
    stringEntry("TextFont", "System"),
    booleanEntry("Bold", false),
    booleanEntry("Italic", false),
    booleanEntry("Underline", false),
    stringEntry("DataSource", ""),
    stringEntry("DataField", ""),
    // The labels lie over the keyboard picture, which is their parent.
    stringEntry("InitialParent", kKeyboardWell),
}});

constexpr std::span<const ListEntry> entriesOf(ControlKind kind)
{
    if (kind == ControlKind::ImageWell)
        return kImageWellEntries;
    return kLabelEntries;
}

// An entry's value for one control; the window's entries are all shared.
constexpr std::int32_t numberOf(const ListEntry& entry, const ControlLayout* control)
{
    switch (entry.source) {
    case ValueSource::Left: return control->rect.left;
    case ValueSource::Top: return control->rect.top;
    case ValueSource::Width: return control->rect.width;
    case ValueSource::Height: return control->rect.height;
    case ValueSource::TabIndex: return control->tabIndex;
    case ValueSource::Shared:
    case ValueSource::Name: break;
    }
    return entry.number;
}

constexpr std::string_view textOf(const ListEntry& entry, const ControlLayout* control)
{
    return entry.source == ValueSource::Name ? control->name : entry.text;
}

} // namespace tolvane::chart
