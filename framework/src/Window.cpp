#include "framework/Window.h"

#include "framework/FolderItem.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"

#include "CheckedSelf_p.h"
#include "ImplicitWindows_p.h"
#include "NativeWidget_p.h"
#include "RaiseEvent_p.h"
#include "WindowWidgets_p.h"

#include <algorithm>

namespace fw {

namespace {

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
    if (std::ranges::find(self.m_controls, control, &Ref<Control>::get) == self.m_controls.end())
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
    forEachRectControl([&focusable](RectControl& control) {
        if (control.widget() && control.widget()->focusPolicy() != Qt::NoFocus)
            focusable.push_back(&control);
    });
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
    forEachRectControl([&](RectControl& control) {
        control.followContentResize(m_width - oldWidth, m_height - oldHeight);
    });
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
    return item && self.m_menuHandlers.dispatch(window, item->name());
}

void Window::_AddMenuHandler(Window* window, String itemName, Operation handler)
{
    checkedSelf(window).m_menuHandlers.add(std::move(itemName), handler);
}

void Window::_EnableMenuItems(Window* window)
{
    Window& self = checkedSelf(window);
    raiseEvent(window, WindowEvent::EnableMenuItems);
    if (self.m_menuBar)
        self.m_menuBar->refreshAutomaticEnabling();
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

} // namespace fw
