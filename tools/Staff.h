// A treble staff with one whole note on it: where a written pitch sits, how
// many ledger lines it needs, and when it is written an octave lower under an
// "8va" sign because more ledger lines would no longer be readable.
#pragma once

#include "tools/WrittenPitch.h"

#include <QPainter>
#include <QRectF>

namespace tolvane::mediagen {

struct StaffPlacement {
    int position;    // half spaces above the bottom line: 0 is E4, 8 is F5
    bool ottava;     // drawn an octave lower under "8va"
    int ledgerLines; // above the staff when positive, below when negative
};

inline constexpr int kMostLedgerLines = 4;

StaffPlacement placeOnStaff(const WrittenPitch& pitch);

class Staff {
public:
    // A staff of five lines across the box, its lines spaced so that the
    // highest note (four ledger lines, an "8va" above) and the lowest fit in.
    explicit Staff(const QRectF& box);

    void draw(QPainter& painter, const WrittenPitch& pitch) const;

private:
    QPointF noteCentre(const StaffPlacement& placement) const;
    double yOfPosition(int position) const;
    void drawLines(QPainter& painter) const;
    void drawClef(QPainter& painter) const;
    void drawNote(QPainter& painter, const WrittenPitch& pitch, const StaffPlacement& placement) const;

    QRectF m_box;
    double m_spacing;
    double m_bottomLineY;
};

} // namespace tolvane::mediagen
