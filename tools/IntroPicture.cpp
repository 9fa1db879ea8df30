#include "tools/IntroPicture.h"

#include "tools/Canvas.h"
#include "tools/Fonts.h"
#include "tools/Wells.h"

#include <QLinearGradient>
#include <QPen>

namespace tolvane::mediagen {
namespace {

const QColor kNightTop(0x22, 0x33, 0x52);
const QColor kNightBottom(0x0d, 0x14, 0x24);
const QColor kCream(0xf1, 0xe9, 0xd6);

} // namespace

QImage introPicture()
{
    Canvas canvas(QSize(kCentreWellRect.width, kCentreWellRect.height), kNightBottom);
    QPainter& painter = canvas.painter();
    const QRectF bounds = canvas.bounds();
    const double width = bounds.width();

    QLinearGradient sky(bounds.topLeft(), bounds.bottomLeft());
    sky.setColorAt(0, kNightTop);
    sky.setColorAt(1, kNightBottom);
    painter.fillRect(bounds, sky);

    canvas.drawText(QRectF(0, 90, width, 90), QStringLiteral("Tolvane"), Fonts::serif(72, QFont::Bold), kGold);
    canvas.drawText(QRectF(0, 182, width, 30), QStringLiteral("a note chart for the alto saxophone"),
                    Fonts::serif(19, QFont::Normal, true), kCream);

    painter.setPen(QPen(kGold, 2));
    painter.drawLine(QPointF(width * 0.3, 236), QPointF(width * 0.7, 236));
    canvas.drawText(QRectF(0, 250, width, 220), QStringLiteral("♫"), Fonts::sans(170), kGold);

    canvas.drawText(QRectF(40, 500, width - 80, 84),
                    QStringLiteral("Press a key on the keyboard below to see and hear its note."),
                    Fonts::sans(22, QFont::Bold), kCream);
    canvas.drawText(QRectF(0, 596, width, 60), QStringLiteral("↓"), Fonts::sans(48), kGold);
    return canvas.finish();
}

} // namespace tolvane::mediagen
