// The native widget of an ImageWell: draws the well's picture centred in
// its rectangle (cut off where it is larger) and hands key presses to the
// well's KeyDown event.
#pragma once

#include "ControlWidget_p.h"

namespace fw {

class ImageWellWidget final : public QWidget, public ControlLink {
public:
    explicit ImageWellWidget(ImageWell& well);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fw
