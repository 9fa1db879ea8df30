// The accessors of the window's controls and menu items. Each is a function
// of its own, since each stands in the class table and in a method record,
// but all of a kind share one body and differ only in the name they look up.
#include "chart/Window1.h"

#include "chart/ControlLookup.h"

namespace tolvane {
namespace {

template<typename ControlClass>
fw::Ref<ControlClass> controlAccessor(Window1* window, std::string_view name)
{
    if (!window)
        fw::RaiseNilObjectException();
    return controlNamed<ControlClass>(window, fw::String(name));
}

// Searches the window's own menu bar, not the application's; the getter is
// called directly, and it answers for a nil window itself.
template<typename ItemClass>
fw::Ref<ItemClass> menuItemAccessor(Window1* window, std::string_view name)
{
    fw::Ref<fw::MenuBar> menuBar = fw::Window::MenuBar_Get(window, 0);
    fw::MenuItem* root = fw::requireObject(menuBar);
    fw::Ref<fw::MenuItem> item = fw::call(root, fw::MenuItemSlot::_Lookup, fw::String(name));
    return fw::RuntimeCheckCast<ItemClass>(item.get());
}

} // namespace

#define TOLVANE_WELL_ACCESSOR(name, left, top, width, height, tabIndex, picture, handler) \
    fw::Ref<fw::ImageWell> Window1::name(Window1* window) { return controlAccessor<fw::ImageWell>(window, #name); }
#define TOLVANE_LABEL_ACCESSOR(name, left, top, width, height, tabIndex, handler, picture, sound) \
    fw::Ref<fw::Label> Window1::name(Window1* window) { return controlAccessor<fw::Label>(window, #name); }
TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_ACCESSOR, TOLVANE_LABEL_ACCESSOR)
#undef TOLVANE_WELL_ACCESSOR
#undef TOLVANE_LABEL_ACCESSOR

#define TOLVANE_MENU_ITEM_ACCESSOR(name, resultClass) \
    fw::Ref<fw::resultClass> Window1::name(Window1* window) \
    { \
        return menuItemAccessor<fw::resultClass>(window, #name); \
    }
TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_MENU_ITEM_ACCESSOR)
#undef TOLVANE_MENU_ITEM_ACCESSOR

} // namespace tolvane
