// Reading a whole media file into memory, with a bound on its size.
//
// Only a regular file is read: a directory, a device or a named pipe (which
// could block the reader forever) gives nothing, as does a file that cannot
// be opened or that is larger than the bound.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// What tells one state of a file from another without reading it: a file
// replaced, rewritten, grown or touched has another identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file a path names now (links followed); nothing when
// there is no such file.
std::optional<FileIdentity> fileIdentity(const std::string& path);

std::optional<QByteArray> readBoundedFile(const std::string& path, std::int64_t maximumBytes);
// The same, also giving the identity of the file that was opened, whenever
// one was, read or not.
std::optional<QByteArray> readBoundedFile(
    const std::string& path, std::int64_t maximumBytes, std::optional<FileIdentity>& opened);

} // namespace fw
