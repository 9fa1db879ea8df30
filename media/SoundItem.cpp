#include "media/SoundItem.h"

#include "framework/FolderItem.h"

namespace tolvane::media {

void SoundItem::PermaSound::__Exit()
{
    // Taken out before it is released, so that nothing the release sets off
    // can find the recording still in the global.
    fw::Ref<fw::Sound> released = m_sound.take();
}

fw::Ref<fw::Sound> SoundItem::operator()()
{
    if (!m_loaded) {
        // Set before the attempt, so that a failed load, whatever failed, is
        // never tried again.
        m_loaded = true;
        fw::Ref<fw::FolderItem> resources = fw::_GetApplicationBundleResources();
        if (resources) {
            fw::Ref<fw::FolderItem> file = fw::FolderItem::Child(resources.get(), m_fileName);
            permaSound.m_sound =
                fw::FolderItem::OpenAsSound(fw::FolderItem::requireChild(file, resources.get(), m_fileName));
        }
    }
    return permaSound.m_sound;
}

} // namespace tolvane::media
