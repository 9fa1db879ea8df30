// Files that failed to open, each remembered with the identity it had then,
// so that asking again for a file that has not changed since costs one stat
// instead of a new read and decode, while a file that appears, is replaced
// or is written again is read anew.
#pragma once

#include "BoundedFile_p.h"

#include <cstddef>
#include <string>
#include <unordered_map>

namespace fw {

class FailedFiles {
public:
    // Paths beyond this many are forgotten all at once: a program that
    // opens ever new broken files pays a read for each again, no more.
    static constexpr std::size_t kCapacity = 1024;

    // Whether the file at `path` failed before and is, as far as its
    // identity tells, the same file still. Costs one stat.
    bool failedUnchanged(const std::string& path) const;
    void remember(const std::string& path, const FileIdentity& identity);
    void forget(const std::string& path);

private:
    std::unordered_map<std::string, FileIdentity> m_failures;
};

} // namespace fw
