// The saxophone that stands at each side of the chart, drawn in profile with
// its bell turned towards the centre of the window.
#pragma once

#include <QImage>

namespace tolvane::mediagen {

enum class WindowSide { Left, Right };

QImage saxophonePicture(WindowSide side);

} // namespace tolvane::mediagen
