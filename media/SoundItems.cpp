#include "media/SoundItems.h"

namespace tolvane::media {

#define TOLVANE_DEFINE_SOUND_ITEM(picture, pictureFile, sound, soundFile) constinit SoundItem sound{soundFile};
TOLVANE_FOR_EACH_NOTE(TOLVANE_DEFINE_SOUND_ITEM)
#undef TOLVANE_DEFINE_SOUND_ITEM

} // namespace tolvane::media
