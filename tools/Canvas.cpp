#include "tools/Canvas.h"

namespace tolvane::mediagen {

Canvas::Canvas(QSize size, QColor background)
    : m_image(size, QImage::Format_RGB32)
{
    m_image.fill(background);
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

void Canvas::drawText(const QRectF& box, const QString& text, const QFont& font, QColor colour, int alignment)
{
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(colour);
    m_painter.drawText(box, alignment | Qt::TextWordWrap, text);
    m_painter.restore();
}

QColor blend(QColor from, QColor to, double amount)
{
    const auto channel = [amount](float a, float b) { return a + (b - a) * static_cast<float>(amount); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

QImage Canvas::finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

} // namespace tolvane::mediagen
