// The native widget of a Label: a QLabel that hands mouse presses to the
// label's MouseDown event and draws no background of its own, so that an
// empty label shows what lies beneath it.
#pragma once

#include "ControlWidget_p.h"

#include <QLabel>

namespace fw {

class LabelWidget final : public QLabel, public ControlLink {
public:
    explicit LabelWidget(Label& label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fw
