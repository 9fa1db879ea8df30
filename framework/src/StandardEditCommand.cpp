#include "StandardEditCommand_p.h"

#include "framework/String.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include <array>

namespace fw {

namespace {
struct EditCommandRow {
    std::string_view itemName;
    StandardEditCommand command;
    // The widget's slot that carries the command out; Delete has none and
    // is sent to the widget as the Delete key.
    const char* slot;
    bool changesText;
};

constexpr std::array editCommands{
    EditCommandRow{"EditUndo", StandardEditCommand::Undo, "undo()", true},
    EditCommandRow{"EditCut", StandardEditCommand::Cut, "cut()", true},
    EditCommandRow{"EditCopy", StandardEditCommand::Copy, "copy()", false},
    EditCommandRow{"EditPaste", StandardEditCommand::Paste, "paste()", true},
    EditCommandRow{"EditClear", StandardEditCommand::Delete, nullptr, true},
    EditCommandRow{"EditSelectAll", StandardEditCommand::SelectAll, "selectAll()", false},
};

const EditCommandRow* rowOf(StandardEditCommand command)
{
    for (const EditCommandRow& row : editCommands) {
        if (row.command == command)
            return &row;
    }
    return nullptr;
}

bool hasSlot(const QWidget* widget, const char* slot)
{
    return widget->metaObject()->indexOfMethod(slot) >= 0;
}

// A text editor is what offers cut(): only editors can delete a selection.
bool isTextEditor(const QWidget* widget)
{
    return hasSlot(widget, "cut()");
}
} // namespace

StandardEditCommand standardEditCommand(std::string_view itemName)
{
    for (const EditCommandRow& row : editCommands) {
        if (equalsIgnoringCase(row.itemName, itemName))
            return row.command;
    }
    return StandardEditCommand::None;
}

bool canPerform(StandardEditCommand command, const QWidget* widget)
{
    const EditCommandRow* row = rowOf(command);
    if (!row || !widget || !widget->isEnabled())
        return false;
    if (row->changesText && widget->property("readOnly").toBool())
        return false;
    return row->slot ? hasSlot(widget, row->slot) : isTextEditor(widget);
}

void perform(StandardEditCommand command, QWidget* widget)
{
    if (!canPerform(command, widget))
        return;
    const EditCommandRow* row = rowOf(command);
    if (row->slot) {
        QByteArray method(row->slot);
        method.chop(2); // "cut()" -> "cut"
        QMetaObject::invokeMethod(widget, method.constData());
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

} // namespace fw
