#include "media/PictureAccessor.h"

#include "framework/FolderItem.h"

namespace tolvane::media {

fw::Ref<fw::Picture> PictureAccessor::operator()()
{
    if (!pic) {
        // The folder is asked for anew at every attempt: it may appear or
        // move while the program runs.
        fw::Ref<fw::FolderItem> resources = fw::_GetApplicationBundleResources();
        if (resources) {
            fw::Ref<fw::FolderItem> file = fw::FolderItem::Child(resources.get(), m_fileName);
            pic = fw::FolderItem::OpenAsPicture(fw::FolderItem::requireChild(file, resources.get(), m_fileName));
        }
    }
    return pic;
}

} // namespace tolvane::media
