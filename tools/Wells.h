// The image wells' rectangles, found in the chart's layout table by the
// picture each shows when the window opens: every picture of the set is made
// to the size of the well that shows it, the notes' to the centre well's.
#pragma once

#include "chart/LayoutTable.h"

#include <string_view>

namespace tolvane::mediagen {

// A name that no well's opening picture bears does not compile.
consteval chart::Rect wellShowing(std::string_view pictureAccessor)
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind == chart::ControlKind::ImageWell && control.pictureAccessor == pictureAccessor)
            return control.rect;
    }
    throw "no image well shows that picture";
}

inline constexpr chart::Rect kCentreWellRect = wellShowing("intro");
inline constexpr chart::Rect kKeyboardWellRect = wellShowing("AA_Keyboard");

} // namespace tolvane::mediagen
