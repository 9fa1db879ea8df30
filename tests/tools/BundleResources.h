// Where the build put the sample media set: the Resources folder of the
// bundle that TOLVANE_BUNDLE names.
#pragma once

#include <cstdlib>
#include <filesystem>

namespace tolvane::mediagen::testing {

inline std::filesystem::path bundleResources()
{
    const char* bundle = std::getenv("TOLVANE_BUNDLE");
    return bundle ? std::filesystem::path(bundle) / "Contents" / "Resources" : std::filesystem::path();
}

} // namespace tolvane::mediagen::testing
