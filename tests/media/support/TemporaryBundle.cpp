#include "TemporaryBundle.h"

#include "MediaFiles.h"

#include "framework/FolderItem.h"

#include <stdexcept>

namespace tolvane::testing {

TemporaryBundle::TemporaryBundle(Resources resources)
{
    if (!m_root.isValid())
        throw std::runtime_error("no temporary folder");
    std::filesystem::create_directories(executable().parent_path());
    writeFile(executable(), "#!/bin/false\n");
    if (resources == Resources::Folder)
        makeResourcesFolder();
    fw::RuntimeOverrideExecutablePath(executable().string());
}

TemporaryBundle::~TemporaryBundle()
{
    fw::RuntimeOverrideExecutablePath({});
}

std::filesystem::path TemporaryBundle::executable() const
{
    return std::filesystem::path(m_root.path().toStdString()) / "Tolvane.app/Contents/MacOS/Tolvane";
}

std::filesystem::path TemporaryBundle::resources() const
{
    return executable().parent_path().parent_path() / "Resources";
}

void TemporaryBundle::writeResource(std::string_view name, const QByteArray& bytes) const
{
    makeResourcesFolder();
    writeFile(resources() / name, bytes);
}

void TemporaryBundle::makeResourcesFolder() const
{
    if (!std::filesystem::is_directory(resources()))
        removeResources();
    std::filesystem::create_directories(resources());
}

void TemporaryBundle::removeResources() const
{
    std::filesystem::remove_all(resources());
}

void TemporaryBundle::makeResourcesPlainFile() const
{
    removeResources();
    writeFile(resources(), "not a folder\n");
}

} // namespace tolvane::testing
