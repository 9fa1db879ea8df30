// Compile-time checks of the layout table: the counts the window relies on,
// and the geometry that makes every key a click area of its own.
#include "chart/LayoutTable.h"

#include "media/NoteTable.h"

#include <algorithm>

namespace tolvane::chart {
namespace {

constexpr std::size_t countOf(ControlKind kind)
{
    return static_cast<std::size_t>(
        std::count_if(kControls.begin(), kControls.end(), [kind](const ControlLayout& c) { return c.kind == kind; }));
}

static_assert(kControls.size() == kControlCount);
static_assert(countOf(ControlKind::Label) == kLabelCount);
static_assert(countOf(ControlKind::ImageWell) == 4);
static_assert(kLabelCount == media::kNoteCount);
static_assert(kControls.front().name == kKeyboardWell, "the labels' parent is created first");

constexpr bool everyLabelLiesInTheKeyboard()
{
    const Rect keyboard = kControls.front().rect;
    for (const ControlLayout& control : kControls) {
        if (control.kind == ControlKind::Label
            && (control.rect.left < keyboard.left || control.rect.right() > keyboard.right()
                || control.rect.top < keyboard.top || control.rect.bottom() > keyboard.bottom()))
            return false;
    }
    return true;
}
static_assert(everyLabelLiesInTheKeyboard());

constexpr bool noTwoLabelsOverlap()
{
    for (const ControlLayout& a : kControls) {
        for (const ControlLayout& b : kControls) {
            if (&a == &b || a.kind != ControlKind::Label || b.kind != ControlKind::Label)
                continue;
            bool apart = a.rect.right() <= b.rect.left || b.rect.right() <= a.rect.left
                || a.rect.bottom() <= b.rect.top || b.rect.bottom() <= a.rect.top;
            if (!apart)
                return false;
        }
    }
    return true;
}
static_assert(noTwoLabelsOverlap());

constexpr bool everyControlFitsTheWindow()
{
    return std::all_of(kControls.begin(), kControls.end(), [](const ControlLayout& c) {
        return c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right() <= kWindowWidth
            && c.rect.bottom() <= kWindowHeight;
    });
}
static_assert(everyControlFitsTheWindow());

} // namespace
} // namespace tolvane::chart
