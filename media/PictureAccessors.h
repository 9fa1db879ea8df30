// The 52 picture accessors of the chart: one per note, named after the note
// (the Top register written TOP), and the four pictures that are not notes.
// Each is a global object called like a function: Low_Bflat() is the picture
// of the lowest note.
#pragma once

#include "media/NoteTable.h"
#include "media/OtherPictureTable.h"
#include "media/PictureAccessor.h"

#include <array>
#include <cstddef>

namespace tolvane::media {

#define TOLVANE_DECLARE_NOTE_PICTURE(picture, pictureFile, sound, soundFile) extern PictureAccessor picture;
TOLVANE_FOR_EACH_NOTE(TOLVANE_DECLARE_NOTE_PICTURE)
#undef TOLVANE_DECLARE_NOTE_PICTURE

#define TOLVANE_DECLARE_OTHER_PICTURE(picture, pictureFile) extern PictureAccessor picture;
TOLVANE_FOR_EACH_OTHER_PICTURE(TOLVANE_DECLARE_OTHER_PICTURE)
#undef TOLVANE_DECLARE_OTHER_PICTURE

inline constexpr std::size_t kPictureAccessorCount = kNoteCount + kOtherPictureCount;
static_assert(kPictureAccessorCount == 52);

// Every picture accessor: the notes lowest first, then the four others.
inline constexpr std::array<PictureAccessor*, kPictureAccessorCount> kPictureAccessors{
#define TOLVANE_NOTE_PICTURE_ADDRESS(picture, pictureFile, sound, soundFile) &picture,
    TOLVANE_FOR_EACH_NOTE(TOLVANE_NOTE_PICTURE_ADDRESS)
#undef TOLVANE_NOTE_PICTURE_ADDRESS
#define TOLVANE_OTHER_PICTURE_ADDRESS(picture, pictureFile) &picture,
    TOLVANE_FOR_EACH_OTHER_PICTURE(TOLVANE_OTHER_PICTURE_ADDRESS)
#undef TOLVANE_OTHER_PICTURE_ADDRESS
};

} // namespace tolvane::media
