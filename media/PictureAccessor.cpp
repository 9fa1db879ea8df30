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
            if (!file)
                fw::RaiseNilObjectException(fw::FolderItem::whyNoChild(resources.get(), m_fileName));
            pic = fw::FolderItem::OpenAsPicture(file.get());
        }
    }
    return pic;
}

} // namespace tolvane::media
