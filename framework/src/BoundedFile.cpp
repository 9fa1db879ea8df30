#include "BoundedFile_p.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : m_descriptor(descriptor) { }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

FileIdentity identityOf(const struct stat& status)
{
    return {.device = status.st_dev, .inode = status.st_ino, .size = status.st_size,
        .modifiedSeconds = status.st_mtim.tv_sec, .modifiedNanoseconds = status.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

std::optional<QByteArray> readBoundedFile(const std::string& path, std::int64_t maximumBytes)
{
    std::optional<FileIdentity> opened;
    return readBoundedFile(path, maximumBytes, opened);
}

std::optional<QByteArray> readBoundedFile(
    const std::string& path, std::int64_t maximumBytes, std::optional<FileIdentity>& opened)
{
    // Non-blocking, so that opening a named pipe cannot wait for a writer;
    // the type is checked on the open descriptor, not on the name, so the
    // file cannot be swapped between the check and the read.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return std::nullopt;
    opened = identityOf(status);
    if (!S_ISREG(status.st_mode) || status.st_size > maximumBytes)
        return std::nullopt;

    // Read until the end rather than trusting the size: the file may be
    // growing. One byte more than the bound tells that it grew past it.
    QByteArray bytes;
    qsizetype filled = 0;
    bytes.resize(static_cast<qsizetype>(status.st_size) + 1);
    while (true) {
        if (filled == bytes.size()) {
            if (filled > maximumBytes)
                return std::nullopt;
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, maximumBytes + 1));
        }
        ssize_t count = ::read(file.get(), bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > maximumBytes)
        return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

} // namespace fw
