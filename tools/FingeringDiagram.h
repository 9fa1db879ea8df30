// The fingering chart of one note: every key of the alto saxophone in its
// usual place, the pressed ones filled. The keys' places are a table of their
// own, drawn by one loop.
#pragma once

#include "tools/FingeringTable.h"

#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace tolvane::mediagen {

inline constexpr QSizeF kFingeringDiagramSize{300, 390};

void drawFingeringDiagram(QPainter& painter, QPointF topLeft, KeySet pressed);

} // namespace tolvane::mediagen
