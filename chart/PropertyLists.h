// The 53 property lists of the chart window, the window's and one per
// control, as the byte strings that the property-list reader is given.
//
// They are encoded from the layout table once, on first use, and then handed
// out as the same Strings: the bytes include 0x80 and 0xFF, so they are held
// as bytes and never pass through a text conversion.
#pragma once

#include "framework/String.h"

#include <cstddef>

namespace tolvane::chart {

const fw::String& windowPropertyList();
// The list of the control at that index of the creation order (0 to 51).
const fw::String& controlPropertyList(std::size_t creationIndex);

} // namespace tolvane::chart
