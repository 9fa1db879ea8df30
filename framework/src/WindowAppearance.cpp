// How a window looks: its native window brought up to date with the
// window's properties, and its drawing.
#include "framework/Window.h"

#include "framework/MenuItem.h"
#include "framework/Picture.h"

#include "CheckedSelf_p.h"
#include "QtText_p.h"
#include "WindowWidgets_p.h"

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>

namespace fw {

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

} // namespace

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
    return content ? Picture::fromImage(content->grab().toImage()) : nullptr;
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
        m_native->frame->setWindowTitle(toQString(m_title));
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
    applyMenuBarVisibility();
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
