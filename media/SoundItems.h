// The 48 sound items of the chart, one per note, named after the note with 1
// appended (the Top register written Top): Low_Bflat1() is the recording of
// the lowest note, Low_Bflat1.permaSound.__Exit() its shut-down release.
#pragma once

#include "media/NoteTable.h"
#include "media/SoundItem.h"

#include <array>
#include <cstddef>

namespace tolvane::media {

#define TOLVANE_DECLARE_SOUND_ITEM(picture, pictureFile, sound, soundFile) extern SoundItem sound;
TOLVANE_FOR_EACH_NOTE(TOLVANE_DECLARE_SOUND_ITEM)
#undef TOLVANE_DECLARE_SOUND_ITEM

inline constexpr std::size_t kSoundItemCount = kNoteCount;
static_assert(kSoundItemCount == 48);

// Every sound item in note order, lowest first: the order of the shut-down
// releases.
inline constexpr std::array<SoundItem*, kSoundItemCount> kSoundItems{
#define TOLVANE_SOUND_ITEM_ADDRESS(picture, pictureFile, sound, soundFile) &sound,
    TOLVANE_FOR_EACH_NOTE(TOLVANE_SOUND_ITEM_ADDRESS)
#undef TOLVANE_SOUND_ITEM_ADDRESS
};

} // namespace tolvane::media
