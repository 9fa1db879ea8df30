#include "tools/FileBytes.h"

#include <fstream>
#include <stdexcept>

namespace tolvane::mediagen {

void writeFileBytes(const std::filesystem::path& file, std::span<const unsigned char> bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace tolvane::mediagen
