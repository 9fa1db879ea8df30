// Where the keyboard picture's keys lie, derived from the key labels that
// the chart lays over it: each label gets a key of its own around it, black
// for the flats and sharps, white for the naturals. White keys meet halfway
// between their labels; black keys stand over the labels of the upper row
// and end above the lower row, so every label's whole area shows its key.
#pragma once

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvane::mediagen {

struct KeyboardKey {
    chart::Rect rect; // window coordinates, like the labels'
    bool black;
    std::size_t noteIndex;
    chart::Rect label;
};

inline constexpr std::size_t kWhiteKeyCount = 28;
inline constexpr std::size_t kBlackKeyCount = 20;

namespace keyboard_detail {

constexpr std::size_t noteIndexOf(std::string_view pictureAccessor)
{
    for (std::size_t note = 0; note < media::kNoteFiles.size(); ++note) {
        if (media::kNoteFiles[note].pictureAccessor == pictureAccessor)
            return note;
    }
    return media::kNoteFiles.size();
}

constexpr bool isFlatOrSharp(std::size_t noteIndex)
{
    const std::string_view pitch = media::kPitchNames[media::pitchOf(noteIndex)];
    return pitch.ends_with("flat") || pitch.ends_with("sharp");
}

struct KeyLabel {
    chart::Rect rect;
    std::size_t noteIndex;
    bool black;
};

// The labels with their notes, looked up once.
constexpr std::array<KeyLabel, chart::kLabelCount> keyLabels()
{
    std::array<KeyLabel, chart::kLabelCount> labels{};
    std::size_t count = 0;
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind != chart::ControlKind::Label)
            continue;
        const std::size_t note = noteIndexOf(control.pictureAccessor);
        labels[count++] = {control.rect, note, isFlatOrSharp(note)};
    }
    return labels;
}

inline constexpr std::array<KeyLabel, chart::kLabelCount> kKeyLabels = keyLabels();

template <typename Select, typename Measure>
constexpr std::int32_t extremeOverLabels(Select select, Measure measure, bool largest)
{
    std::int32_t extreme = largest ? INT32_MIN : INT32_MAX;
    for (const KeyLabel& label : kKeyLabels) {
        if (select(label))
            extreme = largest ? std::max(extreme, measure(label.rect)) : std::min(extreme, measure(label.rect));
    }
    return extreme;
}

constexpr auto kAnyLabel = [](const KeyLabel&) { return true; };
constexpr auto kBlackLabel = [](const KeyLabel& label) { return label.black; };
constexpr auto kLeft = [](const chart::Rect& r) { return r.left; };
constexpr auto kRight = [](const chart::Rect& r) { return r.right(); };
constexpr auto kTop = [](const chart::Rect& r) { return r.top; };
constexpr auto kBottom = [](const chart::Rect& r) { return r.bottom(); };

} // namespace keyboard_detail

// The keyboard's frame: how far the keys reach beyond their labels.
inline constexpr std::int32_t kKeyboardMargin = 6;
inline constexpr std::int32_t kKeyTopMargin = 6;
inline constexpr std::int32_t kBlackKeyOverhang = 3;

inline constexpr std::int32_t kKeysLeft =
    keyboard_detail::extremeOverLabels(keyboard_detail::kAnyLabel, keyboard_detail::kLeft, false) - kKeyboardMargin;
inline constexpr std::int32_t kKeysRight =
    keyboard_detail::extremeOverLabels(keyboard_detail::kAnyLabel, keyboard_detail::kRight, true) + kKeyboardMargin;
inline constexpr std::int32_t kKeysTop =
    keyboard_detail::extremeOverLabels(keyboard_detail::kAnyLabel, keyboard_detail::kTop, false) - kKeyTopMargin;
inline constexpr std::int32_t kWhiteKeysBottom =
    keyboard_detail::extremeOverLabels(keyboard_detail::kAnyLabel, keyboard_detail::kBottom, true) + kKeyboardMargin;
inline constexpr std::int32_t kBlackKeysBottom =
    keyboard_detail::extremeOverLabels(keyboard_detail::kBlackLabel, keyboard_detail::kBottom, true) + 1;

// The keys in the order of the layout table's labels.
constexpr std::array<KeyboardKey, chart::kLabelCount> keyboardKeys()
{
    using namespace keyboard_detail;
    std::array<KeyboardKey, chart::kLabelCount> keys{};
    for (std::size_t index = 0; index < kKeyLabels.size(); ++index) {
        const chart::Rect label = kKeyLabels[index].rect;
        const std::size_t note = kKeyLabels[index].noteIndex;
        if (kKeyLabels[index].black) {
            keys[index] = {{label.left - kBlackKeyOverhang, kKeysTop, label.width + 2 * kBlackKeyOverhang,
                            kBlackKeysBottom - kKeysTop},
                           true, note, label};
            continue;
        }
        // White keys meet halfway across the gap to the neighbouring white label.
        const std::int32_t leftNeighbour = extremeOverLabels(
            [&](const KeyLabel& other) { return !other.black && other.rect.right() <= label.left; }, kRight, true);
        const std::int32_t rightNeighbour = extremeOverLabels(
            [&](const KeyLabel& other) { return !other.black && other.rect.left >= label.right(); }, kLeft, false);
        const std::int32_t left = leftNeighbour == INT32_MIN ? kKeysLeft : (leftNeighbour + label.left) / 2;
        const std::int32_t right = rightNeighbour == INT32_MAX ? kKeysRight : (label.right() + rightNeighbour) / 2;
        keys[index] = {{left, kKeysTop, right - left, kWhiteKeysBottom - kKeysTop}, false, note, label};
    }
    return keys;
}

inline constexpr std::array<KeyboardKey, chart::kLabelCount> kKeyboardKeys = keyboardKeys();

} // namespace tolvane::mediagen
