// The road from the running executable to its bundle's Resources folder:
// Contents/MacOS/<executable> -> Contents -> Contents/Resources.
#include "framework/FolderItem.h"

#include <filesystem>
#include <system_error>

namespace fw {

namespace {
std::string& overriddenExecutablePath()
{
    static std::string path;
    return path;
}
} // namespace

void RuntimeOverrideExecutablePath(std::string path)
{
    overriddenExecutablePath() = std::move(path);
}

Ref<FolderItem> RuntimeExecutableItem()
{
    if (!overriddenExecutablePath().empty())
        return FolderItem::make(overriddenExecutablePath());
    // The kernel's own record of the image it started: unlike argv[0] it does
    // not depend on how or from where the program was launched.
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return nullptr;
    return FolderItem::make(executable.string());
}

namespace {
// The folder above an item on the road to Resources; a road that ends at
// the root names where it ended.
Ref<FolderItem> parentOnTheRoad(const Ref<FolderItem>& item)
{
    Ref<FolderItem> parent = FolderItem::Parent(item.get());
    if (!parent) {
        RaiseNilObjectException("the bundle's Resources folder cannot be found: " + item->path()
            + " has no folder above it");
    }
    return parent;
}
} // namespace

Ref<FolderItem> _GetApplicationBundleResources()
{
    Ref<FolderItem> executable = RuntimeExecutableItem();
    if (!executable) {
        RaiseNilObjectException(
            "the bundle's Resources folder cannot be found: the running program's own file is unknown");
    }
    Ref<FolderItem> macOS = parentOnTheRoad(executable);
    Ref<FolderItem> contents = parentOnTheRoad(macOS);
    Ref<FolderItem> resources = FolderItem::Child(contents.get(), "Resources");
    // Child names any entry of an existing folder, present or not; only an
    // entry that is really there is a Resources folder to hand out (a plain
    // file included, so that its children come back nil).
    std::error_code error;
    if (resources && !std::filesystem::exists(std::filesystem::symlink_status(resources->path(), error)))
        return nullptr;
    return resources;
}

} // namespace fw
