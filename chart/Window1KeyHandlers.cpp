// The key handlers. A press on a key label shows the note's picture in the
// centre well and starts the note's recording; the 48 handlers share one
// body and differ only in the two accessors their row of the layout table
// names. A key press in the keyboard well does nothing.
#include "chart/Window1.h"

#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include <string>

namespace tolvane {
namespace {

// The order matters for the failures: a missing well stops before the
// picture is asked for, and a missing recording only after the picture is
// shown. The recording is never stopped: a press starts its note while
// earlier ones may still sound.
bool showAndPlay(Window1* window, media::PictureAccessor& picture, media::SoundItem& recording)
{
    fw::Ref<fw::ImageWell> centre = fw::call(window, Window1Slot::ImageWell1);
    fw::ImageWell* well = fw::requireObject(centre);
    fw::Ref<fw::Picture> notePicture = picture();
    // A note without a picture blanks the well rather than failing.
    fw::callPluginEntry(fw::PluginEntries::ImageWell_Image_Set, well, 0, notePicture.get());
    fw::Ref<fw::Sound> sound = recording();
    // Said with the file's name: the report is all a user sees of it.
    if (!sound)
        fw::RaiseNilObjectException("the recording \"" + std::string(recording.fileName()) + "\" could not be loaded");
    fw::call(sound.get(), fw::SoundSlot::Play);
    return false;
}

} // namespace

#define TOLVANE_WELL_HANDLER(name, left, top, width, height, tabIndex, picture, handler) \
    TOLVANE_IF_HANDLER(handler, bool Window1::handler(Window1*, fw::ImageWell*, fw::String) { return false; })
#define TOLVANE_LABEL_HANDLER(name, left, top, width, height, tabIndex, handler, picture, sound) \
    bool Window1::handler(Window1* window, fw::Label*, std::int32_t, std::int32_t) \
    { \
        return showAndPlay(window, media::picture, media::sound); \
    }
TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_HANDLER, TOLVANE_LABEL_HANDLER)
#undef TOLVANE_WELL_HANDLER
#undef TOLVANE_LABEL_HANDLER

} // namespace tolvane
