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

// How far the keys reach beyond their labels.
inline constexpr std::int32_t kKeyboardMargin = 6;
inline constexpr std::int32_t kKeyTopMargin = 6;
inline constexpr std::int32_t kBlackKeyOverhang = 3;

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

// Each label with its note and its key's colour, in the layout's order; the
// keys' rectangles are placed from these.
constexpr std::array<KeyboardKey, chart::kLabelCount> unplacedKeys()
{
    std::array<KeyboardKey, chart::kLabelCount> keys{};
    std::size_t count = 0;
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind != chart::ControlKind::Label)
            continue;
        const std::size_t note = noteIndexOf(control.pictureAccessor);
        keys[count++] = {{}, isFlatOrSharp(note), note, control.rect};
    }
    return keys;
}

inline constexpr std::array<KeyboardKey, chart::kLabelCount> kUnplacedKeys = unplacedKeys();

struct LabelBounds {
    std::int32_t left = INT32_MAX;
    std::int32_t right = INT32_MIN;
    std::int32_t top = INT32_MAX;
    std::int32_t bottom = INT32_MIN;
    std::int32_t blackBottom = INT32_MIN;
};

constexpr LabelBounds labelBounds()
{
    LabelBounds bounds;
    for (const KeyboardKey& key : kUnplacedKeys) {
        bounds.left = std::min(bounds.left, key.label.left);
        bounds.right = std::max(bounds.right, key.label.right());
        bounds.top = std::min(bounds.top, key.label.top);
        bounds.bottom = std::max(bounds.bottom, key.label.bottom());
        if (key.black)
            bounds.blackBottom = std::max(bounds.blackBottom, key.label.bottom());
    }
    return bounds;
}

inline constexpr LabelBounds kLabelBounds = labelBounds();

} // namespace keyboard_detail

inline constexpr std::int32_t kKeysLeft = keyboard_detail::kLabelBounds.left - kKeyboardMargin;
inline constexpr std::int32_t kKeysRight = keyboard_detail::kLabelBounds.right + kKeyboardMargin;
inline constexpr std::int32_t kKeysTop = keyboard_detail::kLabelBounds.top - kKeyTopMargin;
inline constexpr std::int32_t kWhiteKeysBottom = keyboard_detail::kLabelBounds.bottom + kKeyboardMargin;
inline constexpr std::int32_t kBlackKeysBottom = keyboard_detail::kLabelBounds.blackBottom + 1;

// The keys in the order of the layout table's labels.
constexpr std::array<KeyboardKey, chart::kLabelCount> keyboardKeys()
{
    std::array<KeyboardKey, chart::kLabelCount> keys = keyboard_detail::kUnplacedKeys;
    for (KeyboardKey& key : keys) {
        const chart::Rect label = key.label;
        if (key.black) {
            key.rect = {label.left - kBlackKeyOverhang, kKeysTop, label.width + 2 * kBlackKeyOverhang,
                        kBlackKeysBottom - kKeysTop};
            continue;
        }
        // A white key meets its white neighbours halfway across the gaps to
        // their labels.
        std::int32_t left = kKeysLeft;
        std::int32_t right = kKeysRight;
        for (const KeyboardKey& other : keyboard_detail::kUnplacedKeys) {
            if (other.black)
                continue;
            if (other.label.right() <= label.left)
                left = std::max(left, (other.label.right() + label.left) / 2);
            if (other.label.left >= label.right())
                right = std::min(right, (label.right() + other.label.left) / 2);
        }
        key.rect = {left, kKeysTop, right - left, kWhiteKeysBottom - kKeysTop};
    }
    return keys;
}

inline constexpr std::array<KeyboardKey, chart::kLabelCount> kKeyboardKeys = keyboardKeys();

} // namespace tolvane::mediagen
