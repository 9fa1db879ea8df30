// The native widgets of a window: the top-level frame (a QMainWindow that
// carries the menu bar) and the content widget inside it, whose coordinates
// are the window's and whose size is exactly the window's Width and Height.
// Both report what happens to them to their Window, through the framework's
// event delivery. The Window owns them and makes them forget it before it
// goes, since Qt may still send them events until they are deleted.
#pragma once

#include "framework/Window.h"

#include "NativeWidget_p.h"

#include <QMainWindow>
#include <QSize>
#include <QWidget>

namespace fw {

class WindowFrame final : public QMainWindow {
public:
    explicit WindowFrame(Window& window);
    void forgetWindow() { m_window = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Ref<Window> owner() const { return Ref<Window>(m_window); }

    Window* m_window;
};

class WindowContent final : public QWidget {
public:
    explicit WindowContent(Window& window);
    void forgetWindow() { m_window = nullptr; }

    // The size the layout gives the content; the limits are the widget's
    // minimum and maximum sizes.
    void setContentSize(QSize size);
    QSize sizeHint() const override { return m_contentSize; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Ref<Window> owner() const { return Ref<Window>(m_window); }

    Window* m_window;
    QSize m_contentSize;
};

// What a constructed window holds of Qt.
struct Window::Native {
    NativeWidget<WindowFrame> frame;
    WindowContent* content = nullptr; // the frame's central widget, owned by it
};

} // namespace fw
