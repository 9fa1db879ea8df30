#include "tools/TrebleClef.h"

#include <array>

namespace tolvane::mediagen {
namespace {

struct Segment {
    QPointF control1, control2, end;
    bool heavy;
};

// One stroke, as a pen draws it: the tail's hook, the stem up through the
// staff, the loop above it, the sweep down round the G line and the spiral
// that ends on it.
constexpr QPointF kStart{-0.45, 2.55};
constexpr std::array<Segment, 9> kSegments{{
    {{-0.2, 3.05}, {0.4, 2.95}, {0.4, 2.3}, false},
    {{0.4, 1.2}, {0.05, -1.4}, {0.1, -2.9}, false},
    {{0.12, -3.7}, {0.5, -4.4}, {0.65, -4.5}, false},
    {{0.85, -4.3}, {0.7, -3.6}, {0.3, -3.1}, false},
    {{-0.3, -2.4}, {-1.05, -1.75}, {-1.05, -0.45}, true},
    {{-1.05, 0.55}, {-0.35, 1.05}, {0.3, 1.0}, false},
    {{1.0, 0.95}, {1.25, 0.2}, {1.0, -0.35}, true},
    {{0.75, -0.85}, {0.05, -0.85}, {-0.25, -0.45}, false},
    {{-0.5, -0.05}, {-0.25, 0.4}, {0.15, 0.45}, false},
}};

QPainterPath pathOf(bool heavyOnly)
{
    QPainterPath path(kStart);
    for (const Segment& segment : kSegments) {
        if (heavyOnly && !segment.heavy)
            path.moveTo(segment.end);
        else
            path.cubicTo(segment.control1, segment.control2, segment.end);
    }
    return path;
}

} // namespace

QPointF trebleClefDotCentre()
{
    return kStart;
}

QPainterPath trebleClefPath()
{
    return pathOf(false);
}

QPainterPath trebleClefHeavyPath()
{
    return pathOf(true);
}

} // namespace tolvane::mediagen
