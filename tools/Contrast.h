// How far apart two colours stand for the eye, as the contrast ratio of
// their relative luminances in sRGB (1:1 for equal colours, 21:1 for black on
// white), and colours chosen so that text stays legible on its ground.
#pragma once

#include <QColor>

namespace tolvane::mediagen {

// What every text of the set aims at: well above the 4.5:1 that normal text
// needs, because JPEG blurs the colour of small letters into a strong ground
// and takes a fifth or so off what the eye then sees.
inline constexpr double kLegibleContrast = 7.0;

double relativeLuminance(QColor colour);
double contrastRatio(QColor a, QColor b);

// The colour moved towards black or white, away from the ground, by the
// least that makes the two stand at least the ratio apart. A colour already
// that far from the ground comes back as it is.
QColor standingOut(QColor colour, QColor ground, double ratio = kLegibleContrast);

} // namespace tolvane::mediagen
