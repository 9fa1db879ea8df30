// The plug-in entry-point table: native operations that the framework's
// units publish under a dotted name ("ImageWell.Image.Get"), which start-up
// looks up by name into a table of fixed size. A property's accessors take
// the object and an Int32 that callers pass as 0, the setter also the value.
#pragma once

#include "framework/Application.h"

#include <span>
#include <string_view>

namespace fw {

// Publishes an entry, replacing one of the same name; called while the
// units build their class records, before start-up fills the table.
void registerPluginEntry(std::string_view name, Operation entry);

// The table's names, in its order.
std::span<const std::string_view, kPluginEntryCount> pluginEntryNames();

} // namespace fw
