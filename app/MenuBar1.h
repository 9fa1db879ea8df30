// The program's menu bar: File with Quit, and Edit with the stock editing
// commands. One instance exists, made on the first request and shared by the
// application object and the chart window; it is released last at shut-down.
#pragma once

#include "framework/MenuItem.h"

namespace tolvane {

class MenuBar1;

namespace implicit {
// The one instance, with a new reference for the caller; the first request
// creates it and builds its menus.
fw::Ref<::tolvane::MenuBar1> MenuBar1();
} // namespace implicit

class MenuBar1 final : public fw::MenuBar {
public:
    using MenuBar::MenuBar;

    static fw::ClassRecord& __Lookup();
    static void __ctblinit();

    // Builds File, then Edit. It takes the base's no-argument constructor
    // place, so it has that place's type.
    static void Constructor(fw::MenuItem* menuBar);
    // The File menu (FileMenu, FileQuit).
    static void Untitled0(MenuBar1* menuBar);
    // The Edit menu (EditMenu and its eight items).
    static void Untitled1(MenuBar1* menuBar);

    // The module global that holds the one instance.
    class ImplicitInstance {
    public:
        // Empties the global and releases the instance; nothing when empty.
        void __Exit();
        MenuBar1* get() const { return m_instance.get(); }

    private:
        friend fw::Ref<MenuBar1> implicit::MenuBar1();
        fw::Ref<MenuBar1> m_instance;
    };
    static inline ImplicitInstance _implicitInstance;

private:
    static inline fw::ClassRecord* s_classRecord = nullptr;
};

// MenuBar's 25 operations (its constructor's place taken by MenuBar1's),
// then the two menu builders.
namespace MenuBar1Slot {
inline constexpr fw::Slot<void(fw::MenuItem*)> Constructor = fw::MenuItemSlot::Constructor;
inline constexpr fw::Slot<void(MenuBar1*)> Untitled0{fw::MenuBarSlot::OperationCount};
inline constexpr fw::Slot<void(MenuBar1*)> Untitled1{fw::MenuBarSlot::OperationCount + 1};
inline constexpr std::size_t OperationCount = fw::MenuBarSlot::OperationCount + 2;
inline constexpr std::size_t MethodRecordCount = fw::MenuBarSlot::MethodRecordCount + 3;
static_assert(OperationCount == 27 && MethodRecordCount == 54);
} // namespace MenuBar1Slot

} // namespace tolvane
