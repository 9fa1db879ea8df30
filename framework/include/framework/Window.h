// Windows: a top-level Qt window with its controls, menu bar and the two
// construction events through which a window class lays itself out.
#pragma once

#include "framework/Control.h"

#include <cstdint>
#include <memory>
#include <vector>

class QWidget;

namespace fw {

class MenuBar;

class Window : public Object {
public:
    explicit Window(ClassRecord& record);
    ~Window() override;
    static ClassRecord& __Lookup();

    // `Window.Constructor`: builds the native window, runs the class's
    // Layout and CreateControls event implementations once each, then holds
    // the window as its class's implicit instance.
    static void Constructor(Window* window);
    // A new, not yet constructed control of the class, for this window.
    static Ref<Control> __New(Window* window, ClassRecord* controlClass);
    static void _AddControl(Window* window, String name, Control* control);
    // The control registered under the name, or nil.
    static Ref<Control> _ControlByName(Window* window, String name);
    static Ref<Control> _ControlByNameIndex(Window* window, String name, std::int32_t index);

    static Ref<MenuBar> MenuBar_Get(Window* window, std::int32_t);
    static void MenuBar_Set(Window* window, std::int32_t, MenuBar* menuBar);

    QWidget* widget() const;
    const std::vector<Ref<Control>>& controls() const { return m_controls; }

private:
    struct Native;
    std::unique_ptr<Native> m_native;
    std::vector<Ref<Control>> m_controls;
    Ref<MenuBar> m_menuBar;
};

// Window's 51 class-table operations, in their order.
namespace WindowSlot {
inline constexpr Slot<void(Window*)> Show{0};
inline constexpr Slot<void(Window*)> ShowWithin{1};
inline constexpr Slot<void(Window*)> ShowModalWithin{2};
inline constexpr Slot<void(Window*)> Hide{3};
inline constexpr Slot<void(Window*)> Close{4};
inline constexpr Slot<void(Window*)> Refresh{5};
inline constexpr Slot<void(Window*)> RefreshRect{6};
inline constexpr Slot<void(Window*)> ShowModal{7};
inline constexpr Slot<void(Window*)> AcceptTextDrop{8};
inline constexpr Slot<void(Window*)> AcceptPictureDrop{9};
inline constexpr Slot<void(Window*)> AcceptFileDrop{10};
inline constexpr Slot<void(Window*)> AcceptMacDataDrop{11};
inline constexpr Slot<void(Window*)> AcceptRawDataDrop{12};
inline constexpr Slot<Ref<fw::Control>(Window*, std::int32_t)> ControlAt{13};
inline constexpr Slot<void(Window*)> SetFocus{14};
inline constexpr Slot<void(Window*)> DrawInto{15};
inline constexpr Slot<void(Window*)> UpdateNow{16};
inline constexpr Slot<void(Window*, String, Control*)> _Addfw::Control{17};
inline constexpr Slot<void(Window*)> _AddMenuHandler{18};
inline constexpr Slot<void(Window*)> WindowDefault{19};
inline constexpr Slot<void(Window*)> Operator_Convert{20};
inline constexpr Slot<Ref<fw::Control>(Window*, ClassRecord*)> __New{21};
inline constexpr Slot<void(Window*)> _Move{22};
inline constexpr Slot<void(Window*)> Maximize{23};
inline constexpr Slot<void(Window*)> Minimize{24};
inline constexpr Slot<void(Window*)> Restore{25};
inline constexpr Slot<void(Window*)> _Update{26};
inline constexpr Slot<void(Window*)> _CallMoved{27};
inline constexpr Slot<void(Window*)> _EnableMenuItems{28};
inline constexpr Slot<void(Window*)> _CallActivated{29};
inline constexpr Slot<void(Window*)> _CallDeactivated{30};
inline constexpr Slot<void(Window*)> _HandleMenuCommand{31};
inline constexpr Slot<void(Window*)> _UnifiedClose{32};
inline constexpr Slot<void(Window*)> _CallMouseDown{33};
inline constexpr Slot<void(Window*)> _CallResized{34};
inline constexpr Slot<void(Window*)> _CallResizing{35};
inline constexpr Slot<void(Window*)> _Removefw::Control{36};
inline constexpr Slot<void(Window*)> _MouseEnter{37};
inline constexpr Slot<void(Window*)> _MouseExit{38};
inline constexpr Slot<void(Window*)> _MouseMove{39};
inline constexpr Slot<void(Window*)> _Paint{40};
inline constexpr Slot<void(Window*)> _MouseWheel{41};
inline constexpr Slot<void(Window*)> _KeyDown{42};
inline constexpr Slot<void(Window*)> __DependencyList{43};
inline constexpr Slot<void(Window*)> Constructor{44};
inline constexpr Slot<void(Window*)> TrueWindow{45};
inline constexpr Slot<void(Window*)> FocusNext{46};
inline constexpr Slot<void(Window*)> FocusPrevious{47};
inline constexpr Slot<Ref<fw::Control>(Window*, String)> _ControlByName{48};
inline constexpr Slot<Ref<fw::Control>(Window*, String, std::int32_t)> _ControlByNameIndex{49};
inline constexpr Slot<void(Window*)> _DrawBackground{50};
inline constexpr std::size_t OperationCount = 51;
inline constexpr std::size_t MethodRecordCount = 130;
inline constexpr std::size_t EventRecordCount = 33;
inline constexpr std::size_t PropertyRecordCount = 49;
} // namespace WindowSlot

// The framework-held instance of the class of that full name, or nil.
Ref<Window> _GetImplicitWindow(String fullClassName);

} // namespace fw
