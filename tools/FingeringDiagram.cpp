#include "tools/FingeringDiagram.h"

#include "tools/Canvas.h"
#include "tools/Fonts.h"

#include <QPen>
#include <QString>

#include <array>

namespace tolvane::mediagen {
namespace {

enum class Shape { Finger, Oval, Lever };

struct KeyDrawing {
    SaxKey key;
    Shape shape;
    QRectF rect;
    const char* label;
};

// Left hand above the divider, right hand below; the main column is the six
// fingers, the palm keys and the right side keys stand to its left, the pinky
// keys of both hands to its right.
constexpr std::array<KeyDrawing, kSaxKeyCount> kKeys{{
    {SaxKey::Octave, Shape::Oval, {94, 26, 30, 15}, "8ve"},
    {SaxKey::FrontF, Shape::Oval, {176, 40, 26, 14}, "F"},
    {SaxKey::PalmD, Shape::Lever, {56, 58, 34, 17}, "D"},
    {SaxKey::PalmEflat, Shape::Lever, {56, 80, 34, 17}, "E♭"},
    {SaxKey::PalmF, Shape::Lever, {56, 102, 34, 17}, "F"},
    {SaxKey::Left1, Shape::Finger, {130, 50, 40, 40}, "1"},
    {SaxKey::Bis, Shape::Oval, {143, 95, 14, 12}, ""},
    {SaxKey::Left2, Shape::Finger, {130, 110, 40, 40}, "2"},
    {SaxKey::Left3, Shape::Finger, {130, 160, 40, 40}, "3"},
    {SaxKey::PinkyGsharp, Shape::Lever, {184, 164, 44, 17}, "G♯"},
    {SaxKey::PinkyCsharp, Shape::Lever, {218, 185, 32, 17}, "C♯"},
    {SaxKey::PinkyB, Shape::Lever, {182, 185, 32, 17}, "B"},
    {SaxKey::PinkyBflat, Shape::Lever, {182, 206, 32, 17}, "B♭"},
    {SaxKey::HighFsharp, Shape::Lever, {78, 238, 34, 17}, "F♯"},
    {SaxKey::SideE, Shape::Lever, {78, 264, 34, 17}, "E"},
    {SaxKey::SideC, Shape::Lever, {78, 286, 34, 17}, "C"},
    {SaxKey::SideBflat, Shape::Lever, {78, 308, 34, 17}, "B♭"},
    {SaxKey::Right4, Shape::Finger, {130, 234, 40, 40}, "4"},
    {SaxKey::Right5, Shape::Finger, {130, 284, 40, 40}, "5"},
    {SaxKey::Right6, Shape::Finger, {130, 334, 40, 40}, "6"},
    {SaxKey::LowEflat, Shape::Lever, {184, 340, 32, 17}, "E♭"},
    {SaxKey::LowC, Shape::Lever, {184, 361, 32, 17}, "C"},
}};

// Every key is drawn once: the rows follow the keys' order.
constexpr bool rowsFollowTheKeys()
{
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (static_cast<std::size_t>(kKeys[i].key) != i)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheKeys());

const QColor kOpenKey(0xff, 0xff, 0xff);
// Dark enough that the small labels read on white after JPEG softens them.
const QColor kOpenLabel(0x5c, 0x5c, 0x5c);
const QColor kBody(0xec, 0xe8, 0xdc);

void drawBody(QPainter& painter)
{
    // The instrument's tube behind the main keys, and the gap between the hands.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBody);
    painter.drawRoundedRect(QRectF(118, 16, 64, 368), 30, 30);
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(QPointF(108, 217), QPointF(192, 217));
}

void drawKey(QPainter& painter, const KeyDrawing& drawing, bool pressed)
{
    painter.setPen(QPen(kInk, drawing.shape == Shape::Finger ? 2.5 : 1.6));
    painter.setBrush(pressed ? kInk : kOpenKey);
    const QRectF& rect = drawing.rect;
    if (drawing.shape == Shape::Lever)
        painter.drawRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    else
        painter.drawEllipse(rect);

    const int labelSize = drawing.shape == Shape::Finger ? 15 : 10;
    painter.setFont(Fonts::sans(labelSize, QFont::Bold));
    painter.setPen(pressed ? kOpenKey : kOpenLabel);
    painter.drawText(rect, Qt::AlignCenter, QString::fromUtf8(drawing.label));
}

} // namespace

void drawFingeringDiagram(QPainter& painter, QPointF topLeft, KeySet pressed)
{
    painter.save();
    painter.translate(topLeft);
    drawBody(painter);
    for (const KeyDrawing& drawing : kKeys)
        drawKey(painter, drawing, pressed.contains(drawing.key));
    painter.restore();
}

} // namespace tolvane::mediagen
