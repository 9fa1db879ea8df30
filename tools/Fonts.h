// The typefaces of the generated pictures. They are loaded from their files
// rather than found through the system's font configuration, so that every
// machine draws the same glyphs and the pictures come out byte for byte alike.
#pragma once

#include <QFont>

namespace tolvane::mediagen {

class Fonts {
public:
    // Registers the typefaces with the running QGuiApplication; throws
    // std::runtime_error when a file is missing. Safe to call more than once.
    static void load();

    static QFont sans(int pixelSize, QFont::Weight weight = QFont::Normal);
    static QFont serif(int pixelSize, QFont::Weight weight = QFont::Normal, bool italic = false);
};

} // namespace tolvane::mediagen
