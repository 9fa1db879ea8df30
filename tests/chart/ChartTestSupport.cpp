#include "ChartTestSupport.h"

#include "app/MenuBar1.h"
#include "media/SoundItems.h"

#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/Sound.h"

#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tolvane::testing {

void ChartTest::useBundle(const std::vector<std::string>& leftOut)
{
    const char* generated = std::getenv("TOLVANE_BUNDLE");
    ASSERT_NE(generated, nullptr);
    ASSERT_TRUE(m_bundle.emplace().isValid());
    const std::filesystem::path resources = std::filesystem::path(generated) / "Contents" / "Resources";
    const std::filesystem::path contents =
        std::filesystem::path(m_bundle->path().toStdString()) / "Tolvane.app" / "Contents";
    std::filesystem::create_directories(contents / "MacOS");
    std::filesystem::create_directories(contents / "Resources");
    std::ofstream(contents / "MacOS" / "Tolvane").put('\0');
    for (const auto& entry : std::filesystem::directory_iterator(resources)) {
        const std::string name = entry.path().filename().string();
        if (std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end())
            std::filesystem::create_symlink(entry.path(), contents / "Resources" / name);
    }
    fw::RuntimeOverrideExecutablePath((contents / "MacOS" / "Tolvane").string());
    // As start-up does before it opens the window: the wells get their
    // pictures through the plug-in table, which the framework's classes
    // fill.
    fw::RuntimeInitializeFrameworkClasses();
    fw::_InitPluginEntrypoints();
}

fw::Ref<Window1> ChartTest::openChart()
{
    if (!m_bundle)
        useBundle();
    fw::Ref<Window1> window = implicit::Window1();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    return window;
}

void ChartTest::TearDown()
{
    fw::RuntimeReleaseWindows();
    MenuBar1::_implicitInstance.__Exit();
    for (media::SoundItem* item : media::kSoundItems)
        item->permaSound.__Exit();
    fw::RuntimeOverrideExecutablePath({});
}

void clickAt(Window1* window, QPoint contentPoint)
{
    QWidget* top = window->widget();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
        window->contentWidget()->mapTo(top, contentPoint));
}

void clickOn(Window1* window, std::string_view controlName)
{
    QWidget* widget = controlNamed<fw::RectControl>(window, fw::String(controlName))->widget();
    clickAt(window, widget->mapTo(window->contentWidget(), widget->rect().center()));
}

fw::Picture* centrePicture(Window1* window)
{
    return controlNamed<fw::ImageWell>(window, "ImageWell1")->image();
}

int channelsPlaying(const fw::Ref<fw::Sound>& recording)
{
    if (!recording) {
        ADD_FAILURE() << "the recording is nil";
        return 0;
    }
    return recording->playingChannels();
}

} // namespace tolvane::testing
