// The native widget of an ImageWell: draws the well's picture centred in
// its rectangle (cut off where it is larger) and hands key presses to the
// well's KeyDown event.
//
// It keeps the image it shows, which shares its pixels with the pictures'
// budget while the budget holds them: the picture on screen is never decoded
// again for a repaint, and no second copy of it is made.
#pragma once

#include "ControlWidget_p.h"

#include <QImage>

#include <cstdint>

namespace fw {

class ImageWellWidget final : public QWidget, public ControlLink {
public:
    explicit ImageWellWidget(ImageWell& well);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The serial number of the picture shown, to tell when the well's
    // picture changed; 0 for none.
    std::uint64_t m_shownSerial = 0;
    QImage m_shown;
};

} // namespace fw
