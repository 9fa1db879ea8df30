// A picture being drawn: an opaque image of a fixed size with a painter set
// up the same way for every picture of the set (smooth edges and text).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

namespace tolvane::mediagen {

class Canvas {
public:
    Canvas(QSize size, QColor background);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return m_painter; }
    QRectF bounds() const { return QRectF(QPointF(0, 0), QSizeF(m_image.size())); }

    // Text laid out in the box with the given alignment, wrapped at word breaks.
    void drawText(const QRectF& box, const QString& text, const QFont& font, QColor colour,
                  int alignment = Qt::AlignCenter);

    // Ends the drawing and hands out the finished picture.
    QImage finish();

private:
    QImage m_image;
    QPainter m_painter;
};

// The colour a given part of the way from one colour to another (0 to 1).
QColor blend(QColor from, QColor to, double amount);

// The colours the pictures share: the ink of the notation and the fingering
// charts, and the gold of the title on the keyboard and the opening picture.
inline constexpr QColor kInk(0x1c, 0x1c, 0x1c);
inline constexpr QColor kGold(0xe3, 0xb9, 0x5c);

} // namespace tolvane::mediagen
