// Files and folders, and the road to the application bundle's Resources.
//
// A FolderItem names a path; it does not need a file behind it. Child gives
// an item for any name inside a folder that exists, whether or not the named
// file exists: opening a missing file then gives nil, the same answer as for
// a file that cannot be decoded.
#pragma once

#include "framework/Exceptions.h"

namespace fw {

class Picture;
class Sound;

class FolderItem final : public Object {
public:
    FolderItem(ClassRecord& record) : Object(record) { }
    static ClassRecord& __Lookup();

    static Ref<FolderItem> make(std::string path);
    const std::string& path() const { return m_path; }

    // The item of that name inside this folder, or nil when this item is not
    // a folder that exists.
    static Ref<FolderItem> Child(FolderItem* folder, String name);
    // The folder holding this item, or nil at the root.
    static Ref<FolderItem> Parent(FolderItem* item);
    static Ref<Picture> OpenAsPicture(FolderItem* item);
    static Ref<Sound> OpenAsSound(FolderItem* item);

private:
    std::string m_path;
};

// The item of the running executable, from the operating system.
Ref<FolderItem> RuntimeExecutableItem();
// Lets tests stand in another executable path; empty restores the real one.
void RuntimeOverrideExecutablePath(std::string path);

// Executable item -> parent -> parent -> child "Resources", walked anew at
// every call. A nil item or parent raises NilObjectException; a missing
// Resources folder gives nil.
Ref<FolderItem> _GetApplicationBundleResources();

} // namespace fw
