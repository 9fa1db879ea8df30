// The image wells' rectangles, looked up by name in the chart's layout table:
// every picture of the set is made to the size of the well that shows it.
#pragma once

#include "chart/LayoutTable.h"

#include <string_view>

namespace tolvane::mediagen {

constexpr chart::Rect wellRect(std::string_view name)
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind == chart::ControlKind::ImageWell && control.name == name)
            return control.rect;
    }
    return {0, 0, 0, 0};
}

// The well that shows a picture when the window opens, by its accessor.
constexpr chart::Rect wellShowing(std::string_view pictureAccessor)
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind == chart::ControlKind::ImageWell && control.pictureAccessor == pictureAccessor)
            return control.rect;
    }
    return {0, 0, 0, 0};
}

inline constexpr chart::Rect kCentreWellRect = wellRect(chart::kCentreWell);
inline constexpr chart::Rect kKeyboardWellRect = wellRect(chart::kKeyboardWell);
static_assert(kCentreWellRect.width == 415 && kCentreWellRect.height == 706);
static_assert(kKeyboardWellRect.width == 995 && kKeyboardWellRect.height == 191);

} // namespace tolvane::mediagen
