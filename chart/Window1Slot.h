// The places of Window1's own operations in its class table: Window's 51
// first, then the four creation routines, the 52 control accessors in
// creation order, the key handlers in the same order and the 11 menu-item
// accessors. Each place is a typed Slot constant named after its operation,
// so that a call through the table names what it calls and cannot get the
// operation's type wrong.
#pragma once

#include "chart/EventGlue.h"
#include "chart/HandlerRows.h"
#include "chart/LayoutTable.h"
#include "chart/MenuItemTable.h"

#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace tolvane {

class Window1;

namespace Window1Slot {

inline constexpr std::array<std::string_view, 4> kCreationRoutines{
    "Layout", "CreateControls", "_CreateControls0", "_CreateControls1"};
inline constexpr std::size_t kHandlerCount = 49;
inline constexpr std::size_t OwnOperationCount =
    kCreationRoutines.size() + chart::kControlCount + kHandlerCount + chart::kMenuItemCount;
inline constexpr std::size_t OperationCount = fw::WindowSlot::OperationCount + OwnOperationCount;
inline constexpr std::size_t MethodRecordCount = fw::WindowSlot::MethodRecordCount + OwnOperationCount;
inline constexpr std::size_t EventRecordCount = fw::WindowSlot::EventRecordCount;
inline constexpr std::size_t PropertyRecordCount = fw::WindowSlot::PropertyRecordCount + 1;
inline constexpr std::size_t ClassAttributeCount = 1;

static_assert(OwnOperationCount == 116);
static_assert(OperationCount == 167);
static_assert(MethodRecordCount == 246);
static_assert(EventRecordCount == 33);
static_assert(PropertyRecordCount == 50);

// The own operations' names in class-table order.
inline constexpr std::array<std::string_view, OwnOperationCount> kOwnOperations = [] {
    std::array<std::string_view, OwnOperationCount> names{};
    std::size_t next = 0;
    for (std::string_view routine : kCreationRoutines)
        names[next++] = routine;
    for (const chart::ControlLayout& control : chart::kControls)
        names[next++] = control.name;
    for (const chart::ControlLayout& control : chart::kControls) {
        if (!control.handler.empty())
            names[next++] = control.handler;
    }
    for (std::string_view item : chart::kMenuItemNames)
        names[next++] = item;
    return names;
}();

static_assert(std::none_of(kOwnOperations.begin(), kOwnOperations.end(), [](std::string_view name) {
    return name.empty();
}), "every own place is named: the table holds exactly 49 handlers");

static_assert([] {
    for (std::size_t a = 0; a < kOwnOperations.size(); ++a) {
        for (std::size_t b = a + 1; b < kOwnOperations.size(); ++b) {
            if (kOwnOperations[a] == kOwnOperations[b])
                return false;
        }
    }
    return true;
}(), "no two own operations share a name");

// Only ever evaluated at compile time: a slot naming no own operation does
// not compile.
constexpr std::size_t placeOf(std::string_view name)
{
    for (std::size_t index = 0; index < kOwnOperations.size(); ++index) {
        if (kOwnOperations[index] == name)
            return fw::WindowSlot::OperationCount + index;
    }
    throw std::logic_error("not an own operation of Window1");
}

inline constexpr fw::Slot<void(fw::Window*)> Layout{placeOf("Layout")};
inline constexpr fw::Slot<void(fw::Window*)> CreateControls{placeOf("CreateControls")};
inline constexpr fw::Slot<void(fw::Window*)> _CreateControls0{placeOf("_CreateControls0")};
inline constexpr fw::Slot<void(fw::Window*)> _CreateControls1{placeOf("_CreateControls1")};

#define TOLVANE_WELL_SLOTS(name, left, top, width, height, tabIndex, picture, handler) \
    inline constexpr fw::Slot<fw::Ref<fw::ImageWell>(Window1*)> name{placeOf(#name)}; \
    TOLVANE_IF_HANDLER(handler, \
        inline constexpr fw::Slot<EventGlue<fw::ImageWell>::Handler> handler{placeOf(#handler)};)
#define TOLVANE_LABEL_SLOTS(name, left, top, width, height, tabIndex, handler, picture, sound) \
    inline constexpr fw::Slot<fw::Ref<fw::Label>(Window1*)> name{placeOf(#name)}; \
    inline constexpr fw::Slot<EventGlue<fw::Label>::Handler> handler{placeOf(#handler)};
TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_SLOTS, TOLVANE_LABEL_SLOTS)
#undef TOLVANE_WELL_SLOTS
#undef TOLVANE_LABEL_SLOTS

#define TOLVANE_MENU_ITEM_SLOT(name, resultClass) \
    inline constexpr fw::Slot<fw::Ref<fw::resultClass>(Window1*)> name{placeOf(#name)};
TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_MENU_ITEM_SLOT)
#undef TOLVANE_MENU_ITEM_SLOT

// The handler bound to each control, by creation index, as a place in the
// table; 0 for the controls that have none.
inline constexpr std::array<std::size_t, chart::kControlCount> kHandlerPlaces = [] {
    std::array<std::size_t, chart::kControlCount> places{};
    for (std::size_t index = 0; index < chart::kControlCount; ++index) {
        if (!chart::kControls[index].handler.empty())
            places[index] = placeOf(chart::kControls[index].handler);
    }
    return places;
}();

static_assert(Layout.index == fw::WindowSlot::OperationCount, "the own operations follow Window's");
static_assert(FileQuit.index == OperationCount - 1, "every own operation has a place of its own");
static_assert(ImageWell2.index == _CreateControls1.index + 1);
static_assert(ImageWell2_KeyDown.index == ImageWell4.index + 1);
static_assert(Label49_MouseDown.index + 1 == EditMenu.index);

} // namespace Window1Slot
} // namespace tolvane
