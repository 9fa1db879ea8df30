// The keyboard picture in the bundle, decoded, against the labels the chart
// lays over it: each label lies wholly, centre and edges, on a key of its
// note's colour, ebony for the flats and sharps, ivory for the naturals.
#include "BundleResources.h"

#include "chart/LayoutTable.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>

namespace tolvane::mediagen::testing {
namespace {

constexpr int kLightKey = 200; // grey level above which a pixel is ivory
constexpr int kDarkKey = 70;   // and below which it is ebony

bool isFlatOrSharp(std::string_view pictureAccessor)
{
    return pictureAccessor.find("flat") != std::string_view::npos
        || pictureAccessor.find("sharp") != std::string_view::npos;
}

TEST(KeyboardPicture, EveryLabelLiesOnAKeyOfItsNotesColour)
{
    const QImage image = QImage(QString::fromStdString((bundleResources() / "AA_Keyboard.gif").string()))
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const auto keyboard = std::find_if(chart::kControls.begin(), chart::kControls.end(),
                                       [](const chart::ControlLayout& control) { return control.name == chart::kKeyboardWell; });
    ASSERT_NE(keyboard, chart::kControls.end());

    for (const chart::ControlLayout& label : chart::kControls) {
        if (label.kind != chart::ControlKind::Label)
            continue;
        SCOPED_TRACE(std::string(label.name) + " of " + std::string(label.pictureAccessor));
        const bool black = isFlatOrSharp(label.pictureAccessor);
        // In the picture's coordinates: the labels lie over the keyboard's well.
        const int left = label.rect.left - keyboard->rect.left;
        const int top = label.rect.top - keyboard->rect.top;
        int wrongPixels = 0;
        for (int y = top; y < top + label.rect.height; ++y) {
            for (int x = left; x < left + label.rect.width; ++x) {
                const int grey = qGray(image.pixel(x, y));
                wrongPixels += black ? grey >= kDarkKey : grey <= kLightKey;
            }
        }
        EXPECT_EQ(wrongPixels, 0) << "of " << label.rect.width * label.rect.height;
    }
}

} // namespace
} // namespace tolvane::mediagen::testing
