#include "ImageWellWidget_p.h"

#include "framework/Picture.h"

#include "KeyEventText_p.h"
#include "NativeEventDelivery_p.h"

#include <QKeyEvent>
#include <QPainter>

namespace fw {

ImageWellWidget::ImageWellWidget(ImageWell& well) : ControlLink(well) { }

void ImageWellWidget::paintEvent(QPaintEvent*)
{
    Ref<ImageWell> well = control<ImageWell>();
    Picture* picture = well ? well->image() : nullptr;
    const std::uint64_t serial = picture ? picture->serial() : 0;
    if (serial != m_shownSerial || m_shown.isNull()) {
        m_shown = picture ? picture->image() : QImage();
        // Pixels that could not be decoded this time are asked for again at
        // the next paint.
        m_shownSerial = m_shown.isNull() ? 0 : serial;
    }
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint((width() - m_shown.width()) / 2, (height() - m_shown.height()) / 2), m_shown);
}

void ImageWellWidget::keyPressEvent(QKeyEvent* event)
{
    Ref<ImageWell> well = control<ImageWell>();
    if (!well) {
        QWidget::keyPressEvent(event);
        return;
    }
    String key = keyEventText(*event);
    bool handled = false;
    deliverEvent([&] { handled = well->_KeyDown(key); });
    // A key the well's handler leaves goes on to the window.
    event->setAccepted(handled);
}

} // namespace fw
