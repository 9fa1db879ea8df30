// The treble clef's outline as a path, in staff spaces with the G line at
// y = 0 and y growing downwards; the staff scales and places it. No font the
// set may rely on carries the musical clef glyph, so it is drawn.
#pragma once

#include <QPainterPath>

namespace tolvane::mediagen {

QPainterPath trebleClefPath();
// The parts an engraver draws heavier: the sweep down into the bowl and the
// bowl's right side.
QPainterPath trebleClefHeavyPath();

// The clef's line weight and its tail's dot, in staff spaces.
inline constexpr double kTrebleClefStroke = 0.16;
inline constexpr double kTrebleClefHeavyStroke = 0.26;
inline constexpr double kTrebleClefDotRadius = 0.28;
QPointF trebleClefDotCentre();

} // namespace tolvane::mediagen
