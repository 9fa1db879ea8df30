#include "tools/FileBytes.h"

#include <fstream>
#include <stdexcept>

namespace tolvane::mediagen {

void writeFileBytes(const std::filesystem::path& file, std::span<const std::byte> bytes)
{
    // A file left by an earlier build keeps its mode when it is overwritten;
    // a new one takes the umask's.
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace tolvane::mediagen
