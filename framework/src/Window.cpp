#include "framework/Window.h"

#include "framework/FolderItem.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"

#include "CheckedSelf_p.h"
#include "ImplicitWindows_p.h"
#include "NativeWidget_p.h"
#include "QtString_p.h"
#include "RaiseEvent_p.h"
#include "WindowWidgets_p.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryFile>
#include <QWindow>

#include <algorithm>
#include <array>

namespace fw {

struct Window::Native {
    NativeWidget<WindowFrame> frame;
    WindowContent* content = nullptr; // the frame's central widget, owned by it
};

namespace {

// A side as Qt accepts it: no negative sizes, nothing beyond Qt's limit.
int side(std::int32_t value)
{
    return std::clamp<int>(value, 0, QWIDGETSIZE_MAX);
}

// The kind of native window each Frame value asks for; values past the
// table are document windows.
constexpr std::array<Qt::WindowFlags::Int, 10> kFrameKinds{
    Qt::Window,                            // 0 document window
    Qt::Dialog,                            // 1 movable modal dialog
    Qt::Dialog,                            // 2 modal dialog
    Qt::Tool,                              // 3 floating palette
    Qt::Window | Qt::FramelessWindowHint,  // 4 plain box
    Qt::Window | Qt::FramelessWindowHint,  // 5 shadowed box
    Qt::Window,                            // 6 rounded window
    Qt::Tool | Qt::WindowStaysOnTopHint,   // 7 global floating palette
    Qt::Sheet,                             // 8 sheet
    Qt::Drawer,                            // 9 drawer
};

QScreen* screenForPlacement(std::int32_t placement)
{
    // 1 and 3 place the window after the active one, 2 on the main screen.
    if (placement != 2) {
        if (QWidget* active = QApplication::activeWindow())
            return active->screen();
    }
    return QGuiApplication::primaryScreen();
}

// A construction runs the class's layout events with the window not yet
// shown; setting Visible meanwhile only records the wish.
class ConstructionScope {
public:
    explicit ConstructionScope(bool& constructing) : m_constructing(constructing) { m_constructing = true; }
    ~ConstructionScope() { m_constructing = false; }
    ConstructionScope(const ConstructionScope&) = delete;
    ConstructionScope& operator=(const ConstructionScope&) = delete;

private:
    bool& m_constructing;
};

} // namespace

Window::Window(ClassRecord& record) : Object(record) { }

Window::~Window()
{
    releaseNative();
}

void Window::__Init(Object* object)
{
    Window& window = *static_cast<Window*>(object);
    window.m_width = 300;
    window.m_height = 300;
    window.m_minWidth = 64;
    window.m_minHeight = 64;
    window.m_maxWidth = 32000;
    window.m_maxHeight = 32000;
    window.m_title = "Untitled";
    window.m_visible = true;
    window.m_menuBarVisible = true;
    window.m_closeButton = true;
    window.m_resizeable = true;
    window.m_liveResize = true;
    window.m_maximizeButton = true;
    window.m_minimizeButton = true;
    window.m_enabled = true;
    window.m_acceptFocus = true;
    window.m_mouseCursorVisible = true;
}

void Window::__Exit(Object* object)
{
    // The finaliser runs with the count already at zero: nothing here may
    // take a reference to the window.
    static_cast<Window*>(object)->releaseNative();
}

void Window::releaseNative()
{
    // First of all: hiding widgets sends events, which must not reach a
    // window that is going.
    if (m_native) {
        m_native->frame->forgetWindow();
        m_native->content->forgetWindow();
    }
    for (const Ref<Control>& control : m_controls)
        control->detachFromWindow();
    m_controls.clear();
    m_native.reset();
    m_menuBar = nullptr;
    m_parentWindow = nullptr;
    m_backdrop = nullptr;
}

QWidget* Window::widget() const
{
    return m_native ? m_native->frame.get() : nullptr;
}

QWidget* Window::contentWidget() const
{
    return m_native ? m_native->content : nullptr;
}

// --- construction ---

void Window::Constructor(Window* window)
{
    Window& self = checkedSelf(window);
    if (self.m_native)
        return;
    Ref<Window> keepAlive(window);
    self.m_native = std::make_unique<Native>();
    self.m_native->frame = adoptWidget(std::make_unique<WindowFrame>(self));
    auto content = std::make_unique<WindowContent>(self);
    self.m_native->content = content.get();
    self.m_native->frame->setCentralWidget(content.release());
    self.applyAll();
    {
        ConstructionScope scope(self.m_constructing);
        raiseEvent(window, WindowEvent::Layout);
        raiseEvent(window, WindowEvent::CreateControls);
        raiseEvent(window, WindowEvent::AddMenuHandlers);
        raiseEvent(window, WindowEvent::SetupBindings);
    }
    ImplicitWindows::hold(window);
    self.applyVisibility();
    _CallOpen(window);
}

void Window::DefaultConstructor(Window* window)
{
    call(&checkedSelf(window), WindowSlot::Constructor);
}

void Window::applyAll()
{
    applyWindowFlags();
    applyTitle();
    applyMenuBar(); // sizes the window too
    applyBackColor();
    applyState();
    if (m_positioned)
        applyPosition();
}

// --- controls ---

Ref<Control> Window::__New(Window* window, ClassRecord* controlClass)
{
    Window& self = checkedSelf(window);
    if (!controlClass)
        RaiseNilObjectException();
    Ref<Control> control = RuntimeCheckCast<Control>(RuntimeNewObject(*controlClass).get());
    control->attach(&self, String());
    return control;
}

void Window::_AddControl(Window* window, String name, Control* control)
{
    Window& self = checkedSelf(window);
    if (!control)
        RaiseNilObjectException();
    control->attach(&self, std::move(name));
    if (std::find(self.m_controls.begin(), self.m_controls.end(), Ref<Control>(control)) == self.m_controls.end())
        self.m_controls.emplace_back(control);
    self.updateTabOrder();
}

void Window::_RemoveControl(Window* window, Control* control)
{
    Window& self = checkedSelf(window);
    Ref<Control> removed(control);
    if (std::erase(self.m_controls, removed) > 0)
        removed->detachFromWindow();
}

Ref<Control> Window::_ControlByName(Window* window, String name)
{
    for (const Ref<Control>& control : checkedSelf(window).m_controls) {
        if (equalsIgnoringCase(control->name().view(), name.view()))
            return control;
    }
    return nullptr;
}

Ref<Control> Window::_ControlByNameIndex(Window* window, String name, std::int32_t index)
{
    for (const Ref<Control>& control : checkedSelf(window).m_controls) {
        if (control->index == index && equalsIgnoringCase(control->name().view(), name.view()))
            return control;
    }
    return nullptr;
}

Ref<Control> Window::ControlAt(Window* window, std::int32_t index)
{
    const std::vector<Ref<Control>>& controls = checkedSelf(window).m_controls;
    if (index < 0 || static_cast<std::size_t>(index) >= controls.size())
        return nullptr;
    return controls[static_cast<std::size_t>(index)];
}

void Window::__DependencyList(Window*)
{
    RectControl::__Lookup();
    Label::__Lookup();
    ImageWell::__Lookup();
}

void Window::updateTabOrder()
{
    std::vector<RectControl*> focusable;
    for (const Ref<Control>& control : m_controls) {
        if (control->isKindOf(RectControl::__Lookup())) {
            auto* rect = static_cast<RectControl*>(control.get());
            if (rect->widget() && rect->widget()->focusPolicy() != Qt::NoFocus)
                focusable.push_back(rect);
        }
    }
    // Controls that share a TabIndex keep the order in which they were added.
    std::stable_sort(focusable.begin(), focusable.end(),
        [](const RectControl* a, const RectControl* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1]->widget(), focusable[i]->widget());
}

void Window::nativeContentResized(std::int32_t oldWidth, std::int32_t oldHeight)
{
    if (!m_native)
        return;
    const QSize now = m_native->content->size();
    m_width = now.width();
    m_height = now.height();
    for (const Ref<Control>& control : m_controls) {
        if (control->isKindOf(RectControl::__Lookup()))
            static_cast<RectControl*>(control.get())->followContentResize(m_width - oldWidth, m_height - oldHeight);
    }
}

void Window::nativeFrameMoved()
{
    if (!m_native)
        return;
    m_left = m_native->frame->x();
    m_top = m_native->frame->y();
}

// --- menu bar ---

Ref<MenuBar> Window::MenuBar_Get(Window* window, std::int32_t)
{
    return checkedSelf(window).m_menuBar;
}

void Window::MenuBar_Set(Window* window, std::int32_t, MenuBar* menuBar)
{
    Window& self = checkedSelf(window);
    self.m_menuBar = menuBar;
    self.applyMenuBar();
}

bool Window::_HandleMenuCommand(Window* window, MenuItem* item)
{
    Window& self = checkedSelf(window);
    if (!item)
        return false;
    for (const auto& [itemName, handler] : self.m_menuHandlers) {
        if (equalsIgnoringCase(itemName.view(), item->name().view()))
            return reinterpret_cast<bool (*)(Window*)>(handler)(window);
    }
    return false;
}

void Window::_AddMenuHandler(Window* window, String itemName, Operation handler)
{
    Window& self = checkedSelf(window);
    for (auto& [name, registered] : self.m_menuHandlers) {
        if (equalsIgnoringCase(name.view(), itemName.view())) {
            registered = handler;
            return;
        }
    }
    self.m_menuHandlers.emplace_back(std::move(itemName), handler);
}

void Window::_EnableMenuItems(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::EnableMenuItems);
    if (window->m_menuBar)
        window->m_menuBar->refreshAutomaticEnabling();
}

// --- showing, hiding, closing ---

void Window::Show(Window* window)
{
    Window& self = checkedSelf(window);
    self.m_visible = true;
    self.applyVisibility();
    if (self.m_native)
        self.m_native->frame->raise();
}

void Window::ShowWithin(Window* window, Window* parent)
{
    Window& self = checkedSelf(window);
    self.m_parentWindow = parent;
    self.applyTransientParent();
    Show(window);
}

void Window::ShowModalWithin(Window* window, Window* parent)
{
    Window& self = checkedSelf(window);
    if (self.m_native)
        self.m_native->frame->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    ShowWithin(window, parent);
}

void Window::ShowModal(Window* window)
{
    ShowModalWithin(window, nullptr);
}

void Window::Hide(Window* window)
{
    Window& self = checkedSelf(window);
    self.m_visible = false;
    self.applyVisibility();
}

void Window::Close(Window* window)
{
    call(&checkedSelf(window), WindowSlot::_UnifiedClose, false);
}

bool Window::_UnifiedClose(Window* window, bool appQuitting)
{
    Window& self = checkedSelf(window);
    Ref<Window> keepAlive(window);
    if (raiseEvent(window, WindowEvent::CancelClose, appQuitting))
        return false;
    _CallClose(window);
    self.m_visible = false;
    self.m_closed = true;
    if (self.m_native)
        self.m_native->frame->hide();
    ImplicitWindows::release(window);
    return true;
}

void Window::Maximize(Window* window)
{
    if (QWidget* frame = checkedSelf(window).widget())
        frame->setWindowState((frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void Window::Minimize(Window* window)
{
    if (QWidget* frame = checkedSelf(window).widget())
        frame->setWindowState(frame->windowState() | Qt::WindowMinimized);
}

void Window::Restore(Window* window)
{
    if (QWidget* frame = checkedSelf(window).widget())
        frame->setWindowState(frame->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void Window::_Move(Window* window, std::int32_t left, std::int32_t top)
{
    Window& self = checkedSelf(window);
    self.m_left = left;
    self.m_top = top;
    self.m_positioned = true;
    self.applyPosition();
}

void Window::SetFocus(Window* window)
{
    Window& self = checkedSelf(window);
    if (!self.m_native)
        return;
    self.m_native->frame->raise();
    self.m_native->frame->activateWindow();
    self.m_native->content->setFocus(Qt::OtherFocusReason);
}

void Window::FocusNext(Window* window)
{
    checkedSelf(window).moveFocus(true);
}

void Window::FocusPrevious(Window* window)
{
    checkedSelf(window).moveFocus(false);
}

void Window::moveFocus(bool forward)
{
    if (!m_native)
        return;
    QWidget* content = m_native->content;
    QWidget* current = content->focusWidget() ? content->focusWidget() : content;
    // The chain runs through every widget of the frame; the walk stops when
    // it is back where it began.
    for (QWidget* next = forward ? current->nextInFocusChain() : current->previousInFocusChain(); next != current;
         next = forward ? next->nextInFocusChain() : next->previousInFocusChain()) {
        if (content->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isEnabled()
            && next->isVisibleTo(content)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

Ref<Window> Window::TrueWindow(Window* window)
{
    return &checkedSelf(window);
}

String Window::Operator_Convert(Window* window)
{
    return checkedSelf(window).m_title;
}

// --- drawing ---

void Window::Refresh(Window* window)
{
    if (QWidget* content = checkedSelf(window).contentWidget())
        content->update();
}

void Window::RefreshRect(Window* window, std::int32_t left, std::int32_t top, std::int32_t width,
    std::int32_t height)
{
    if (QWidget* content = checkedSelf(window).contentWidget())
        content->update(QRect(left, top, side(width), side(height)));
}

void Window::_Update(Window* window)
{
    Refresh(window);
}

void Window::UpdateNow(Window* window)
{
    if (QWidget* content = checkedSelf(window).contentWidget())
        content->repaint();
}

Ref<Picture> Window::DrawInto(Window* window)
{
    QWidget* content = checkedSelf(window).contentWidget();
    if (!content)
        return nullptr;
    // A Picture is made only from a file: the drawing travels through a
    // temporary JPEG written at full quality.
    QTemporaryFile file(QDir::tempPath() + "/window-XXXXXX.jpg");
    if (!file.open() || !content->grab().toImage().save(&file, "JPEG", 100))
        return nullptr;
    file.close();
    return Picture::fromFile(file.fileName().toStdString());
}

void Window::_DrawBackground(Window* window)
{
    Window& self = checkedSelf(window);
    if (!self.m_native)
        return;
    QWidget* content = self.m_native->content;
    QPalette palette = content->palette();
    if (self.m_hasBackColor) {
        const Color colour = self.m_backColor;
        palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    } else {
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    }
    content->setPalette(palette);
    content->setAutoFillBackground(self.m_hasBackColor);
    content->update();
}

// --- drops ---

void Window::AcceptTextDrop(Window* window)
{
    checkedSelf(window).acceptDrop("text/plain");
}

void Window::AcceptPictureDrop(Window* window)
{
    checkedSelf(window).acceptDrop("image/*");
}

void Window::AcceptFileDrop(Window* window, String fileType)
{
    checkedSelf(window).acceptDrop(fileType);
}

void Window::AcceptMacDataDrop(Window* window, String dataType)
{
    checkedSelf(window).acceptDrop(dataType);
}

void Window::AcceptRawDataDrop(Window* window, String dataType)
{
    checkedSelf(window).acceptDrop(dataType);
}

void Window::acceptDrop(String kind)
{
    if (std::none_of(m_acceptedDrops.begin(), m_acceptedDrops.end(),
            [&kind](const String& accepted) { return accepted == kind; }))
        m_acceptedDrops.push_back(std::move(kind));
    if (m_native)
        m_native->frame->setAcceptDrops(true);
}

// --- events into the window's class ---

void Window::_CallMoved(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Moved);
}

void Window::_CallActivated(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Activate);
}

void Window::_CallDeactivated(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Deactivate);
}

bool Window::_CallMouseDown(Window* window, std::int32_t x, std::int32_t y)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::MouseDown, x, y);
}

void Window::_CallResized(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Resized);
}

void Window::_CallResizing(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Resizing);
}

void Window::_MouseEnter(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseEnter);
}

void Window::_MouseExit(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseExit);
}

void Window::_MouseMove(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseMove, x, y);
}

void Window::_Paint(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Paint);
}

bool Window::_MouseWheel(Window* window, std::int32_t x, std::int32_t y, std::int32_t deltaX, std::int32_t deltaY)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::MouseWheel, x, y, deltaX, deltaY);
}

bool Window::_KeyDown(Window* window, String key)
{
    return raiseEvent(&checkedSelf(window), WindowEvent::KeyDown, std::move(key));
}

void Window::_CallOpen(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Open);
}

void Window::_CallClose(Window* window)
{
    raiseEvent(&checkedSelf(window), WindowEvent::Close);
}

void Window::_CallKeyUp(Window* window, String key)
{
    raiseEvent(&checkedSelf(window), WindowEvent::KeyUp, std::move(key));
}

void Window::_CallMouseUp(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseUp, x, y);
}

void Window::_CallMouseDrag(Window* window, std::int32_t x, std::int32_t y)
{
    raiseEvent(&checkedSelf(window), WindowEvent::MouseDrag, x, y);
}

std::int32_t Window::WindowCount()
{
    return static_cast<std::int32_t>(ImplicitWindows::openWindowCount());
}

Ref<Window> Window::WindowAt(std::int32_t index)
{
    if (index < 0)
        return nullptr;
    return ImplicitWindows::openWindowAt(static_cast<std::size_t>(index));
}

// --- bringing the native window up to date ---

void Window::applySizeLimits()
{
    if (!m_native)
        return;
    QSize size(side(m_width), side(m_height));
    QSize minimum = size;
    QSize maximum = size;
    if (m_resizeable) {
        minimum = QSize(side(m_minWidth), side(m_minHeight));
        maximum = QSize(side(m_maxWidth), side(m_maxHeight)).expandedTo(minimum);
        size = size.expandedTo(minimum).boundedTo(maximum);
    }
    WindowContent* content = m_native->content;
    content->setMinimumSize(minimum);
    content->setMaximumSize(maximum);
    content->setContentSize(size);
    // The frame is the content plus the menu bar: the layout works it out,
    // and for a window that cannot be resized it also fixes it.
    WindowFrame* frame = m_native->frame.get();
    frame->layout()->setSizeConstraint(m_resizeable ? QLayout::SetMinAndMaxSize : QLayout::SetFixedSize);
    frame->layout()->invalidate();
    frame->layout()->activate();
    frame->resize(frame->sizeHint());
    content->resize(size);
}

void Window::applyTitle()
{
    if (m_native)
        m_native->frame->setWindowTitle(qtString(m_title));
}

void Window::applyWindowFlags()
{
    if (!m_native)
        return;
    const std::size_t kind = static_cast<std::size_t>(m_frame);
    Qt::WindowFlags flags = Qt::WindowFlags::fromInt(kFrameKinds[kind < kFrameKinds.size() ? kind : 0]);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (m_closeButton)
        flags |= Qt::WindowCloseButtonHint;
    if (m_minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (m_maximizeButton && m_resizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    if (m_keepOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    WindowFrame* frame = m_native->frame.get();
    if (frame->windowFlags() == flags)
        return;
    // New flags make a new native window, hidden; it is shown again.
    const bool shown = frame->isVisible();
    frame->setWindowFlags(flags);
    applyTransientParent();
    if (shown)
        frame->show();
}

void Window::applyResizeability()
{
    applyWindowFlags();
    applySizeLimits();
}

void Window::applyVisibility()
{
    if (!m_native || m_constructing)
        return;
    WindowFrame* frame = m_native->frame.get();
    if (!m_visible) {
        frame->hide();
        return;
    }
    if (!m_placed) {
        placeOnScreen();
        m_placed = true;
    }
    if (m_fullScreen)
        frame->showFullScreen();
    else if (frame->isFullScreen())
        frame->showNormal();
    else
        frame->show();
}

void Window::placeOnScreen()
{
    if (m_positioned || m_placement < 1 || m_placement > 3)
        return;
    QScreen* screen = screenForPlacement(m_placement);
    if (!screen)
        return;
    WindowFrame* frame = m_native->frame.get();
    QRect placed = frame->frameGeometry();
    placed.moveCenter(screen->availableGeometry().center());
    frame->move(placed.topLeft());
}

void Window::applyMenuBar()
{
    if (!m_native)
        return;
    WindowFrame* frame = m_native->frame.get();
    frame->setMenuBar(m_menuBar ? m_menuBar->createNativeMenuBar(frame) : nullptr);
    if (QWidget* bar = frame->menuWidget())
        bar->setVisible(m_menuBarVisible);
    applySizeLimits();
}

void Window::applyMenuBarVisibility()
{
    if (!m_native)
        return;
    if (QWidget* bar = m_native->frame->menuWidget())
        bar->setVisible(m_menuBarVisible);
    applySizeLimits();
}

void Window::applyState()
{
    if (!m_native)
        return;
    WindowFrame* frame = m_native->frame.get();
    frame->setEnabled(m_enabled);
    frame->setWindowOpacity(std::clamp(m_opacity, 0, 100) / 100.0);
    frame->setFocusPolicy(m_acceptFocus ? Qt::StrongFocus : Qt::NoFocus);
    m_native->content->setCursor(m_mouseCursorVisible ? Qt::ArrowCursor : Qt::BlankCursor);
    if (!m_acceptedDrops.empty())
        frame->setAcceptDrops(true);
}

void Window::applyPosition()
{
    m_positioned = true;
    if (m_native)
        m_native->frame->move(m_left, m_top);
}

void Window::applyTransientParent()
{
    if (!m_native)
        return;
    WindowFrame* frame = m_native->frame.get();
    QWindow* parentHandle = nullptr;
    if (QWidget* parentFrame = m_parentWindow ? m_parentWindow->widget() : nullptr) {
        parentFrame->winId(); // makes the native window the link is set on
        parentHandle = parentFrame->windowHandle();
    }
    frame->winId();
    frame->windowHandle()->setTransientParent(parentHandle);
}

} // namespace fw
