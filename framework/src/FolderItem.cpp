#include "framework/FolderItem.h"

#include "framework/Introspection.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include "NativeClass_p.h"
#include "Statics_p.h"

#include <filesystem>
#include <system_error>

namespace fw {

namespace {

// A child name names one entry of the folder: anything that would step out
// of it or into a deeper folder is not a child.
bool isSingleComponent(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

const StaticsRegistration folderItemStatics(StaticsRank::Files, [] { FolderItem::__Lookup(); }, nullptr);

} // namespace

ClassRecord& FolderItem::__Lookup()
{
    static ClassRecord& record = defineNativeClass<FolderItem>({
        .name = "FolderItem",
        .base = &ObjectClass(),
        .methods = {
            {.name = "Child", .function = eraseOperation(&FolderItem::Child),
                .invoker = Introspection::Invoke<Ref<FolderItem>(FolderItem*, String)>},
            {.name = "Parent", .function = eraseOperation(&FolderItem::Parent),
                .invoker = Introspection::Invoke<Ref<FolderItem>(FolderItem*)>},
            {.name = "OpenAsPicture", .function = eraseOperation(&FolderItem::OpenAsPicture),
                .invoker = Introspection::Invoke<Ref<Picture>(FolderItem*)>},
            {.name = "OpenAsSound", .function = eraseOperation(&FolderItem::OpenAsSound),
                .invoker = Introspection::Invoke<Ref<Sound>(FolderItem*)>},
        },
    });
    return record;
}

Ref<FolderItem> FolderItem::make(std::string path)
{
    std::filesystem::path normal = std::filesystem::path(std::move(path)).lexically_normal();
    if (!normal.is_absolute())
        return nullptr;
    std::string text = normal.string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    Ref<FolderItem> item = RuntimeNewObjectOf<FolderItem>(__Lookup());
    item->m_path = std::move(text);
    return item;
}

Ref<FolderItem> FolderItem::Child(FolderItem* folder, String name)
{
    if (!folder)
        RaiseNilObjectException();
    if (!isSingleComponent(name.view()))
        return nullptr;
    std::error_code error;
    if (!std::filesystem::is_directory(folder->m_path, error))
        return nullptr;
    return make((std::filesystem::path(folder->m_path) / name.view()).string());
}

namespace {
// Why a folder has no item for the name.
std::string whyNoChild(const std::string& folder, std::string_view name)
{
    const std::string quoted = "\"" + std::string(name) + "\"";
    if (!isSingleComponent(name))
        return quoted + " is not the name of a file in " + folder;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return quoted + " cannot be read: " + folder + " does not exist";
    if (error)
        return quoted + " cannot be read: " + folder + " cannot be opened as a folder (" + error.message() + ")";
    if (status.type() != std::filesystem::file_type::directory)
        return quoted + " cannot be read: " + folder + " is not a folder";
    return quoted + " cannot be read from " + folder;
}
} // namespace

FolderItem* FolderItem::requireChild(const Ref<FolderItem>& child, const FolderItem* folder, std::string_view name)
{
    if (!child) {
        RaiseNilObjectException(folder ? whyNoChild(folder->m_path, name)
                                       : "\"" + std::string(name) + "\" cannot be read: there is no folder to look in");
    }
    return child.get();
}

Ref<FolderItem> FolderItem::Parent(FolderItem* item)
{
    if (!item)
        RaiseNilObjectException();
    std::filesystem::path path(item->m_path);
    if (!path.has_relative_path())
        return nullptr;
    return make(path.parent_path().string());
}

Ref<Picture> FolderItem::OpenAsPicture(FolderItem* item)
{
    if (!item)
        RaiseNilObjectException();
    return Picture::fromFile(item->m_path);
}

Ref<Sound> FolderItem::OpenAsSound(FolderItem* item)
{
    if (!item)
        RaiseNilObjectException();
    return Sound::fromFile(item->m_path);
}

} // namespace fw
