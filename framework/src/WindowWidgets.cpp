#include "WindowWidgets_p.h"

#include "framework/Picture.h"

#include "KeyEventText_p.h"
#include "NativeEventDelivery_p.h"
#include "RaiseEvent_p.h"

#include <QCloseEvent>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWindowStateChangeEvent>

namespace fw {

namespace {
// Runs the routine with the window and the event's point, in the content's
// (the window's) whole coordinates.
template<typename Routine>
void deliverAtPoint(const Ref<Window>& window, QPointF position, Routine routine)
{
    if (!window)
        return;
    const auto x = static_cast<std::int32_t>(position.x());
    const auto y = static_cast<std::int32_t>(position.y());
    deliverEvent([&] { routine(window.get(), x, y); });
}
} // namespace

WindowFrame::WindowFrame(Window& window) : m_window(&window) { }

void WindowFrame::closeEvent(QCloseEvent* event)
{
    bool closing = false;
    if (Ref<Window> window = owner())
        deliverEvent([&] { closing = call(window.get(), WindowSlot::_UnifiedClose, false); });
    event->setAccepted(closing);
}

void WindowFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (Ref<Window> window = owner()) {
        window->nativeFrameMoved();
        deliverEvent([&] { call(window.get(), WindowSlot::_CallMoved); });
    }
}

void WindowFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    Ref<Window> window = owner();
    if (!window)
        return;
    if (event->type() == QEvent::ActivationChange) {
        auto slot = isActiveWindow() ? WindowSlot::_CallActivated : WindowSlot::_CallDeactivated;
        deliverEvent([&] { call(window.get(), slot); });
    } else if (event->type() == QEvent::WindowStateChange) {
        Qt::WindowStates previous = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        Qt::WindowStates now = windowState();
        if (now & Qt::WindowMinimized)
            deliverEvent([&] { raiseEvent(window.get(), WindowEvent::Minimize); });
        else if (now & Qt::WindowMaximized)
            deliverEvent([&] { raiseEvent(window.get(), WindowEvent::Maximize); });
        else if (previous & (Qt::WindowMinimized | Qt::WindowMaximized))
            deliverEvent([&] { raiseEvent(window.get(), WindowEvent::Restore); });
    }
}

WindowContent::WindowContent(Window& window) : m_window(&window)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void WindowContent::setContentSize(QSize size)
{
    m_contentSize = size;
    updateGeometry();
}

void WindowContent::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Ref<Window> window = owner();
    if (!window || !event->oldSize().isValid())
        return;
    window->nativeContentResized(event->oldSize().width(), event->oldSize().height());
    deliverEvent([&] { call(window.get(), WindowSlot::_CallResized); });
}

void WindowContent::paintEvent(QPaintEvent*)
{
    Ref<Window> window = owner();
    if (!window)
        return;
    if (Picture* backdrop = window->backdrop()) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), backdrop->image());
    }
    deliverEvent([&] { call(window.get(), WindowSlot::_Paint); });
}

void WindowContent::mousePressEvent(QMouseEvent* event)
{
    deliverAtPoint(owner(), event->position(),
        [](Window* window, std::int32_t x, std::int32_t y) { call(window, WindowSlot::_CallMouseDown, x, y); });
}

void WindowContent::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        deliverAtPoint(owner(), event->position(), &Window::_CallMouseDrag);
    else
        deliverAtPoint(owner(), event->position(),
            [](Window* window, std::int32_t x, std::int32_t y) { call(window, WindowSlot::_MouseMove, x, y); });
}

void WindowContent::mouseReleaseEvent(QMouseEvent* event)
{
    deliverAtPoint(owner(), event->position(), &Window::_CallMouseUp);
}

void WindowContent::enterEvent(QEnterEvent*)
{
    if (Ref<Window> window = owner())
        deliverEvent([&] { call(window.get(), WindowSlot::_MouseEnter); });
}

void WindowContent::leaveEvent(QEvent*)
{
    if (Ref<Window> window = owner())
        deliverEvent([&] { call(window.get(), WindowSlot::_MouseExit); });
}

void WindowContent::wheelEvent(QWheelEvent* event)
{
    // One notch of a wheel is 120 eighths of a degree; the event counts notches.
    const std::int32_t deltaX = event->angleDelta().x() / 120;
    const std::int32_t deltaY = event->angleDelta().y() / 120;
    bool handled = false;
    deliverAtPoint(owner(), event->position(), [&](Window* window, std::int32_t x, std::int32_t y) {
        handled = call(window, WindowSlot::_MouseWheel, x, y, deltaX, deltaY);
    });
    event->setAccepted(handled);
}

void WindowContent::keyPressEvent(QKeyEvent* event)
{
    Ref<Window> window = owner();
    if (!window)
        return;
    String key = keyEventText(*event);
    bool handled = false;
    deliverEvent([&] { handled = call(window.get(), WindowSlot::_KeyDown, key); });
    event->setAccepted(handled);
}

void WindowContent::keyReleaseEvent(QKeyEvent* event)
{
    if (Ref<Window> window = owner()) {
        String key = keyEventText(*event);
        deliverEvent([&] { Window::_CallKeyUp(window.get(), key); });
    }
}

} // namespace fw
