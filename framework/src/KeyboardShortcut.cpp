#include "KeyboardShortcut_p.h"

#include <QRegularExpression>
#include <QString>

namespace fw {

QKeySequence nativeKeySequence(std::string_view shortcut)
{
    QString text = QString::fromUtf8(shortcut.data(), qsizetype(shortcut.size())).trimmed();
    // A bare character is a command-key shortcut; a named key (F1, Delete)
    // stands on its own.
    if (text.size() == 1)
        text.prepend(QStringLiteral("Ctrl+"));
    static const QRegularExpression command(
        QStringLiteral("\\b(Cmd|Command|Control)\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression option(QStringLiteral("\\bOption\\b"), QRegularExpression::CaseInsensitiveOption);
    text.replace(command, QStringLiteral("Ctrl")).replace(option, QStringLiteral("Alt"));
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return {};
    return sequence;
}

} // namespace fw
