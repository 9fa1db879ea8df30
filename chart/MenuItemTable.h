// The menu items of the window's menu bar that the chart window has an
// accessor for, in the order of the window's class table: the Edit menu and
// its items from the bottom up, then the File menu and its item. The names
// are the items' Names, not their Texts ("EditClear" is shown as "&Delete").
//
// ITEM(name, resultClass)
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#define TOLVANE_FOR_EACH_MENU_ITEM(ITEM) \
    ITEM(EditMenu,      MenuItem) \
    ITEM(EditSelectAll, MenuItem) \
    ITEM(UntitledMenu0, MenuItem) \
    ITEM(EditClear,     MenuItem) \
    ITEM(EditPaste,     MenuItem) \
    ITEM(EditCopy,      MenuItem) \
    ITEM(EditCut,       MenuItem) \
    ITEM(UntitledMenu1, MenuItem) \
    ITEM(EditUndo,      MenuItem) \
    ITEM(FileMenu,      MenuItem) \
    ITEM(FileQuit,      QuitMenuItem)

namespace tolvane::chart {

inline constexpr std::size_t kMenuItemCount = 11;

inline constexpr std::array<std::string_view, kMenuItemCount> kMenuItemNames{
#define TOLVANE_MENU_ITEM_NAME(name, resultClass) #name,
    TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_MENU_ITEM_NAME)
#undef TOLVANE_MENU_ITEM_NAME
};

} // namespace tolvane::chart
