#include "LabelWidget_p.h"

#include "framework/Window.h"

#include "NativeEventDelivery_p.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw {

LabelWidget::LabelWidget(Label& label) : ControlLink(label)
{
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::mousePressEvent(QMouseEvent* event)
{
    Ref<Label> label = control<Label>();
    if (!label) {
        QLabel::mousePressEvent(event);
        return;
    }
    const auto x = static_cast<std::int32_t>(event->position().x());
    const auto y = static_cast<std::int32_t>(event->position().y());
    deliverEvent([&] { label->_MouseDown(x, y); });
    // A selectable label still selects its text.
    QLabel::mousePressEvent(event);
    event->accept();
}

void LabelWidget::paintEvent(QPaintEvent* event)
{
    Ref<Label> label = control<Label>();
    if (label && label->paintsBackground()) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
    QLabel::paintEvent(event);
}

} // namespace fw
