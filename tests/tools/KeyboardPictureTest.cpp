// The keyboard picture in the bundle, decoded, against the labels the chart
// lays over it: each label lies wholly, centre and edges, on a key of its
// note's colour, ebony for the flats and sharps, ivory for the naturals.
#include "BundleResources.h"
#include "LayoutReference.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tolvane::mediagen::testing {
namespace {

constexpr int kLightKey = 200; // grey level above which a pixel is ivory
constexpr int kDarkKey = 70;   // and below which it is ebony

TEST(KeyboardPicture, EveryLabelLiesOnAKeyOfItsNotesColour)
{
    const QImage image(QString::fromStdString((bundleResources() / "AA_Keyboard.gif").string()));
    ASSERT_FALSE(image.isNull());
    const reference::ControlRow& keyboard = reference::kWells[0];
    ASSERT_EQ(keyboard.picture, "AA_Keyboard");

    for (const reference::ControlRow& label : reference::kKeyLabels) {
        SCOPED_TRACE(std::string(label.name) + " of " + std::string(label.picture));
        const bool black = label.picture.ends_with("flat") || label.picture.ends_with("sharp");
        // In the picture's coordinates: the labels lie over the keyboard's well.
        const int left = label.left - keyboard.left;
        const int top = label.top - keyboard.top;
        int wrongPixels = 0;
        for (int y = top; y < top + label.height; ++y) {
            for (int x = left; x < left + label.width; ++x) {
                const int grey = qGray(image.pixel(x, y));
                wrongPixels += black ? grey >= kDarkKey : grey <= kLightKey;
            }
        }
        EXPECT_EQ(wrongPixels, 0) << "of " << label.width * label.height;
    }
}

} // namespace
} // namespace tolvane::mediagen::testing
