#include "media/PictureAccessors.h"

namespace tolvane::media {

#define TOLVANE_DEFINE_NOTE_PICTURE(picture, pictureFile, sound, soundFile) \
    constinit PictureAccessor picture{pictureFile};
TOLVANE_FOR_EACH_NOTE(TOLVANE_DEFINE_NOTE_PICTURE)
#undef TOLVANE_DEFINE_NOTE_PICTURE

#define TOLVANE_DEFINE_OTHER_PICTURE(picture, pictureFile) constinit PictureAccessor picture{pictureFile};
TOLVANE_FOR_EACH_OTHER_PICTURE(TOLVANE_DEFINE_OTHER_PICTURE)
#undef TOLVANE_DEFINE_OTHER_PICTURE

} // namespace tolvane::media
