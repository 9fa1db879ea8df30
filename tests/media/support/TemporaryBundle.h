// An application bundle laid out in a temporary folder, standing in for the
// running program's own: Contents/MacOS/Tolvane and Contents/Resources. While
// it lives, the framework takes its executable for the running one, so the
// media catalogue reads its Resources folder.
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <filesystem>
#include <string_view>

namespace tolvane::testing {

class TemporaryBundle {
public:
    enum class Resources { Folder, Missing };

    explicit TemporaryBundle(Resources resources = Resources::Folder);
    ~TemporaryBundle();
    TemporaryBundle(const TemporaryBundle&) = delete;
    TemporaryBundle& operator=(const TemporaryBundle&) = delete;

    std::filesystem::path executable() const;
    std::filesystem::path resources() const;

    // Writes a file into Resources, made a folder first if it is not one.
    void writeResource(std::string_view name, const QByteArray& bytes) const;
    // Resources as nothing at all, or as a plain file.
    void removeResources() const;
    void makeResourcesPlainFile() const;

private:
    void makeResourcesFolder() const;

    QTemporaryDir m_root;
};

} // namespace tolvane::testing
