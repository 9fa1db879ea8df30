// The main of every test program: Qt on the offscreen platform, SDL without
// a sound device unless the test chose one, and one QApplication for the
// whole run, which the framework's initialisation then reuses.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("TOLVANE_BUNDLE", TOLVANE_BUNDLE_DIR, 0);
    setenv("TOLVANE_BUILD_DIR", TOLVANE_BUILD_DIR_PATH, 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
