// tolvane-mediagen: writes the sample media set into the folder named on its
// command line. Run at build time, so it draws offscreen.
#include "tools/MediaSet.h"

#include <QGuiApplication>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tolvane-mediagen <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    try {
        tolvane::mediagen::writeMediaSet(folder);
    } catch (const std::exception& error) {
        std::cerr << "tolvane-mediagen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
