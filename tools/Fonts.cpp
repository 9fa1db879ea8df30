#include "tools/Fonts.h"

#include <QFontDatabase>
#include <QString>

#include <array>
#include <stdexcept>

namespace tolvane::mediagen {
namespace {

constexpr std::array kFontFiles{
    "DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
};

QFont fontOf(const char* family, int pixelSize, QFont::Weight weight, bool italic)
{
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

} // namespace

void Fonts::load()
{
    static bool loaded = false;
    if (loaded)
        return;
    for (const char* file : kFontFiles) {
        const QString path = QStringLiteral(TOLVANE_DEJAVU_FONT_DIR "/") + QString::fromLatin1(file);
        if (QFontDatabase::addApplicationFont(path) < 0)
            throw std::runtime_error("cannot load the font " + path.toStdString());
    }
    loaded = true;
}

QFont Fonts::sans(int pixelSize, QFont::Weight weight)
{
    return fontOf("DejaVu Sans", pixelSize, weight, false);
}

QFont Fonts::serif(int pixelSize, QFont::Weight weight, bool italic)
{
    return fontOf("DejaVu Serif", pixelSize, weight, italic);
}

} // namespace tolvane::mediagen
