// Menus: menu items, the menu bar, and the stock Quit item, on Qt menus.
//
// A menu item with children is a menu; the menu bar is the root. The Text's
// "&" marks the mnemonic, a Text of "-" is a separator, and a shortcut such
// as "Cmd+Q" is honoured with the platform's command modifier (Ctrl here).
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fw {

class MenuItem : public Object {
public:
    explicit MenuItem(ClassRecord& record);
    ~MenuItem() override;
    static ClassRecord& __Lookup();

    // `MenuItem.Constructor` (no arguments).
    static void Constructor(MenuItem* item);
    // Direct child by Name, or nil.
    static Ref<MenuItem> Child(MenuItem* item, String name);
    // Adds as the last child.
    static void Append(MenuItem* item, MenuItem* child);
    // Item by Name anywhere below this one, or nil.
    static Ref<MenuItem> _Lookup(MenuItem* item, String name);

    static void Name_Set(MenuItem* item, std::int32_t, String value);
    static void AutoEnable_Set(MenuItem* item, std::int32_t, bool value);
    static void Text_Set(MenuItem* item, std::int32_t, String value);
    static void KeyboardShortcut_Set(MenuItem* item, std::int32_t, String value);

    const String& name() const { return m_name; }
    const String& text() const { return m_text; }
    // Nil when the shortcut was never set.
    const String& keyboardShortcut() const { return m_shortcut; }
    bool autoEnable() const { return m_autoEnable; }
    const std::vector<Ref<MenuItem>>& children() const { return m_children; }
    bool isSeparator() const { return m_text == "-"; }

    // The Qt action that shows this item in a menu (a menu's action opens it).
    QAction* action() const;
    // The Qt menu of this item's children.
    QMenu* menu() const;

protected:
    // What choosing the item does; the stock items override it.
    virtual void triggered() { }

private:
    struct Native;
    String m_name;
    String m_text;
    String m_shortcut;
    bool m_autoEnable = false;
    std::vector<Ref<MenuItem>> m_children;
    std::unique_ptr<Native> m_native;
};

class MenuBar : public MenuItem {
public:
    using MenuItem::MenuItem;
    static ClassRecord& __Lookup();

    // A Qt menu bar showing this bar's menus, for a window to display.
    QMenuBar* createNativeMenuBar(QWidget* parent) const;
};

class QuitMenuItem final : public MenuItem {
public:
    using MenuItem::MenuItem;
    static ClassRecord& __Lookup();

protected:
    void triggered() override;
};

// The class-table order of MenuItem and MenuBar.
namespace MenuItemSlot {
inline constexpr Slot<void(MenuItem*)> Enable{0};
inline constexpr Slot<void(MenuItem*)> Close{1};
inline constexpr Slot<Ref<MenuItem>(MenuItem*, std::int32_t)> Item{2};
inline constexpr Slot<std::int32_t(MenuItem*)> Count{3};
inline constexpr Slot<Ref<MenuItem>(MenuItem*, String)> Child{4};
inline constexpr Slot<void(MenuItem*, MenuItem*)> Append{5};
inline constexpr Slot<void(MenuItem*, std::int32_t, MenuItem*)> Insert{6};
inline constexpr Slot<void(MenuItem*, std::int32_t)> RemoveAt{7};
inline constexpr Slot<void(MenuItem*, MenuItem*)> RemoveItem{8};
inline constexpr Slot<void(MenuItem*, String)> RemoveNamed{9};
inline constexpr Slot<Ref<MenuItem>(MenuItem*, String)> _Lookup{10};
inline constexpr Slot<Ref<MenuItem>(MenuItem*, String, std::int32_t)> _LookupIndexed{11};
inline constexpr Slot<void(MenuItem*)> MenuItemDefault{12};
inline constexpr Slot<void(MenuItem*, String, Object*)> ConstructorWithText{13};
inline constexpr Slot<Ref<MenuItem>(MenuItem*)> PopUp{14};
inline constexpr Slot<Ref<MenuItem>(MenuItem*, std::int32_t, std::int32_t)> PopUpAt{15};
inline constexpr Slot<void(MenuItem*, String, MenuItem*)> _Swap{16};
inline constexpr Slot<void(MenuItem*)> _DisableEntirely{17};
inline constexpr Slot<void(MenuItem*)> _SelfEnable{18};
inline constexpr Slot<void(MenuItem*, String, Object*)> MenuItemWithText{19};
// The no-argument constructor's place, which a subclass's constructor takes.
inline constexpr Slot<void(MenuItem*)> Constructor{20};
inline constexpr Slot<Ref<MenuItem>(MenuItem*)> Clone{21};
inline constexpr Slot<void(MenuItem*, MenuItem*)> ConstructorCopy{22};
inline constexpr std::size_t OperationCount = 23;
} // namespace MenuItemSlot

namespace MenuBarSlot {
inline constexpr Slot<void(MenuBar*)> __DependencyList{23};
inline constexpr Slot<void(MenuBar*, MenuItem*)> _InstallClone{24};
inline constexpr std::size_t OperationCount = 25;
} // namespace MenuBarSlot

} // namespace fw
