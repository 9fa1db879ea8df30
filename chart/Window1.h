// The chart window's class: the one window of the application, with the
// keyboard picture along its bottom, the 48 key labels over it, the two
// saxophone pictures and the centre well that shows the pressed note.
//
// Every operation is a static function taking the window first, so that it
// can stand in the class table and be called through it. The instance adds
// one Int32 run-time field to Window's, which stores the property Untitled.
#pragma once

#include "chart/HandlerRows.h"
#include "chart/LayoutTable.h"
#include "chart/MenuItemTable.h"
#include "chart/Window1Slot.h"

#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Window.h"

#include <cstdint>
#include <string_view>

namespace tolvane {

class Window1 final : public fw::Window {
public:
    explicit Window1(fw::ClassRecord& record);

    // The name under which the framework holds the implicit instance.
    static constexpr std::string_view kClassName = "Window1.Window1";

    static fw::ClassRecord& __Lookup();
    static void __ctblinit();

    // The construction events, which the framework runs once each.
    static void Layout(fw::Window* window);
    static void CreateControls(fw::Window* window);
    // The two halves of CreateControls: creation positions 1-30 and 31-52.
    // They take the window as the events do, so that all four share one
    // signature and one reflection invoker.
    static void _CreateControls0(fw::Window* window);
    static void _CreateControls1(fw::Window* window);

    // One accessor per control, named after it: a fresh look-up by name.
#define TOLVANE_WELL_ACCESSOR(name, left, top, width, height, tabIndex, picture, handler) \
    static fw::Ref<fw::ImageWell> name(Window1* window);
#define TOLVANE_LABEL_ACCESSOR(name, left, top, width, height, tabIndex, handler, picture, sound) \
    static fw::Ref<fw::Label> name(Window1* window);
    TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_ACCESSOR, TOLVANE_LABEL_ACCESSOR)
#undef TOLVANE_WELL_ACCESSOR
#undef TOLVANE_LABEL_ACCESSOR

    // The handlers bound to the controls' events: the keyboard well's key
    // handler, and one mouse-down handler per key label, which shows and
    // plays that label's note.
#define TOLVANE_WELL_HANDLER(name, left, top, width, height, tabIndex, picture, handler) \
    TOLVANE_IF_HANDLER(handler, static bool handler(Window1* window, fw::ImageWell* well, fw::String key);)
#define TOLVANE_LABEL_HANDLER(name, left, top, width, height, tabIndex, handler, picture, sound) \
    static bool handler(Window1* window, fw::Label* label, std::int32_t x, std::int32_t y);
    TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_HANDLER, TOLVANE_LABEL_HANDLER)
#undef TOLVANE_WELL_HANDLER
#undef TOLVANE_LABEL_HANDLER

    // One accessor per item of the window's menu bar, named after the item.
#define TOLVANE_MENU_ITEM_ACCESSOR(name, resultClass) static fw::Ref<fw::resultClass> name(Window1* window);
    TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_MENU_ITEM_ACCESSOR)
#undef TOLVANE_MENU_ITEM_ACCESSOR
};

namespace implicit {
// The window, created with its controls on the first call; later calls hand
// out the same window. Never nil.
fw::Ref<::tolvane::Window1> Window1();
} // namespace implicit

} // namespace tolvane
