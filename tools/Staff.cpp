#include "tools/Staff.h"

#include "tools/Canvas.h"
#include "tools/Fonts.h"
#include "tools/TrebleClef.h"

#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tolvane::mediagen {
namespace {

constexpr int kBottomLineStep = 4 * 7 + static_cast<int>(Letter::E); // E4
constexpr int kTopLinePosition = 8;
constexpr int kStepsPerOctave = 7;

int ledgerLinesAt(int position)
{
    if (position >= kTopLinePosition + 2)
        return (position - kTopLinePosition) / 2;
    if (position <= -2)
        return -(-position / 2);
    return 0;
}

// Room the notes need beyond the staff, in line spacings: above the top line
// four ledger lines, half a note head and an "8va" sign; below the bottom
// line a ledger line, a note hanging from it and the clef's tail.
constexpr double kRoomAbove = 7.6;
constexpr double kStaffHeight = 4.0;
constexpr double kRoomBelow = 2.4;

} // namespace

StaffPlacement placeOnStaff(const WrittenPitch& pitch)
{
    const int position = pitch.diatonicStep() - kBottomLineStep;
    if (ledgerLinesAt(position) > kMostLedgerLines) {
        const int lowered = position - kStepsPerOctave;
        return {lowered, true, ledgerLinesAt(lowered)};
    }
    return {position, false, ledgerLinesAt(position)};
}

Staff::Staff(const QRectF& box)
    : m_box(box)
    , m_spacing(box.height() / (kRoomAbove + kStaffHeight + kRoomBelow))
    , m_bottomLineY(box.bottom() - kRoomBelow * m_spacing)
{
}

double Staff::yOfPosition(int position) const
{
    return m_bottomLineY - position * m_spacing / 2;
}

QPointF Staff::noteCentre(const StaffPlacement& placement) const
{
    return {m_box.left() + m_box.width() * 0.62, yOfPosition(placement.position)};
}

void Staff::draw(QPainter& painter, const WrittenPitch& pitch) const
{
    painter.save();
    drawLines(painter);
    drawClef(painter);
    drawNote(painter, pitch, placeOnStaff(pitch));
    painter.restore();
}

void Staff::drawLines(QPainter& painter) const
{
    painter.setPen(QPen(kInk, m_spacing * 0.09));
    for (int line = 0; line < 5; ++line) {
        const double y = yOfPosition(line * 2);
        painter.drawLine(QPointF(m_box.left(), y), QPointF(m_box.right(), y));
    }
    const QPointF top(m_box.left(), yOfPosition(kTopLinePosition));
    painter.drawLine(top, QPointF(m_box.left(), m_bottomLineY));
}

void Staff::drawClef(QPainter& painter) const
{
    QTransform toStaff;
    toStaff.translate(m_box.left() + 1.6 * m_spacing, yOfPosition(2));
    toStaff.scale(m_spacing, m_spacing);
    painter.setPen(QPen(kInk, kTrebleClefStroke * m_spacing, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(toStaff.map(trebleClefPath()));
    painter.setPen(QPen(kInk, kTrebleClefHeavyStroke * m_spacing, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(toStaff.map(trebleClefHeavyPath()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const double dot = kTrebleClefDotRadius * m_spacing;
    painter.drawEllipse(toStaff.map(trebleClefDotCentre()), dot, dot);
}

void Staff::drawNote(QPainter& painter, const WrittenPitch& pitch, const StaffPlacement& placement) const
{
    const QPointF centre = noteCentre(placement);
    const double headWidth = 1.45 * m_spacing;
    const double headHeight = 0.95 * m_spacing;

    // Ledger lines run through or just beside the head, one per line position
    // between the staff and the note.
    painter.setPen(QPen(kInk, m_spacing * 0.11));
    const int direction = placement.ledgerLines > 0 ? 1 : -1;
    const int firstLedger = direction > 0 ? kTopLinePosition + 2 : -2;
    for (int line = 0; line < std::abs(placement.ledgerLines); ++line) {
        const double y = yOfPosition(firstLedger + direction * 2 * line);
        painter.drawLine(QPointF(centre.x() - headWidth * 0.9, y), QPointF(centre.x() + headWidth * 0.9, y));
    }

    // A whole note: an oval with a slanted hollow.
    QPainterPath head;
    head.addEllipse(centre, headWidth / 2, headHeight / 2);
    QPainterPath hollow;
    hollow.addEllipse(QPointF(0, 0), headWidth * 0.2, headHeight * 0.36);
    QTransform slant;
    slant.translate(centre.x(), centre.y());
    slant.rotate(-35);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(head.subtracted(slant.map(hollow)));

    if (pitch.accidental != Accidental::Natural) {
        const QString sign = pitch.accidental == Accidental::Flat ? QStringLiteral("♭") : QStringLiteral("♯");
        const double size = 2.6 * m_spacing;
        const QRectF box(centre.x() - headWidth * 0.6 - size, centre.y() - size / 2, size, size);
        painter.setFont(Fonts::sans(static_cast<int>(size)));
        painter.setPen(kInk);
        // A flat's bowl sits on the note's line or space, so it rides higher.
        const double lift = pitch.accidental == Accidental::Flat ? 0.45 * m_spacing : 0.0;
        painter.drawText(box.translated(0, -lift), Qt::AlignRight | Qt::AlignVCenter, sign);
    }

    if (placement.ottava) {
        const double y = std::min(yOfPosition(placement.position), yOfPosition(kTopLinePosition)) - 2.2 * m_spacing;
        painter.setFont(Fonts::serif(static_cast<int>(1.5 * m_spacing), QFont::Bold, true));
        painter.setPen(kInk);
        const QRectF label(centre.x() - 3.5 * m_spacing, y - m_spacing, 3 * m_spacing, 2 * m_spacing);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("8va"));
        painter.setPen(QPen(kInk, m_spacing * 0.1, Qt::DashLine));
        const double end = centre.x() + 2.5 * m_spacing;
        painter.drawLine(QPointF(label.right() - 0.2 * m_spacing, y), QPointF(end, y));
        painter.setPen(QPen(kInk, m_spacing * 0.1));
        painter.drawLine(QPointF(end, y), QPointF(end, y + m_spacing * 0.8));
    }
}

} // namespace tolvane::mediagen
