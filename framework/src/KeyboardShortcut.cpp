#include "KeyboardShortcut_p.h"

#include "framework/String.h"

#include <QStringList>

#include <array>

namespace fw {

namespace {
struct ModifierSpelling {
    std::string_view written;
    const char* native;
};

constexpr std::array modifierSpellings{
    ModifierSpelling{"Cmd", "Ctrl"},
    ModifierSpelling{"Command", "Ctrl"},
    ModifierSpelling{"Ctrl", "Ctrl"},
    ModifierSpelling{"Control", "Ctrl"},
    ModifierSpelling{"Option", "Alt"},
    ModifierSpelling{"Alt", "Alt"},
    ModifierSpelling{"Shift", "Shift"},
};

const char* nativeModifier(std::string_view written)
{
    for (const ModifierSpelling& spelling : modifierSpellings) {
        if (equalsIgnoringCase(spelling.written, written))
            return spelling.native;
    }
    return nullptr;
}
} // namespace

QKeySequence nativeKeySequence(std::string_view shortcut)
{
    const QStringList parts = QString::fromUtf8(shortcut.data(), qsizetype(shortcut.size())).split(u'+');
    if (parts.size() == 1 && parts.front().isEmpty())
        return {};
    QStringList nativeParts;
    bool hasModifier = false;
    // Every part but the last is a modifier; the last is the key itself,
    // which may be "+" (written "Cmd++").
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i].isEmpty() && i + 2 == parts.size() && parts.back().isEmpty()) {
            nativeParts.append(QStringLiteral("+"));
            break;
        }
        const char* modifier = nativeModifier(parts[i].trimmed().toStdString());
        if (!modifier)
            return {};
        nativeParts.append(QString::fromLatin1(modifier));
        hasModifier = true;
    }
    if (nativeParts.isEmpty() || nativeParts.back() != QStringLiteral("+")) {
        const QString key = parts.back().trimmed();
        if (key.isEmpty())
            return {};
        nativeParts.append(key);
    }
    // A bare character is a command-key shortcut; a named key (F1, Delete)
    // stands on its own.
    if (!hasModifier && nativeParts.back().size() == 1)
        nativeParts.prepend(QStringLiteral("Ctrl"));
    const QKeySequence sequence = QKeySequence::fromString(nativeParts.join(u'+'), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return {};
    return sequence;
}

} // namespace fw
