// The chart run in the benchmark's own process, as the program starts
// itself, and its key labels pressed with real mouse events.
#pragma once

#include "app/Lifecycle.h"
#include "app/Startup.h"
#include "chart/Window1.h"

#include "framework/Application.h"
#include "framework/FolderItem.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace tolvane::bench {

// The key labels in keyboard order, from the lowest note to the highest.
inline std::vector<const chart::ControlLayout*> labelsByPosition()
{
    std::vector<const chart::ControlLayout*> labels;
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind == chart::ControlKind::Label)
            labels.push_back(&control);
    }
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
    return labels;
}

inline QWidget* widgetOf(const chart::ControlLayout& label)
{
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow(fw::String(Window1::kClassName));
    fw::Ref<fw::Control> control = fw::Window::_ControlByName(window.get(), fw::String(label.name));
    fw::Ref<fw::RectControl> rect = fw::RuntimeCheckCast<fw::RectControl>(control.get());
    return rect ? rect->widget() : nullptr;
}

inline void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget) { sendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton); }
inline void release(QWidget* widget) { sendMouse(widget, QEvent::MouseButtonRelease, Qt::NoButton); }

// Starts the chart on the bundle at `bundle`, on the offscreen platform with
// silent sound unless the environment says otherwise.
inline void startChart(const std::filesystem::path& bundle)
{
    fw::RuntimeOverrideExecutablePath((bundle / "Contents/MacOS/Tolvane").string());
    fw::RuntimeInit();
    percent_initialize();
    _Startup();
}

// Ends it as a quit does.
inline int endChart()
{
    percent_finalize();
    return fw::RuntimeExit();
}

} // namespace tolvane::bench
