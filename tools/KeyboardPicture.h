// The keyboard along the bottom of the chart: 48 keys drawn where the key
// labels lie, in a wooden frame with the registers named above them and the
// title at the left. Held in a small palette, ready for a GIF file.
#pragma once

#include "tools/IndexedImage.h"

namespace tolvane::mediagen {

IndexedImage keyboardPicture();

} // namespace tolvane::mediagen
