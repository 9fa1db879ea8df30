// Compile-time proof that the keyboard derived from the labels is a keyboard:
// the right number of keys of each colour, every label on its own key, the
// white keys side by side without gaps, the black keys clear of the lower row.
#include "tools/KeyboardLayout.h"

#include "tools/Wells.h"

namespace tolvane::mediagen {
namespace {

constexpr std::size_t countKeys(bool black)
{
    return static_cast<std::size_t>(std::count_if(kKeyboardKeys.begin(), kKeyboardKeys.end(),
                                                  [black](const KeyboardKey& key) { return key.black == black; }));
}
static_assert(countKeys(false) == kWhiteKeyCount);
static_assert(countKeys(true) == kBlackKeyCount);
static_assert(kWhiteKeyCount + kBlackKeyCount == chart::kLabelCount);

constexpr bool contains(const chart::Rect& outer, const chart::Rect& inner)
{
    return inner.left >= outer.left && inner.right() <= outer.right() && inner.top >= outer.top
        && inner.bottom() <= outer.bottom();
}

constexpr bool everyLabelLiesOnItsKey()
{
    return std::all_of(kKeyboardKeys.begin(), kKeyboardKeys.end(),
                       [](const KeyboardKey& key) { return contains(key.rect, key.label); });
}
static_assert(everyLabelLiesOnItsKey());

constexpr bool blackKeysEndAboveTheWhiteLabels()
{
    for (const KeyboardKey& black : kKeyboardKeys) {
        for (const KeyboardKey& white : kKeyboardKeys) {
            if (black.black && !white.black && black.rect.bottom() > white.label.top)
                return false;
        }
    }
    return true;
}
static_assert(blackKeysEndAboveTheWhiteLabels());

// From left to right the white keys touch and never overlap, and the keys
// run chromatically: ordered by place, they are ordered by note.
constexpr bool keysRunInOrder()
{
    std::array<KeyboardKey, chart::kLabelCount> sorted = kKeyboardKeys;
    std::sort(sorted.begin(), sorted.end(),
              [](const KeyboardKey& a, const KeyboardKey& b) { return a.label.left < b.label.left; });
    std::int32_t whiteEdge = kKeysLeft;
    for (std::size_t place = 0; place < sorted.size(); ++place) {
        if (sorted[place].noteIndex != place)
            return false;
        if (!sorted[place].black) {
            if (sorted[place].rect.left != whiteEdge)
                return false;
            whiteEdge = sorted[place].rect.right();
        }
    }
    return whiteEdge == kKeysRight;
}
static_assert(keysRunInOrder());

constexpr bool keysLieInTheWell()
{
    return std::all_of(kKeyboardKeys.begin(), kKeyboardKeys.end(),
                       [](const KeyboardKey& key) { return contains(kKeyboardWellRect, key.rect); });
}
static_assert(keysLieInTheWell());

} // namespace
} // namespace tolvane::mediagen
