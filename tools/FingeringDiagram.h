// The fingering chart of one note: every key of the alto saxophone in its
// usual place, the pressed ones filled. The keys' places are a table of their
// own, drawn by one loop.
#pragma once

#include "tools/FingeringTable.h"

#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace tolvane::mediagen {

class FingeringDiagram {
public:
    static constexpr QSizeF kSize{300, 390};

    // The key's outline, in the diagram's own coordinates (0,0 at its top left).
    static QRectF keyRect(SaxKey key);

    static void draw(QPainter& painter, QPointF topLeft, KeySet pressed);
};

} // namespace tolvane::mediagen
