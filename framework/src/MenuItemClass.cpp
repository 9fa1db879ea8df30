// The class record of MenuItem: its operations in class-table order and its
// properties. The accessors and the operations with which a menu is built,
// walked and searched are published as plug-in entries.
#include "framework/MenuItem.h"

#include "NativeMembers_p.h"

namespace fw {

namespace {
std::vector<NativeOperation> menuItemOperations()
{
    using namespace MenuItemSlot;
    using I = MenuItem;
    return {
        nativeOperation(Enable, "Enable", "%%", &I::Enable),
        nativeOperation(Close, "Close", "%%", &I::Close),
        publishedOperation(Item, "Item", "%o<MenuItem>%i4", &I::Item),
        publishedOperation(Count, "Count", "%i4%", &I::Count),
        publishedOperation(Child, "Child", "%o<MenuItem>%s", &I::Child),
        publishedOperation(Append, "Append", "%%o<MenuItem>", &I::Append),
        publishedOperation(Insert, "Insert", "%%i4o<MenuItem>", &I::Insert),
        nativeOperation(RemoveAt, "Remove", "%%i4", &I::RemoveAt),
        nativeOperation(RemoveItem, "Remove", "%%o<MenuItem>", &I::RemoveItem),
        nativeOperation(RemoveNamed, "Remove", "%%s", &I::RemoveNamed),
        publishedOperation(_Lookup, "_Lookup", "%o<MenuItem>%s", &I::_Lookup),
        nativeOperation(_LookupIndexed, "_Lookup", "%o<MenuItem>%si4", &I::_LookupIndexed),
        nativeOperation(MenuItemDefault, "MenuItem", "%%", &I::Constructor),
        nativeOperation(ConstructorWithText, "Constructor", "%%sv", &I::ConstructorWithText),
        nativeOperation(PopUp, "PopUp", "%o<MenuItem>%", &I::PopUp),
        nativeOperation(PopUpAt, "PopUp", "%o<MenuItem>%i4i4", &I::PopUpAt),
        nativeOperation(_Swap, "_Swap", "%%so<MenuItem>", &I::_Swap),
        nativeOperation(_DisableEntirely, "_DisableEntirely", "%%", &I::_DisableEntirely),
        nativeOperation(_SelfEnable, "_SelfEnable", "%%", &I::_SelfEnable),
        nativeOperation(MenuItemWithText, "MenuItem", "%%sv", &I::ConstructorWithText),
        publishedOperation(Constructor, "Constructor", "%%", &I::Constructor),
        nativeOperation(Clone, "Clone", "%o<MenuItem>%", &I::Clone),
        nativeOperation(ConstructorCopy, "Constructor", "%%o<MenuItem>", &I::ConstructorCopy),
    };
}

std::vector<NativeAccessor> menuItemAccessors()
{
    using I = MenuItem;
    return {
        publishedAccessor<&I::Name_Get, &I::Name_Set>("Name", "s"),
        publishedAccessor<&I::Text_Get, &I::Text_Set>("Text", "s"),
        publishedAccessor<&I::KeyboardShortcut_Get, &I::KeyboardShortcut_Set>("KeyboardShortcut", "s"),
        publishedAccessor<&I::AutoEnable_Get, &I::AutoEnable_Set>("AutoEnable", "b"),
        publishedAccessor<&I::Enabled_Get, &I::Enabled_Set>("Enabled", "b"),
        publishedAccessor<&I::Checked_Get, &I::Checked_Set>("Checked", "b"),
        publishedAccessor<&I::Visible_Get, &I::Visible_Set>("Visible", "b"),
        publishedAccessor<&I::HelpTag_Get, &I::HelpTag_Set>("HelpTag", "s"),
        publishedAccessor<&I::Bold_Get, &I::Bold_Set>("Bold", "b"),
        publishedAccessor<&I::Italic_Get, &I::Italic_Set>("Italic", "b"),
        publishedAccessor<&I::Index_Get>("Index", "i4"),
        publishedAccessor<&I::Parent_Get>("Parent", "o<MenuItem>"),
        publishedAccessor<&I::IsSeparator_Get>("IsSeparator", "b"),
        publishedAccessor<&I::ShortcutText_Get>("ShortcutText", "s"),
        publishedAccessor<&I::Mnemonic_Get>("Mnemonic", "s"),
        publishedAccessor<&I::HasChildren_Get>("HasChildren", "b"),
    };
}
} // namespace

ClassRecord& MenuItem::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<MenuItem>(
        {
            .name = "MenuItem",
            .base = &ObjectClass(),
            .events = {"Action", "EnableMenu"},
            .operationCount = MenuItemSlot::OperationCount,
        },
        menuItemOperations(), menuItemAccessors());
    return record;
}

} // namespace fw
