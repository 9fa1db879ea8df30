#include "tools/Contrast.h"

#include "tools/Canvas.h"

#include <algorithm>
#include <cmath>

namespace tolvane::mediagen {
namespace {

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(QColor colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrastRatio(QColor a, QColor b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor standingOut(QColor colour, QColor ground, double ratio)
{
    // Small fixed steps, so that the same colours always give the same answer.
    constexpr int kSteps = 64;
    const QColor away = relativeLuminance(colour) < relativeLuminance(ground) ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < kSteps; ++step) {
        const QColor moved = blend(colour, away, static_cast<double>(step) / kSteps);
        if (contrastRatio(moved, ground) >= ratio)
            return moved;
    }
    return away;
}

} // namespace tolvane::mediagen
