// The keyboard along the bottom of the chart: 48 keys drawn where the key
// labels lie, in a wooden frame with the registers named above them and the
// title at the left. Each pixel takes the nearest colour of a small palette,
// ready for a GIF file.
#pragma once

#include <QImage>

namespace tolvane::mediagen {

QImage keyboardPicture();

} // namespace tolvane::mediagen
