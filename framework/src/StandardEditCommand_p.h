// The stock behaviour of the Edit menu's items, which a program lists by
// name without handlers of its own: each acts on the focused widget when
// that widget can do it, and is disabled otherwise.
#pragma once

#include <string_view>

class QWidget;

namespace fw {

enum class StandardEditCommand { None, Undo, Cut, Copy, Paste, Delete, SelectAll };

// The command of a menu item by its Name ("EditCopy"), None for any other.
StandardEditCommand standardEditCommand(std::string_view itemName);

// Whether the widget can carry out the command now (a read-only editor
// cannot cut); false without a widget.
bool canPerform(StandardEditCommand command, const QWidget* widget);
void perform(StandardEditCommand command, QWidget* widget);

} // namespace fw
