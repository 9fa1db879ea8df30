#include "chart/PropertyLists.h"

#include "chart/PropertyListEncoder.h"
#include "chart/PropertyListEntries.h"

#include <array>

namespace tolvane::chart {
namespace {

static_assert(kWindowEntries.size() == 21);
static_assert(kImageWellEntries.size() == 18);
static_assert(kLabelEntries.size() == 29);

std::string encode(std::span<const ListEntry> entries, const ControlLayout* control)
{
    PropertyListEncoder list;
    for (const ListEntry& entry : entries) {
        switch (entry.type) {
        case ValueType::Int32: list.int32(entry.key, numberOf(entry, control)); break;
        case ValueType::Boolean: list.boolean(entry.key, numberOf(entry, control) != 0); break;
        case ValueType::Color: list.color(entry.key, static_cast<std::uint32_t>(numberOf(entry, control))); break;
        case ValueType::String: list.string(entry.key, textOf(entry, control)); break;
        }
    }
    return list.bytes();
}

} // namespace

const fw::String& windowPropertyList()
{
    static const fw::String list(encode(kWindowEntries, nullptr));
    return list;
}

const fw::String& controlPropertyList(std::size_t creationIndex)
{
    static const std::array<fw::String, kControlCount> lists = [] {
        std::array<fw::String, kControlCount> encoded;
        for (std::size_t index = 0; index < kControlCount; ++index)
            encoded[index] = fw::String(encode(entriesOf(kControls[index].kind), &kControls[index]));
        return encoded;
    }();
    return lists.at(creationIndex);
}

} // namespace tolvane::chart
