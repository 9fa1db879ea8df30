// Windows: a top-level Qt window with its controls, menu bar and the two
// construction events through which a window class lays itself out.
//
// The native window is a QMainWindow whose central content widget is exactly
// the window's Width by Height, so that the menu bar above it never moves a
// control: every coordinate of a window and of its controls is a content
// coordinate. A window class handles an event by putting an implementation
// into its event record (WindowEvent gives the places and their types).
#pragma once

#include "framework/Application.h"
#include "framework/Box.h"
#include "framework/Control.h"
#include "framework/MenuHandlers.h"

#include <cstdint>
#include <memory>
#include <vector>

class QWidget;

namespace fw {

class FolderItem;
class MenuBar;
class MenuItem;
class Picture;

// Window's 33 events in record order, with the signature an implementation
// has: EVENT(name, result, arguments after the window).
#define FW_FOR_EACH_WINDOW_EVENT(EVENT) \
    EVENT(Layout, void, ) \
    EVENT(CreateControls, void, ) \
    EVENT(AddMenuHandlers, void, ) \
    EVENT(SetupBindings, void, ) \
    EVENT(Open, void, ) \
    EVENT(Close, void, ) \
    EVENT(CancelClose, bool, , bool appQuitting) \
    EVENT(KeyDown, bool, , String key) \
    EVENT(KeyUp, void, , String key) \
    EVENT(MouseMove, void, , std::int32_t x, std::int32_t y) \
    EVENT(MouseEnter, void, ) \
    EVENT(MouseExit, void, ) \
    EVENT(Paint, void, ) \
    EVENT(MouseDown, bool, , std::int32_t x, std::int32_t y) \
    EVENT(MouseDrag, void, , std::int32_t x, std::int32_t y) \
    EVENT(MouseUp, void, , std::int32_t x, std::int32_t y) \
    EVENT(EnableMenuItems, void, ) \
    EVENT(Resized, void, ) \
    EVENT(Resizing, void, ) \
    EVENT(Moved, void, ) \
    EVENT(DropObject, void, , Object* dropped) \
    EVENT(Activate, void, ) \
    EVENT(Deactivate, void, ) \
    EVENT(Minimize, void, ) \
    EVENT(Maximize, void, ) \
    EVENT(Restore, void, ) \
    EVENT(MouseWheel, bool, , std::int32_t x, std::int32_t y, std::int32_t deltaX, std::int32_t deltaY) \
    EVENT(ConstructContextualMenu, bool, , MenuItem* base, std::int32_t x, std::int32_t y) \
    EVENT(ContextualMenuAction, bool, , MenuItem* chosen) \
    EVENT(DragEnter, bool, , Object* dragged, std::int32_t action) \
    EVENT(DragExit, void, , Object* dragged, std::int32_t action) \
    EVENT(DragOver, bool, , std::int32_t x, std::int32_t y, Object* dragged, std::int32_t action) \
    EVENT(ContentsChanged, void, )

class Window : public Object {
public:
    explicit Window(ClassRecord& record);
    ~Window() override;
    static ClassRecord& __Lookup();

    // `Window.__Init` and `Window.__Exit`, the instance initialiser and
    // finaliser: a new window's defaults, and the release of its native
    // window and controls while the whole object is still alive.
    static void __Init(Object* window);
    static void __Exit(Object* window);

    // --- class-table operations (WindowSlot gives their places) ---
    static void Show(Window* window);
    // Shown above the parent window, which it stays in front of.
    static void ShowWithin(Window* window, Window* parent);
    // Shown as a dialog that blocks input to the parent (to every window
    // without one) until it closes; it returns at once.
    static void ShowModalWithin(Window* window, Window* parent);
    static void Hide(Window* window);
    // Closes the window unless its CancelClose event refuses; the framework
    // then no longer holds it.
    static void Close(Window* window);
    static void Refresh(Window* window);
    static void RefreshRect(Window* window, std::int32_t left, std::int32_t top, std::int32_t width,
        std::int32_t height);
    static void ShowModal(Window* window);
    static void AcceptTextDrop(Window* window);
    static void AcceptPictureDrop(Window* window);
    static void AcceptFileDrop(Window* window, String fileType);
    static void AcceptMacDataDrop(Window* window, String dataType);
    static void AcceptRawDataDrop(Window* window, String dataType);
    // `Window.Control`: the control at a place in registration order, or nil.
    static Ref<Control> ControlAt(Window* window, std::int32_t index);
    static void SetFocus(Window* window);
    // Draws the window's content into a new picture.
    static Ref<Picture> DrawInto(Window* window);
    // Paints the window now, without waiting for the event loop.
    static void UpdateNow(Window* window);
    static void _AddControl(Window* window, String name, Control* control);
    // Registers a handler for the menu item of that name: bool(Window*).
    static void _AddMenuHandler(Window* window, String itemName, Operation handler);
    // `Window.Window`, the no-argument constructor's place: constructs the
    // window through the class table's Constructor.
    static void DefaultConstructor(Window* window);
    // A window converts to its title.
    static String Operator_Convert(Window* window);
    // A new, not yet constructed control of the class, for this window.
    static Ref<Control> __New(Window* window, ClassRecord* controlClass);
    static void _Move(Window* window, std::int32_t left, std::int32_t top);
    static void Maximize(Window* window);
    static void Minimize(Window* window);
    static void Restore(Window* window);
    static void _Update(Window* window);
    static void _CallMoved(Window* window);
    static void _EnableMenuItems(Window* window);
    static void _CallActivated(Window* window);
    static void _CallDeactivated(Window* window);
    // Runs the handler registered for the item's name; False when none.
    static bool _HandleMenuCommand(Window* window, MenuItem* item);
    // The closing of a window by the user or by the program: CancelClose,
    // then Close; False when CancelClose kept the window open.
    static bool _UnifiedClose(Window* window, bool appQuitting);
    static bool _CallMouseDown(Window* window, std::int32_t x, std::int32_t y);
    static void _CallResized(Window* window);
    static void _CallResizing(Window* window);
    static void _RemoveControl(Window* window, Control* control);
    static void _MouseEnter(Window* window);
    static void _MouseExit(Window* window);
    static void _MouseMove(Window* window, std::int32_t x, std::int32_t y);
    static void _Paint(Window* window);
    static bool _MouseWheel(Window* window, std::int32_t x, std::int32_t y, std::int32_t deltaX,
        std::int32_t deltaY);
    static bool _KeyDown(Window* window, String key);
    // Makes sure the classes of the framework's controls are registered.
    static void __DependencyList(Window* window);
    // `Window.Constructor`: builds the native window, runs the class's
    // Layout and CreateControls event implementations once each, then holds
    // the window as its class's implicit instance.
    static void Constructor(Window* window);
    static Ref<Window> TrueWindow(Window* window);
    static void FocusNext(Window* window);
    static void FocusPrevious(Window* window);
    // The control registered under the name (ignoring letter case), or nil.
    static Ref<Control> _ControlByName(Window* window, String name);
    // The control of that name whose Index is the given one, or nil.
    static Ref<Control> _ControlByNameIndex(Window* window, String name, std::int32_t index);
    static void _DrawBackground(Window* window);

    // --- methods outside the class table ---
    // The events that native input raises without a class-table place.
    static void _CallOpen(Window* window);
    static void _CallClose(Window* window);
    static void _CallKeyUp(Window* window, String key);
    static void _CallMouseUp(Window* window, std::int32_t x, std::int32_t y);
    static void _CallMouseDrag(Window* window, std::int32_t x, std::int32_t y);
    // Shared: the open windows, in the order they were constructed.
    static std::int32_t WindowCount();
    static Ref<Window> WindowAt(std::int32_t index);

    // --- properties ---
    static Ref<MenuBar> MenuBar_Get(Window* window, std::int32_t);
    // The window keeps its own reference and shows the bar.
    static void MenuBar_Set(Window* window, std::int32_t, MenuBar* menuBar);

    // The native window (a QMainWindow), nil until the window is constructed.
    QWidget* widget() const;
    // The content widget inside it, whose coordinates are the window's.
    QWidget* contentWidget() const;
    const std::vector<Ref<Control>>& controls() const { return m_controls; }
    bool hasBackColor() const { return m_hasBackColor; }
    Picture* backdrop() const { return m_backdrop.get(); }

    // Puts the focusable controls in TabIndex order for the Tab key.
    void updateTabOrder();
    // The native window reports what happens to it through these.
    void nativeContentResized(std::int32_t oldWidth, std::int32_t oldHeight);
    void nativeFrameMoved();

private:
    struct Native;
    friend struct WindowPropertyTable;

    // Visits every control of the window that is a RectControl.
    template<typename Visit>
    void forEachRectControl(Visit visit) const
    {
        for (const Ref<Control>& control : m_controls) {
            if (control->isKindOf(RectControl::__Lookup()))
                visit(static_cast<RectControl&>(*control));
        }
    }

    void releaseNative();
    void applyAll();
    void applySizeLimits();
    void applyTitle();
    void applyWindowFlags();
    void applyResizeability();
    void applyVisibility();
    void applyMenuBar();
    void applyMenuBarVisibility();
    void applyState();
    void applyPosition();
    void applyTransientParent();
    void applyBackColor() { _DrawBackground(this); }
    void placeOnScreen();
    void moveFocus(bool forward);
    void acceptDrop(String kind);

    // Property values (their defaults come from __Init).
    std::int32_t m_placement = 0;
    std::int32_t m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    std::int32_t m_minWidth = 0, m_minHeight = 0, m_maxWidth = 0, m_maxHeight = 0;
    std::int32_t m_frame = 0;
    bool m_composite = false;
    bool m_hasBackColor = false;
    Color m_backColor;
    String m_title;
    bool m_visible = false;
    bool m_fullScreen = false;
    bool m_menuBarVisible = false;
    bool m_closeButton = false;
    bool m_resizeable = false;
    bool m_liveResize = false;
    bool m_maximizeButton = false;
    bool m_minimizeButton = false;
    std::int32_t m_macProcId = 0;
    bool m_enabled = false;
    bool m_contentsChanged = false;
    bool m_acceptFocus = false;
    std::int32_t m_opacity = 100; // per cent
    bool m_keepOnTop = false;
    bool m_mouseCursorVisible = false;
    Ref<Picture> m_backdrop;
    Ref<FolderItem> m_documentFile;
    bool m_positioned = false; // Left or Top was set: Placement does not apply
    bool m_placed = false;     // shown once already
    bool m_constructing = false;
    bool m_closed = false;
    Ref<Window> m_parentWindow;
    std::vector<String> m_acceptedDrops;
    MenuHandlers<Window> m_menuHandlers;

    // Declared before the controls so that the controls go first.
    std::unique_ptr<Native> m_native;
    std::vector<Ref<Control>> m_controls;
    Ref<MenuBar> m_menuBar;
};

// Window's 51 class-table operations, in their order.
namespace WindowSlot {
inline constexpr Slot<void(Window*)> Show{0};
inline constexpr Slot<void(Window*, Window*)> ShowWithin{1};
inline constexpr Slot<void(Window*, Window*)> ShowModalWithin{2};
inline constexpr Slot<void(Window*)> Hide{3};
inline constexpr Slot<void(Window*)> Close{4};
inline constexpr Slot<void(Window*)> Refresh{5};
inline constexpr Slot<void(Window*, std::int32_t, std::int32_t, std::int32_t, std::int32_t)> RefreshRect{6};
inline constexpr Slot<void(Window*)> ShowModal{7};
inline constexpr Slot<void(Window*)> AcceptTextDrop{8};
inline constexpr Slot<void(Window*)> AcceptPictureDrop{9};
inline constexpr Slot<void(Window*, String)> AcceptFileDrop{10};
inline constexpr Slot<void(Window*, String)> AcceptMacDataDrop{11};
inline constexpr Slot<void(Window*, String)> AcceptRawDataDrop{12};
// `Control` in the class table; the C++ name keeps fw::Control visible here.
inline constexpr Slot<Ref<fw::Control>(Window*, std::int32_t)> ControlAt{13};
inline constexpr Slot<void(Window*)> SetFocus{14};
inline constexpr Slot<Ref<Picture>(Window*)> DrawInto{15};
inline constexpr Slot<void(Window*)> UpdateNow{16};
inline constexpr Slot<void(Window*, String, fw::Control*)> _AddControl{17};
inline constexpr Slot<void(Window*, String, Operation)> _AddMenuHandler{18};
// `Window` in the class table: the no-argument constructor's place.
inline constexpr Slot<void(Window*)> WindowDefault{19};
inline constexpr Slot<String(Window*)> Operator_Convert{20};
inline constexpr Slot<Ref<fw::Control>(Window*, ClassRecord*)> __New{21};
inline constexpr Slot<void(Window*, std::int32_t, std::int32_t)> _Move{22};
inline constexpr Slot<void(Window*)> Maximize{23};
inline constexpr Slot<void(Window*)> Minimize{24};
inline constexpr Slot<void(Window*)> Restore{25};
inline constexpr Slot<void(Window*)> _Update{26};
inline constexpr Slot<void(Window*)> _CallMoved{27};
inline constexpr Slot<void(Window*)> _EnableMenuItems{28};
inline constexpr Slot<void(Window*)> _CallActivated{29};
inline constexpr Slot<void(Window*)> _CallDeactivated{30};
inline constexpr Slot<bool(Window*, MenuItem*)> _HandleMenuCommand{31};
inline constexpr Slot<bool(Window*, bool)> _UnifiedClose{32};
inline constexpr Slot<bool(Window*, std::int32_t, std::int32_t)> _CallMouseDown{33};
inline constexpr Slot<void(Window*)> _CallResized{34};
inline constexpr Slot<void(Window*)> _CallResizing{35};
inline constexpr Slot<void(Window*, fw::Control*)> _RemoveControl{36};
inline constexpr Slot<void(Window*)> _MouseEnter{37};
inline constexpr Slot<void(Window*)> _MouseExit{38};
inline constexpr Slot<void(Window*, std::int32_t, std::int32_t)> _MouseMove{39};
inline constexpr Slot<void(Window*)> _Paint{40};
inline constexpr Slot<bool(Window*, std::int32_t, std::int32_t, std::int32_t, std::int32_t)> _MouseWheel{41};
inline constexpr Slot<bool(Window*, String)> _KeyDown{42};
inline constexpr Slot<void(Window*)> __DependencyList{43};
inline constexpr Slot<void(Window*)> Constructor{44};
inline constexpr Slot<Ref<Window>(Window*)> TrueWindow{45};
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

// Window's events, in record order, typed.
namespace WindowEvent {
enum Index : std::size_t {
#define FW_WINDOW_EVENT_INDEX(name, result, ...) name##Index,
    FW_FOR_EACH_WINDOW_EVENT(FW_WINDOW_EVENT_INDEX)
#undef FW_WINDOW_EVENT_INDEX
    Count
};
#define FW_WINDOW_EVENT_SLOT(name, result, ...) \
    inline constexpr EventPlace<result(Window* __VA_ARGS__)> name{name##Index};
FW_FOR_EACH_WINDOW_EVENT(FW_WINDOW_EVENT_SLOT)
#undef FW_WINDOW_EVENT_SLOT
static_assert(Count == WindowSlot::EventRecordCount);
} // namespace WindowEvent

// The framework-held instance of the class of that full name, or nil.
Ref<Window> _GetImplicitWindow(String fullClassName);

// Lets go of every window the framework holds (implicit instances and open
// windows) and destroys their native windows: the last step of shut-down.
void RuntimeReleaseWindows();

} // namespace fw
