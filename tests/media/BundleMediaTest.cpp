// The media set the build puts into the bundle, read through the catalogue
// as the application reads it: every picture and every recording loads.
#include "framework/FolderItem.h"
#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace std::chrono_literals;
using namespace tolvane::media;

TEST(BundleMedia, EveryPictureAndRecordingOfTheBuiltBundleLoads)
{
    const char* bundle = std::getenv("TOLVANE_BUNDLE");
    ASSERT_TRUE(bundle);
    fw::RuntimeOverrideExecutablePath((std::filesystem::path(bundle) / "Contents/MacOS/Tolvane").string());
    for (PictureAccessor* accessor : kPictureAccessors)
        EXPECT_TRUE((*accessor)()) << accessor->fileName();
    for (SoundItem* item : kSoundItems) {
        fw::Ref<fw::Sound> sound = (*item)();
        ASSERT_TRUE(sound) << item->fileName();
        EXPECT_GT(sound->duration(), 1s) << item->fileName();
    }
}

} // namespace
