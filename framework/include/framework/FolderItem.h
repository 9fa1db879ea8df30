// Files and folders, and the road to the application bundle's Resources.
//
// A FolderItem names an absolute path; it does not need a file behind it.
// Two rules decide what the media catalogue sees, and both are fixed for the
// whole program:
//  - Child gives an item for any name inside a folder that exists, whether or
//    not the named file exists: opening a missing file then gives nil, the
//    same answer as for a file that cannot be decoded. Child gives nil only
//    when the folder item is not an existing directory (a plain file, or
//    nothing at all), or when the name is not a single path component.
//  - _GetApplicationBundleResources gives nil only when nothing at all exists
//    at Contents/Resources. Something that exists there but is not a folder
//    (a plain file) still comes back as an item, so that asking it for a
//    child gives nil and the caller raises NilObjectException.
#pragma once

#include "framework/Exceptions.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include <string>
#include <string_view>

namespace fw {

class FolderItem final : public Object {
public:
    explicit FolderItem(ClassRecord& record) : Object(record) { }
    static ClassRecord& __Lookup();

    // The item of an absolute path (normalised: no "." or ".." steps, no
    // trailing separator), or nil for a relative or empty path.
    static Ref<FolderItem> make(std::string path);
    const std::string& path() const { return m_path; }

    // The item of that name inside this folder, or nil when this item is not
    // a folder that exists or the name is not a single path component.
    static Ref<FolderItem> Child(FolderItem* folder, String name);
    // Tests an item that Child gave for the name before a call through it:
    // nil raises NilObjectException that says why, in words a user can act
    // on (the name, the folder's path and what is wrong with the folder).
    static FolderItem* requireChild(const Ref<FolderItem>& child, const FolderItem* folder, std::string_view name);
    // The folder holding this item, or nil at the root.
    static Ref<FolderItem> Parent(FolderItem* item);
    // The file decoded as a JPEG or GIF picture, or nil.
    static Ref<Picture> OpenAsPicture(FolderItem* item);
    // The file decoded as an MP3 recording, or nil.
    static Ref<Sound> OpenAsSound(FolderItem* item);

private:
    std::string m_path;
};

// The item of the running executable, as the operating system reports it
// (not the command line or the working directory); nil if it cannot tell.
Ref<FolderItem> RuntimeExecutableItem();
// Lets tests stand in another executable path; empty restores the real one.
void RuntimeOverrideExecutablePath(std::string path);

// Executable item -> parent -> parent -> child "Resources", walked anew at
// every call. A nil item or parent raises NilObjectException. Nil when
// nothing exists at that place; an existing plain file comes back as an item
// (see the rules above).
Ref<FolderItem> _GetApplicationBundleResources();

} // namespace fw
