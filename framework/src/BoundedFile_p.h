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

std::optional<QByteArray> readBoundedFile(const std::string& path, std::int64_t maximumBytes);

} // namespace fw
