// The plug-in entry-point table: native operations that plug-in controls
// publish under a dotted name ("ImageWell.Image.Get"), which start-up looks
// up by name into a table of fixed size.
#pragma once

#include "framework/ClassRecord.h"

#include <string_view>

namespace fw {

// Publishes an entry; called from a unit's statics initialiser, before
// start-up fills the table.
void registerPluginEntry(std::string_view name, Operation entry);

} // namespace fw
