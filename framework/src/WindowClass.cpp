// Window's class record: its 51 class-table operations, 130 method records,
// 33 events and 49 properties, each written once as a row.
#include "framework/Window.h"

#include "framework/FolderItem.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"

#include "ImplicitWindows_p.h"
#include "NativeMembers_p.h"
#include "Statics_p.h"
#include "StoredProperty_p.h"
#include "WindowWidgets_p.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include <array>
#include <string_view>

namespace fw {

namespace {

// An operation whose arguments reflection cannot unbox (a class record, a
// routine): listed without an invoker.
template<typename Signature>
NativeOperation unreflectedOperation(
    Slot<Signature> slot, std::string_view name, std::string_view signature, Signature* function)
{
    return {slot.index, {name, 1, signature, eraseOperation(function), nullptr}};
}

template<typename Signature>
NativeMethod sharedMethod(std::string_view name, std::string_view signature, Signature* function)
{
    return {name, 3, signature, eraseOperation(function), Introspection::InvokeShared<Signature>};
}

template<typename Signature>
NativeMethod ordinaryMethod(std::string_view name, std::string_view signature, Signature* function)
{
    return {name, 1, signature, eraseOperation(function), Introspection::Invoke<Signature>};
}

std::vector<NativeOperation> operationRows()
{
    using W = Window;
    namespace S = WindowSlot;
    return {
        nativeOperation(S::Show, "Show", "%%", &W::Show),
        nativeOperation(S::ShowWithin, "ShowWithin", "%%o<Window>", &W::ShowWithin),
        nativeOperation(S::ShowModalWithin, "ShowModalWithin", "%%o<Window>", &W::ShowModalWithin),
        nativeOperation(S::Hide, "Hide", "%%", &W::Hide),
        nativeOperation(S::Close, "Close", "%%", &W::Close),
        nativeOperation(S::Refresh, "Refresh", "%%", &W::Refresh),
        nativeOperation(S::RefreshRect, "RefreshRect", "%%i4i4i4i4", &W::RefreshRect),
        nativeOperation(S::ShowModal, "ShowModal", "%%", &W::ShowModal),
        nativeOperation(S::AcceptTextDrop, "AcceptTextDrop", "%%", &W::AcceptTextDrop),
        nativeOperation(S::AcceptPictureDrop, "AcceptPictureDrop", "%%", &W::AcceptPictureDrop),
        nativeOperation(S::AcceptFileDrop, "AcceptFileDrop", "%%s", &W::AcceptFileDrop),
        nativeOperation(S::AcceptMacDataDrop, "AcceptMacDataDrop", "%%s", &W::AcceptMacDataDrop),
        nativeOperation(S::AcceptRawDataDrop, "AcceptRawDataDrop", "%%s", &W::AcceptRawDataDrop),
        nativeOperation(S::ControlAt, "Control", "%o<Control>%i4", &W::ControlAt),
        nativeOperation(S::SetFocus, "SetFocus", "%%", &W::SetFocus),
        nativeOperation(S::DrawInto, "DrawInto", "%o<Picture>%", &W::DrawInto),
        nativeOperation(S::UpdateNow, "UpdateNow", "%%", &W::UpdateNow),
        nativeOperation(S::_AddControl, "_AddControl", "%%so<Control>", &W::_AddControl),
        unreflectedOperation(S::_AddMenuHandler, "_AddMenuHandler", "%%sp", &W::_AddMenuHandler),
        nativeOperation(S::WindowDefault, "Window", "%%", &W::DefaultConstructor),
        nativeOperation(S::Operator_Convert, "Operator_Convert", "%s%", &W::Operator_Convert),
        unreflectedOperation(S::__New, "__New", "%o<Control>%p", &W::__New),
        nativeOperation(S::_Move, "_Move", "%%i4i4", &W::_Move),
        nativeOperation(S::Maximize, "Maximize", "%%", &W::Maximize),
        nativeOperation(S::Minimize, "Minimize", "%%", &W::Minimize),
        nativeOperation(S::Restore, "Restore", "%%", &W::Restore),
        nativeOperation(S::_Update, "_Update", "%%", &W::_Update),
        nativeOperation(S::_CallMoved, "_CallMoved", "%%", &W::_CallMoved),
        nativeOperation(S::_EnableMenuItems, "_EnableMenuItems", "%%", &W::_EnableMenuItems),
        nativeOperation(S::_CallActivated, "_CallActivated", "%%", &W::_CallActivated),
        nativeOperation(S::_CallDeactivated, "_CallDeactivated", "%%", &W::_CallDeactivated),
        nativeOperation(S::_HandleMenuCommand, "_HandleMenuCommand", "%b%o<MenuItem>", &W::_HandleMenuCommand),
        nativeOperation(S::_UnifiedClose, "_UnifiedClose", "%b%b", &W::_UnifiedClose),
        nativeOperation(S::_CallMouseDown, "_CallMouseDown", "%b%i4i4", &W::_CallMouseDown),
        nativeOperation(S::_CallResized, "_CallResized", "%%", &W::_CallResized),
        nativeOperation(S::_CallResizing, "_CallResizing", "%%", &W::_CallResizing),
        nativeOperation(S::_RemoveControl, "_RemoveControl", "%%o<Control>", &W::_RemoveControl),
        nativeOperation(S::_MouseEnter, "_MouseEnter", "%%", &W::_MouseEnter),
        nativeOperation(S::_MouseExit, "_MouseExit", "%%", &W::_MouseExit),
        nativeOperation(S::_MouseMove, "_MouseMove", "%%i4i4", &W::_MouseMove),
        nativeOperation(S::_Paint, "_Paint", "%%", &W::_Paint),
        nativeOperation(S::_MouseWheel, "_MouseWheel", "%b%i4i4i4i4", &W::_MouseWheel),
        nativeOperation(S::_KeyDown, "_KeyDown", "%b%s", &W::_KeyDown),
        nativeOperation(S::__DependencyList, "__DependencyList", "%%", &W::__DependencyList),
        nativeOperation(S::Constructor, "Constructor", "%%", &W::Constructor),
        nativeOperation(S::TrueWindow, "TrueWindow", "%o<Window>%", &W::TrueWindow),
        nativeOperation(S::FocusNext, "FocusNext", "%%", &W::FocusNext),
        nativeOperation(S::FocusPrevious, "FocusPrevious", "%%", &W::FocusPrevious),
        nativeOperation(S::_ControlByName, "_ControlByName", "%o<Control>%s", &W::_ControlByName),
        nativeOperation(S::_ControlByNameIndex, "_ControlByNameIndex", "%o<Control>%si4", &W::_ControlByNameIndex),
        nativeOperation(S::_DrawBackground, "_DrawBackground", "%%", &W::_DrawBackground),
    };
}

const StaticsRegistration windowClassStatics(StaticsRank::Windows, [] { Window::__Lookup(); }, nullptr);

constexpr std::array<std::string_view, WindowEvent::Count> kEventNames{
#define FW_WINDOW_EVENT_NAME(name, result, ...) #name,
    FW_FOR_EACH_WINDOW_EVENT(FW_WINDOW_EVENT_NAME)
#undef FW_WINDOW_EVENT_NAME
};

// The screen the window is on (the main screen before it is constructed);
// without any screen, what is given instead.
template<typename T, typename Read>
T fromScreen(Window* window, T otherwise, Read read)
{
    QWidget* frame = window->widget();
    QScreen* screen = frame ? frame->screen() : QGuiApplication::primaryScreen();
    return screen ? read(screen) : otherwise;
}

} // namespace

// The friend through which the rows reach the window's fields and hooks.
struct WindowPropertyTable {
    using W = Window;
    using i4 = std::int32_t;

    // Set by the property list before the window is shown; no methods.
    static std::vector<PropertyRecord> designTimeRows()
    {
        return {
            designTimeProperty<W, i4, &W::m_placement>("Placement", "i4"),
            designTimeProperty<W, i4, &W::m_frame, &W::applyWindowFlags>("Frame", "i4"),
            designTimeProperty<W, bool, &W::m_composite>("Composite", "b"),
            designTimeProperty<W, bool, &W::m_liveResize>("LiveResize", "b"),
            designTimeProperty<W, i4, &W::m_macProcId>("MacProcId", "i4"),
        };
    }

    static std::vector<NativeAccessor> accessorRows()
    {
        return {
            storedAccessor<W, i4, &W::m_width, &W::applySizeLimits>("Width", "i4"),
            storedAccessor<W, i4, &W::m_height, &W::applySizeLimits>("Height", "i4"),
            storedAccessor<W, i4, &W::m_minWidth, &W::applySizeLimits>("MinWidth", "i4"),
            storedAccessor<W, i4, &W::m_minHeight, &W::applySizeLimits>("MinHeight", "i4"),
            storedAccessor<W, i4, &W::m_maxWidth, &W::applySizeLimits>("MaxWidth", "i4"),
            storedAccessor<W, i4, &W::m_maxHeight, &W::applySizeLimits>("MaxHeight", "i4"),
            storedAccessor<W, bool, &W::m_hasBackColor, &W::applyBackColor>("HasBackColor", "b"),
            storedAccessor<W, Color, &W::m_backColor, &W::applyBackColor>("BackColor", "c"),
            storedAccessor<W, String, &W::m_title, &W::applyTitle>("Title", "s"),
            storedAccessor<W, bool, &W::m_visible, &W::applyVisibility>("Visible", "b"),
            storedAccessor<W, bool, &W::m_fullScreen, &W::applyVisibility>("FullScreen", "b"),
            storedAccessor<W, bool, &W::m_menuBarVisible, &W::applyMenuBarVisibility>("MenuBarVisible", "b"),
            storedAccessor<W, bool, &W::m_closeButton, &W::applyWindowFlags>("CloseButton", "b"),
            storedAccessor<W, bool, &W::m_resizeable, &W::applyResizeability>("Resizeable", "b"),
            storedAccessor<W, bool, &W::m_maximizeButton, &W::applyWindowFlags>("MaximizeButton", "b"),
            storedAccessor<W, bool, &W::m_minimizeButton, &W::applyWindowFlags>("MinimizeButton", "b"),

            storedAccessor<W, i4, &W::m_left, &W::applyPosition>("Left", "i4"),
            storedAccessor<W, i4, &W::m_top, &W::applyPosition>("Top", "i4"),
            publishedAccessor<&W::MenuBar_Get, &W::MenuBar_Set>("MenuBar", "o<MenuBar>"),
            nativeAccessor<W, RectControl*>("Focus", "o<RectControl>", &focusedControl, &focusControl),
            nativeAccessor<W, Picture*>("Backdrop", "o<Picture>", +[](W* window) { return window->m_backdrop.get(); },
                +[](W* window, Picture* picture) {
                    window->m_backdrop = picture;
                    W::Refresh(window);
                }),
            storedAccessor<W, bool, &W::m_enabled, &W::applyState>("Enabled", "b"),
            storedAccessor<W, bool, &W::m_contentsChanged>("ContentsChanged", "b"),
            storedAccessor<W, bool, &W::m_acceptFocus, &W::applyState>("AcceptFocus", "b"),
            storedAccessor<W, i4, &W::m_opacity, &W::applyState>("Opacity", "i4"),
            storedAccessor<W, bool, &W::m_keepOnTop, &W::applyWindowFlags>("KeepOnTop", "b"),
            storedAccessor<W, bool, &W::m_mouseCursorVisible, &W::applyState>("MouseCursorVisible", "b"),
            nativeAccessor<W, FolderItem*>("DocumentFile", "o<FolderItem>",
                +[](W* window) { return window->m_documentFile.get(); },
                +[](W* window, FolderItem* item) { window->m_documentFile = item; }),

            nativeAccessor<W, i4>("ControlCount", "i4", +[](W* window) { return i4(window->m_controls.size()); }),
            nativeAccessor<W, i4>("MouseX", "i4", +[](W* window) { return mouseInContent(window).x(); }),
            nativeAccessor<W, i4>("MouseY", "i4", +[](W* window) { return mouseInContent(window).y(); }),
            nativeAccessor<W, i4>("Handle", "i4", +[](W* window) {
                return fromFrame(window, 0, [](QMainWindow* frame) { return i4(frame->internalWinId() & 0xFFFFFFFF); });
            }),
            nativeAccessor<W, bool>("Active", "b", +[](W* window) {
                return fromFrame(window, false, [](QMainWindow* frame) { return frame->isActiveWindow(); });
            }),
            nativeAccessor<W, bool>("Modal", "b", +[](W* window) {
                return fromFrame(window, false, [](QMainWindow* frame) { return frame->isModal(); });
            }),
            nativeAccessor<W, bool>("Minimized", "b", +[](W* window) {
                return fromFrame(window, false, [](QMainWindow* frame) { return frame->isMinimized(); });
            }),
            nativeAccessor<W, bool>("Maximized", "b", +[](W* window) {
                return fromFrame(window, false, [](QMainWindow* frame) { return frame->isMaximized(); });
            }),
            nativeAccessor<W, bool>("ImplicitInstance", "b",
                +[](W* window) { return ImplicitWindows::isImplicitInstance(window); }),
            nativeAccessor<W, i4>("MenuBarHeight", "i4", +[](W* window) {
                return fromFrame(window, 0, [](QMainWindow* frame) {
                    QWidget* bar = frame->menuWidget();
                    return bar && !bar->isHidden() ? i4(bar->height()) : 0;
                });
            }),
            nativeAccessor<W, i4>("OuterWidth", "i4", +[](W* window) {
                return fromFrame(window, 0, [](QMainWindow* frame) { return i4(frame->frameGeometry().width()); });
            }),
            nativeAccessor<W, i4>("OuterHeight", "i4", +[](W* window) {
                return fromFrame(window, 0, [](QMainWindow* frame) { return i4(frame->frameGeometry().height()); });
            }),
            nativeAccessor<W, i4>("ScaleFactor", "i4", +[](W* window) {
                return fromScreen(window, 100, [](QScreen* screen) { return i4(screen->devicePixelRatio() * 100); });
            }),
            nativeAccessor<W, bool>("Closed", "b", +[](W* window) { return window->m_closed; }),
            nativeAccessor<W, i4>("ScreenWidth", "i4", +[](W* window) {
                return fromScreen(window, 0, [](QScreen* screen) { return i4(screen->geometry().width()); });
            }),
            nativeAccessor<W, i4>("ScreenHeight", "i4", +[](W* window) {
                return fromScreen(window, 0, [](QScreen* screen) { return i4(screen->geometry().height()); });
            }),
        };
    }

    // What the read-only properties read from the native window, or what
    // they give before the window is constructed.
    template<typename T, typename Read>
    static T fromFrame(W* window, T otherwise, Read read)
    {
        return window->m_native ? read(window->m_native->frame.get()) : otherwise;
    }

    static QPoint mouseInContent(W* window)
    {
        QWidget* content = window->contentWidget();
        return content ? content->mapFromGlobal(QCursor::pos()) : QPoint();
    }

    static RectControl* focusedControl(W* window)
    {
        QWidget* content = window->contentWidget();
        QWidget* focused = content ? content->focusWidget() : nullptr;
        RectControl* found = nullptr;
        window->forEachRectControl([&](RectControl& control) {
            if (focused && control.widget() == focused)
                found = &control;
        });
        return found;
    }

    static void focusControl(W* window, RectControl* control)
    {
        if (control && control->window() == window)
            RectControl::SetFocus(control);
        else if (QWidget* content = window->contentWidget())
            content->setFocus(Qt::OtherFocusReason);
    }
};

ClassRecord& Window::__Lookup()
{
    static ClassRecord& record = [] () -> ClassRecord& {
        NativeClassDefinition definition{
            .name = "Window",
            .base = &ObjectClass(),
            .events = {kEventNames.begin(), kEventNames.end()},
            .operationCount = WindowSlot::OperationCount,
            .initializer = &Window::__Init,
            .finalizer = &Window::__Exit,
        };
        const std::vector<NativeAccessor> accessors = WindowPropertyTable::accessorRows();
        addNativeMembers(definition, operationRows(), accessors);
        publishNativeMembers(definition.name, {}, accessors);
        for (PropertyRecord& property : WindowPropertyTable::designTimeRows())
            definition.properties.push_back(std::move(property));
        definition.methods.push_back(ordinaryMethod("_CallOpen", "%%", &Window::_CallOpen));
        definition.methods.push_back(ordinaryMethod("_CallClose", "%%", &Window::_CallClose));
        definition.methods.push_back(ordinaryMethod("_CallKeyUp", "%%s", &Window::_CallKeyUp));
        definition.methods.push_back(ordinaryMethod("_CallMouseUp", "%%i4i4", &Window::_CallMouseUp));
        definition.methods.push_back(ordinaryMethod("_CallMouseDrag", "%%i4i4", &Window::_CallMouseDrag));
        definition.methods.push_back(sharedMethod("WindowCount", "%i4%", &Window::WindowCount));
        definition.methods.push_back(sharedMethod("WindowAt", "%o<Window>%i4", &Window::WindowAt));
        return defineNativeClass<Window>(std::move(definition));
    }();
    return record;
}

} // namespace fw
