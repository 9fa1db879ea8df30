// Keyboard shortcuts as menu items write them ("Cmd+Q", "Shift+Cmd+Z", or a
// bare "Q" that means Cmd+Q), turned into the key sequences Qt honours. The
// command modifier is Ctrl on this platform, Option is Alt; the modifiers'
// spelling is not case-sensitive.
#pragma once

#include <QKeySequence>

#include <string_view>

namespace fw {

// An empty sequence for an empty or unreadable text, or for more than one
// key combination.
QKeySequence nativeKeySequence(std::string_view shortcut);

} // namespace fw
