#include "app/MenuBar1.h"

#include "app/PublicMethodRecord.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tolvane {

namespace {
// One menu or menu item, in building order.
struct MenuRow {
    std::string_view name;
    std::string_view text;
    // Not set (nullopt) for the separators: their shortcut setter is not
    // called at all, which differs from an empty shortcut.
    std::optional<std::string_view> keyboardShortcut;
    fw::ClassRecord& (*itemClass)();
    // The menu the item goes into, by Name; empty for the menu bar itself.
    std::string_view parent;
};

constexpr std::string_view kMenuBar = {};

constexpr std::array kMenuRows{
    MenuRow{"FileMenu", "&File", "", &fw::MenuItem::__Lookup, kMenuBar},
    MenuRow{"FileQuit", "&Quit", "Cmd+Q", &fw::QuitMenuItem::__Lookup, "FileMenu"},
    MenuRow{"EditMenu", "&Edit", "", &fw::MenuItem::__Lookup, kMenuBar},
    MenuRow{"EditUndo", "&Undo", "Cmd+Z", &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"UntitledMenu1", "-", std::nullopt, &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"EditCut", "Cu&t", "Cmd+X", &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"EditCopy", "&Copy", "Cmd+C", &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"EditPaste", "&Paste", "Cmd+V", &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"EditClear", "&Delete", "", &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"UntitledMenu0", "-", std::nullopt, &fw::MenuItem::__Lookup, "EditMenu"},
    MenuRow{"EditSelectAll", "Select &All", "Cmd+A", &fw::MenuItem::__Lookup, "EditMenu"},
};
static_assert(kMenuRows.size() == 11);

// Untitled0 builds the File menu's rows, Untitled1 the Edit menu's.
constexpr std::size_t kFileMenuRowCount = 2;
constexpr std::span<const MenuRow> kFileMenuRows(kMenuRows.data(), kFileMenuRowCount);
constexpr std::span<const MenuRow> kEditMenuRows(
    kMenuRows.data() + kFileMenuRowCount, kMenuRows.size() - kFileMenuRowCount);

void buildMenuRows(MenuBar1* menuBar, std::span<const MenuRow> rows)
{
    fw::MenuItem* bar = menuBar;
    for (const MenuRow& row : rows) {
        fw::Ref<fw::MenuItem> item = fw::RuntimeNewObjectOf<fw::MenuItem>(row.itemClass());
        fw::call(item.get(), fw::MenuItemSlot::Constructor);
        fw::MenuItem::Name_Set(fw::requireObject(item), 0, row.name);
        fw::MenuItem::AutoEnable_Set(fw::requireObject(item), 0, true);
        fw::MenuItem::Text_Set(fw::requireObject(item), 0, row.text);
        if (row.keyboardShortcut)
            fw::MenuItem::KeyboardShortcut_Set(fw::requireObject(item), 0, *row.keyboardShortcut);

        if (row.parent == kMenuBar) {
            fw::call(bar, fw::MenuItemSlot::Append, item.get());
            continue;
        }
        // The menu is found anew for every item, by its Name.
        fw::Ref<fw::MenuItem> menu = fw::call(bar, fw::MenuItemSlot::Child, fw::String(row.parent));
        fw::call(fw::requireObject(menu), fw::MenuItemSlot::Append, item.get());
    }
}
} // namespace

fw::ClassRecord& MenuBar1::__Lookup()
{
    __ctblinit();
    return *s_classRecord;
}

void MenuBar1::__ctblinit()
{
    if (s_classRecord)
        return;
    fw::ClassRecord& base = fw::MenuBar::__Lookup();
    fw::ClassRecord& record = fw::RuntimeNewClass<MenuBar1>(&base, MenuBar1Slot::MethodRecordCount, 0,
        fw::MenuBarSlot::EventRecordCount, 0, fw::MenuBarSlot::PropertyRecordCount, 1);
    s_classRecord = &record;
    record.name = "MenuBar1.MenuBar1";
    record.instanceSize = base.instanceSize;

    record.vtable = fw::RuntimeNewVtable(MenuBar1Slot::OperationCount);
    record.vtableCount = MenuBar1Slot::OperationCount;
    std::copy_n(base.vtable.begin(), fw::MenuBarSlot::OperationCount, record.vtable.begin());
    fw::fill(record.vtable, MenuBar1Slot::Constructor, &MenuBar1::Constructor);
    fw::fill(record.vtable, MenuBar1Slot::Untitled0, &MenuBar1::Untitled0);
    fw::fill(record.vtable, MenuBar1Slot::Untitled1, &MenuBar1::Untitled1);

    std::size_t own = fw::MenuBarSlot::MethodRecordCount;
    record.methods[own] = publicMethodRecord("Untitled0", "%%", &MenuBar1::Untitled0);
    record.methods[own + 1] = publicMethodRecord("Untitled1", "%%", &MenuBar1::Untitled1);
    record.methods[own + 2] = publicMethodRecord("Constructor", "%%", &MenuBar1::Constructor);

    record.classAttributes[0] = fw::publicScope();
}

void MenuBar1::Constructor(fw::MenuItem* item)
{
    fw::Ref<MenuBar1> menuBar = fw::RuntimeCheckCast<MenuBar1>(item);
    fw::call(fw::requireObject(menuBar), MenuBar1Slot::Untitled0);
    fw::call(fw::requireObject(menuBar), MenuBar1Slot::Untitled1);
}

void MenuBar1::Untitled0(MenuBar1* menuBar)
{
    buildMenuRows(menuBar, kFileMenuRows);
}

void MenuBar1::Untitled1(MenuBar1* menuBar)
{
    buildMenuRows(menuBar, kEditMenuRows);
}

void MenuBar1::ImplicitInstance::__Exit()
{
    m_instance = nullptr;
}

namespace implicit {
fw::Ref<::tolvane::MenuBar1> MenuBar1()
{
    auto& global = ::tolvane::MenuBar1::_implicitInstance;
    if (!global.m_instance) {
        fw::Ref<::tolvane::MenuBar1> created =
            fw::RuntimeNewObjectOf<::tolvane::MenuBar1>(::tolvane::MenuBar1::__Lookup());
        fw::MenuItem* item = created.get();
        fw::call(item, MenuBar1Slot::Constructor);
        // Stored only once built: a constructor that raised leaves the
        // global empty, and the next request starts over.
        global.m_instance = std::move(created);
    }
    return global.m_instance;
}
} // namespace implicit

} // namespace tolvane
