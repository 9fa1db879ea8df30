#include "KeyEventText_p.h"

#include "QtText_p.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace fw {

namespace {
struct KeyCharacter {
    int key;
    char character;
};

constexpr std::array<KeyCharacter, 14> kKeyCharacters{{
    {Qt::Key_Home, 1},
    {Qt::Key_Enter, 3},
    {Qt::Key_End, 4},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_PageUp, 11},
    {Qt::Key_PageDown, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Escape, 27},
    {Qt::Key_Left, 28},
    {Qt::Key_Right, 29},
    {Qt::Key_Up, 30},
    {Qt::Key_Down, 31},
    {Qt::Key_Delete, 127},
}};
} // namespace

String keyEventText(const QKeyEvent& event)
{
    auto special = std::find_if(kKeyCharacters.begin(), kKeyCharacters.end(),
        [&event](const KeyCharacter& entry) { return entry.key == event.key(); });
    if (special != kKeyCharacters.end())
        return String(std::string_view(&special->character, 1));
    return fromQString(event.text());
}

} // namespace fw
