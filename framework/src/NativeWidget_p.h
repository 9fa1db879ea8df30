// Ownership of the native widgets behind windows and controls.
//
// A widget belongs to its runtime object, but the object may go while Qt is
// inside one of the widget's own event handlers (a handler that closes its
// window). The widget is therefore hidden at once and left to the event loop
// to delete; shut-down, which runs after the loop, deletes what is left with
// deleteDeferredWidgets().
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace fw {

struct DeleteWidgetLater {
    void operator()(QWidget* widget) const
    {
        widget->hide();
        widget->deleteLater();
    }
};

template<typename Widget>
using NativeWidget = std::unique_ptr<Widget, DeleteWidgetLater>;

// Hands a widget made with std::make_unique to a runtime object.
template<typename Widget>
NativeWidget<Widget> adoptWidget(std::unique_ptr<Widget> widget)
{
    return NativeWidget<Widget>(widget.release());
}

inline void deleteDeferredWidgets()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace fw
