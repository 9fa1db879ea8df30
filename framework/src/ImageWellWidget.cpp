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
    if (!picture)
        return;
    const QImage& image = picture->image();
    QPainter painter(this);
    painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
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
