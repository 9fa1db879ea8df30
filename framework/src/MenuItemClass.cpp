// The class record of MenuItem: its operations in class-table order and its
// properties, each with the accessors reflection and the plug-in table use.
#include "framework/MenuItem.h"

#include "KeyboardShortcut_p.h"
#include "NativeMembers_p.h"
#include "QtText_p.h"

namespace fw {

namespace {
std::vector<NativeOperation> menuItemOperations()
{
    using namespace MenuItemSlot;
    return {
        nativeOperation(Enable, "Enable", "%%", &MenuItem::Enable),
        nativeOperation(Close, "Close", "%%", &MenuItem::Close),
        nativeOperation(Item, "Item", "%o<MenuItem>%i4", &MenuItem::Item),
        nativeOperation(Count, "Count", "%i4%", &MenuItem::Count),
        nativeOperation(Child, "Child", "%o<MenuItem>%s", &MenuItem::Child),
        nativeOperation(Append, "Append", "%%o<MenuItem>", &MenuItem::Append),
        nativeOperation(Insert, "Insert", "%%i4o<MenuItem>", &MenuItem::Insert),
        nativeOperation(RemoveAt, "Remove", "%%i4", &MenuItem::RemoveAt),
        nativeOperation(RemoveItem, "Remove", "%%o<MenuItem>", &MenuItem::RemoveItem),
        nativeOperation(RemoveNamed, "Remove", "%%s", &MenuItem::RemoveNamed),
        nativeOperation(_Lookup, "_Lookup", "%o<MenuItem>%s", &MenuItem::_Lookup),
        nativeOperation(_LookupIndexed, "_Lookup", "%o<MenuItem>%si4", &MenuItem::_LookupIndexed),
        nativeOperation(MenuItemDefault, "MenuItem", "%%", &MenuItem::Constructor),
        nativeOperation(ConstructorWithText, "Constructor", "%%sv", &MenuItem::ConstructorWithText),
        nativeOperation(PopUp, "PopUp", "%o<MenuItem>%", &MenuItem::PopUp),
        nativeOperation(PopUpAt, "PopUp", "%o<MenuItem>%i4i4", &MenuItem::PopUpAt),
        nativeOperation(_Swap, "_Swap", "%%so<MenuItem>", &MenuItem::_Swap),
        nativeOperation(_DisableEntirely, "_DisableEntirely", "%%", &MenuItem::_DisableEntirely),
        nativeOperation(_SelfEnable, "_SelfEnable", "%%", &MenuItem::_SelfEnable),
        nativeOperation(MenuItemWithText, "MenuItem", "%%sv", &MenuItem::ConstructorWithText),
        nativeOperation(Constructor, "Constructor", "%%", &MenuItem::Constructor),
        nativeOperation(Clone, "Clone", "%o<MenuItem>%", &MenuItem::Clone),
        nativeOperation(ConstructorCopy, "Constructor", "%%o<MenuItem>", &MenuItem::ConstructorCopy),
    };
}

std::vector<NativeAccessor> menuItemAccessors()
{
    using Item = MenuItem;
    return {
        nativeAccessor<Item, String>("Name", "s", [](Item* i) { return i->name(); },
            [](Item* i, String v) { MenuItem::Name_Set(i, 0, v); }),
        nativeAccessor<Item, String>("Text", "s", [](Item* i) { return i->text(); },
            [](Item* i, String v) { MenuItem::Text_Set(i, 0, v); }),
        nativeAccessor<Item, String>("KeyboardShortcut", "s", [](Item* i) { return i->keyboardShortcut(); },
            [](Item* i, String v) { MenuItem::KeyboardShortcut_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("AutoEnable", "b", [](Item* i) { return i->autoEnable(); },
            [](Item* i, bool v) { MenuItem::AutoEnable_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("Enabled", "b", [](Item* i) { return i->enabled(); },
            [](Item* i, bool v) { MenuItem::Enabled_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("Checked", "b", [](Item* i) { return i->checked(); },
            [](Item* i, bool v) { MenuItem::Checked_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("Visible", "b", [](Item* i) { return i->visible(); },
            [](Item* i, bool v) { MenuItem::Visible_Set(i, 0, v); }),
        nativeAccessor<Item, String>("HelpTag", "s", [](Item* i) { return i->helpTag(); },
            [](Item* i, String v) { MenuItem::HelpTag_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("Bold", "b", [](Item* i) { return i->bold(); },
            [](Item* i, bool v) { MenuItem::Bold_Set(i, 0, v); }),
        nativeAccessor<Item, bool>("Italic", "b", [](Item* i) { return i->italic(); },
            [](Item* i, bool v) { MenuItem::Italic_Set(i, 0, v); }),
        nativeAccessor<Item, std::int32_t>("Index", "i4", [](Item* i) { return i->index(); }),
        nativeAccessor<Item, MenuItem*>("Parent", "o<MenuItem>", [](Item* i) { return i->parent(); }),
        nativeAccessor<Item, bool>("IsSeparator", "b", [](Item* i) { return i->isSeparator(); }),
        nativeAccessor<Item, String>("ShortcutText", "s",
            [](Item* i) {
                QKeySequence sequence = nativeKeySequence(i->keyboardShortcut().view());
                return String(sequence.toString(QKeySequence::PortableText).toStdString());
            }),
        nativeAccessor<Item, String>("Mnemonic", "s",
            [](Item* i) {
                QChar mnemonic;
                QString text = toQString(i->text());
                // "&&" is a literal ampersand; the first single "&" marks the key.
                for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
                     at = text.indexOf(u'&', at + 2)) {
                    if (text[at + 1] != u'&') {
                        mnemonic = text[at + 1];
                        break;
                    }
                }
                return String(mnemonic.isNull() ? std::string() : QString(mnemonic).toStdString());
            }),
        nativeAccessor<Item, bool>("HasChildren", "b", [](Item* i) { return !i->children().empty(); }),
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
