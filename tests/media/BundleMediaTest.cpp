// The media set the build puts into the bundle, read through the catalogue
// as the application reads it: every picture and every recording loads.
#include "framework/FolderItem.h"
#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace tolvane::media;

namespace fs = std::filesystem;

// TOLVANE_BUNDLE when the test runner sets it, else the build's bundle two
// folders above this program (<build>/tests/media/media_tests).
fs::path builtBundle()
{
    if (const char* bundle = std::getenv("TOLVANE_BUNDLE"))
        return bundle;
    return fs::path(fw::RuntimeExecutableItem()->path()).parent_path().parent_path().parent_path() / "Tolvane.app";
}

TEST(BundleMedia, EveryPictureAndRecordingOfTheBuiltBundleLoads)
{
    const fs::path bundle = builtBundle();
    if (!fs::is_directory(bundle / "Contents/Resources"))
        GTEST_SKIP() << "the bundle's media set has not been built: " << bundle;
    fw::RuntimeOverrideExecutablePath((bundle / "Contents/MacOS/Tolvane").string());

    for (PictureAccessor* accessor : kPictureAccessors) {
        fw::Ref<fw::Picture> picture = (*accessor)();
        ASSERT_TRUE(picture) << accessor->fileName();
        EXPECT_GT(picture->width(), 0);
    }
    for (SoundItem* item : kSoundItems) {
        fw::Ref<fw::Sound> sound = (*item)();
        ASSERT_TRUE(sound) << item->fileName();
        EXPECT_GT(sound->duration(), std::chrono::milliseconds(100)) << item->fileName();
    }
    fw::RuntimeOverrideExecutablePath({});
}

} // namespace
