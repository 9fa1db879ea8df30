// Menus: menu items, the menu bar, and the stock Quit item, on Qt menus.
//
// A menu item with children is a menu; the menu bar is the root. The items
// form a model (names, texts, shortcuts, children) and each item builds its
// Qt action lazily, the first time a menu or a menu bar has to show it, so
// that a menu can be assembled before the GUI application exists. The Text's
// "&" marks the mnemonic, a Text of "-" is a separator, and a shortcut such
// as "Cmd+Q" is honoured with the platform's command modifier (Ctrl here).
#pragma once

#include "framework/Application.h"

#include <cstdint>
#include <memory>
#include <string_view>
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

    // Class-table operations (see MenuItemSlot for their places).
    static void Enable(MenuItem* item);
    // Closes the item's menu if it is open.
    static void Close(MenuItem* item);
    // The child at a position counted from 0, or nil.
    static Ref<MenuItem> Item(MenuItem* item, std::int32_t index);
    static std::int32_t Count(MenuItem* item);
    // Direct child by Name (ignoring letter case), or nil.
    static Ref<MenuItem> Child(MenuItem* item, String name);
    // Adds as the last child; an item that sits in another menu moves.
    static void Append(MenuItem* item, MenuItem* child);
    static void Insert(MenuItem* item, std::int32_t index, MenuItem* child);
    static void RemoveAt(MenuItem* item, std::int32_t index);
    static void RemoveItem(MenuItem* item, MenuItem* child);
    static void RemoveNamed(MenuItem* item, String name);
    // Item by Name anywhere below this one (depth first), or nil.
    static Ref<MenuItem> _Lookup(MenuItem* item, String name);
    // The index-th item of that Name below this one, counted from 0, or nil.
    static Ref<MenuItem> _LookupIndexed(MenuItem* item, String name, std::int32_t index);
    // `MenuItem.Constructor` (no arguments).
    static void Constructor(MenuItem* item);
    // `MenuItem.Constructor` with a Text and a tag.
    static void ConstructorWithText(MenuItem* item, String text, Object* tag);
    // Shows the item's menu as a pop-up and returns the chosen item, or nil.
    static Ref<MenuItem> PopUp(MenuItem* item);
    static Ref<MenuItem> PopUpAt(MenuItem* item, std::int32_t x, std::int32_t y);
    // Puts the replacement in the place of the child of that Name.
    static void _Swap(MenuItem* item, String name, MenuItem* replacement);
    // Disables the item and everything below it.
    static void _DisableEntirely(MenuItem* item);
    // Enables the item by the automatic rule, if it enables automatically.
    static void _SelfEnable(MenuItem* item);
    // A copy of the item and of everything below it, of the same class.
    static Ref<MenuItem> Clone(MenuItem* item);
    // Takes the original's properties and copies of its children.
    static void ConstructorCopy(MenuItem* item, MenuItem* original);

    // Properties, in the plug-in convention: the getter takes the item and
    // an Int32 that callers pass as 0, the setter also the value.
    static String Name_Get(MenuItem* item, std::int32_t);
    static void Name_Set(MenuItem* item, std::int32_t, String value);
    static String Text_Get(MenuItem* item, std::int32_t);
    static void Text_Set(MenuItem* item, std::int32_t, String value);
    // Nil when the shortcut was never set.
    static String KeyboardShortcut_Get(MenuItem* item, std::int32_t);
    static void KeyboardShortcut_Set(MenuItem* item, std::int32_t, String value);
    // An item that enables itself: a stock Edit command while the focused
    // widget can carry it out, any other item always.
    static bool AutoEnable_Get(MenuItem* item, std::int32_t);
    static void AutoEnable_Set(MenuItem* item, std::int32_t, bool value);
    static bool Enabled_Get(MenuItem* item, std::int32_t);
    static void Enabled_Set(MenuItem* item, std::int32_t, bool value);
    static bool Checked_Get(MenuItem* item, std::int32_t);
    static void Checked_Set(MenuItem* item, std::int32_t, bool value);
    static bool Visible_Get(MenuItem* item, std::int32_t);
    static void Visible_Set(MenuItem* item, std::int32_t, bool value);
    static String HelpTag_Get(MenuItem* item, std::int32_t);
    static void HelpTag_Set(MenuItem* item, std::int32_t, String value);
    static bool Bold_Get(MenuItem* item, std::int32_t);
    static void Bold_Set(MenuItem* item, std::int32_t, bool value);
    static bool Italic_Get(MenuItem* item, std::int32_t);
    static void Italic_Set(MenuItem* item, std::int32_t, bool value);
    // The place among the parent's children, -1 without a parent.
    static std::int32_t Index_Get(MenuItem* item, std::int32_t);
    static Ref<MenuItem> Parent_Get(MenuItem* item, std::int32_t);
    static bool IsSeparator_Get(MenuItem* item, std::int32_t);
    // The shortcut as the platform reads it ("Ctrl+Q" for "Cmd+Q").
    static String ShortcutText_Get(MenuItem* item, std::int32_t);
    // The key that the Text's "&" marks, with the platform's modifier
    // ("Alt+T" for "Cu&t"); empty when there is none.
    static String Mnemonic_Get(MenuItem* item, std::int32_t);
    static bool HasChildren_Get(MenuItem* item, std::int32_t);

    const String& name() const { return m_properties.name; }
    const String& text() const { return m_properties.text; }
    const String& keyboardShortcut() const { return m_properties.shortcut; }
    bool autoEnable() const { return m_properties.autoEnable; }
    bool enabled() const { return m_properties.enabled; }
    MenuItem* parent() const { return m_parent; }
    std::int32_t index() const;
    const std::vector<Ref<MenuItem>>& children() const { return m_children; }
    bool isSeparator() const { return m_properties.text == "-"; }

    // The Qt action that shows this item in a menu (a menu's action opens
    // it); nil while there is no GUI application.
    QAction* action();
    // The Qt menu of this item's children; nil for an item without children.
    QMenu* menu();

    // Runs the item's command as choosing it does (what its action's
    // triggered signal leads to), through the framework's event delivery.
    void choose();
    // Brings Enabled up to date by the automatic rule, for this item and
    // everything below it.
    void refreshAutomaticEnabling();

protected:
    // What choosing the item does: the class's Action event, else a stock
    // command or the application's menu handler. Subclasses with a stock
    // action of their own override it.
    virtual void triggered();
    // Runs the class's Action event implementation; true when it handled
    // the choice.
    bool runActionEvent();

    // Brings the Qt menu (or menu bars) that shows the children in line
    // with the children.
    virtual void syncNativeChildren();

private:
    struct Native;
    // What a copy takes over from its original.
    struct Properties {
        String name;
        String text;
        String shortcut;
        String helpTag;
        bool autoEnable = false;
        bool enabled = true;
        bool checked = false;
        bool visible = true;
        bool bold = false;
        bool italic = false;
        Ref<Object> tag;
    };
    // Sets a property and shows the change.
    template<typename T>
    static void assign(MenuItem* item, T Properties::*field, T value);
    void applyToNative();
    void applyAutomaticEnabling();
    void ensureMenu();
    MenuItem* itemForAction(const QAction* action);
    static void deliverMenuOpening(void* item);
    void attachChild(std::size_t position, MenuItem* child);
    void detachChild(std::size_t position);
    bool contains(const MenuItem* other) const;
    static void deliverChoice(void* item);

    Properties m_properties;
    MenuItem* m_parent = nullptr; // the parent holds its children
    std::vector<Ref<MenuItem>> m_children;
    std::unique_ptr<Native> m_native;
};

class MenuBar : public MenuItem {
public:
    explicit MenuBar(ClassRecord& record);
    ~MenuBar() override;
    static ClassRecord& __Lookup();

    static void __DependencyList(MenuBar* menuBar);
    // Appends a copy of the item.
    static void _InstallClone(MenuBar* menuBar, MenuItem* item);

    // A Qt menu bar showing this bar's menus, for a window to display. The
    // bar shares its menus and actions with every other bar made from this
    // one, so a shortcut works in each window that shows it. The parent owns
    // the new bar.
    QMenuBar* createNativeMenuBar(QWidget* parent) const;

protected:
    void syncNativeChildren() override;

private:
    struct NativeBars;
    void showMenus(QMenuBar& bar) const;
    std::unique_ptr<NativeBars> m_nativeBars;
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
inline constexpr std::size_t EventRecordCount = 2;
inline constexpr std::size_t PropertyRecordCount = 16;
inline constexpr std::size_t MethodRecordCount = 49;
} // namespace MenuItemSlot

namespace MenuBarSlot {
inline constexpr Slot<void(MenuBar*)> __DependencyList{23};
inline constexpr Slot<void(MenuBar*, MenuItem*)> _InstallClone{24};
inline constexpr std::size_t OperationCount = 25;
inline constexpr std::size_t EventRecordCount = 2;
inline constexpr std::size_t PropertyRecordCount = 16;
inline constexpr std::size_t MethodRecordCount = 51;
} // namespace MenuBarSlot

// The events of a menu item, in record order: what choosing it does, and the
// chance to set Enabled before its menu opens.
namespace MenuItemEvent {
// True: the program handled the choice.
inline constexpr EventPlace<bool(MenuItem*)> Action{0};
inline constexpr EventPlace<void(MenuItem*)> EnableMenu{1};
} // namespace MenuItemEvent

} // namespace fw
