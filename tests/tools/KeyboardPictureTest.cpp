// The keyboard picture in the bundle, decoded, against the labels the chart
// lays over it: each label sits wholly on a key of its own colour.
#include "BundleResources.h"

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

constexpr int kLightKey = 200; // grey level above which a pixel is ivory
constexpr int kDarkKey = 70;   // and below which it is ebony

struct KeyLabel {
    chart::Rect rect; // in the keyboard picture's coordinates
    bool black;
};

chart::Rect keyboardWell()
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.name == chart::kKeyboardWell)
            return control.rect;
    }
    return {};
}

// The labels ordered from left to right; a label's colour is its row's.
std::vector<KeyLabel> keyLabels()
{
    constexpr std::int32_t kLowerRowTop = 829;
    const chart::Rect well = keyboardWell();
    std::vector<KeyLabel> labels;
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind != chart::ControlKind::Label)
            continue;
        const chart::Rect rect = control.rect;
        labels.push_back({{rect.left - well.left, rect.top - well.top, rect.width, rect.height}, rect.top != kLowerRowTop});
    }
    std::sort(labels.begin(), labels.end(), [](const KeyLabel& a, const KeyLabel& b) { return a.rect.left < b.rect.left; });
    return labels;
}

QImage keyboardPicture()
{
    return QImage(QString::fromStdString((bundleResources() / "AA_Keyboard.gif").string())).convertToFormat(QImage::Format_RGB32);
}

int greyAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

TEST(KeyboardPicture, LabelRowsMatchTheNotesFlatsAndSharps)
{
    // The two ways of telling a key's colour agree: row in the layout, and
    // whether its note is a flat or a sharp.
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind != chart::ControlKind::Label)
            continue;
        const auto note = std::find_if(media::kNoteFiles.begin(), media::kNoteFiles.end(),
                                       [&](const media::NoteFiles& n) { return n.pictureAccessor == control.pictureAccessor; });
        ASSERT_NE(note, media::kNoteFiles.end()) << control.name;
        const std::string_view pitch =
            media::kPitchNames[media::pitchOf(static_cast<std::size_t>(note - media::kNoteFiles.begin()))];
        const bool flatOrSharp = pitch.ends_with("flat") || pitch.ends_with("sharp");
        EXPECT_EQ(flatOrSharp, control.rect.top != 829) << control.name;
    }
}

TEST(KeyboardPicture, EveryLabelLiesOnAKeyOfItsColour)
{
    const QImage image = keyboardPicture();
    ASSERT_FALSE(image.isNull());
    for (const KeyLabel& label : keyLabels()) {
        SCOPED_TRACE(::testing::Message() << "label at x " << label.rect.left << (label.black ? " (black)" : " (white)"));
        int wrongPixels = 0;
        for (int y = label.rect.top; y < label.rect.bottom(); ++y) {
            for (int x = label.rect.left; x < label.rect.right(); ++x) {
                const int grey = greyAt(image, x, y);
                wrongPixels += label.black ? grey >= kDarkKey : grey <= kLightKey;
            }
        }
        EXPECT_EQ(wrongPixels, 0);
        const int centreX = label.rect.left + label.rect.width / 2;
        const int centreY = label.rect.top + label.rect.height / 2;
        EXPECT_EQ(greyAt(image, centreX, centreY) < kDarkKey, label.black);
    }
}

TEST(KeyboardPicture, NeighbouringLabelsLieOnKeysOfTheirOwn)
{
    // Between two white labels runs the edge of a key; between two black
    // labels lies the ivory of the white key that parts them.
    const QImage image = keyboardPicture();
    ASSERT_FALSE(image.isNull());
    for (bool black : {false, true}) {
        std::vector<KeyLabel> row;
        for (const KeyLabel& label : keyLabels()) {
            if (label.black == black)
                row.push_back(label);
        }
        for (std::size_t i = 0; i + 1 < row.size(); ++i) {
            const int y = row[i].rect.top + row[i].rect.height / 2;
            bool parted = false;
            for (int x = row[i].rect.right(); x < row[i + 1].rect.left; ++x)
                parted = parted || (black ? greyAt(image, x, y) > kLightKey : greyAt(image, x, y) < kLightKey - 40);
            EXPECT_TRUE(parted) << "between the labels at x " << row[i].rect.left << " and " << row[i + 1].rect.left;
        }
    }
}

TEST(KeyboardPicture, HasTwentyEightWhiteAndTwentyBlackKeys)
{
    const QImage image = keyboardPicture();
    ASSERT_FALSE(image.isNull());
    const std::vector<KeyLabel> labels = keyLabels();
    const auto runsAcross = [&](int y, bool dark) {
        // Within the keys: from the first ivory pixel of the row to its last.
        int first = 0;
        while (first < image.width() && greyAt(image, first, y) <= kLightKey)
            ++first;
        int last = image.width() - 1;
        while (last > first && greyAt(image, last, y) <= kLightKey)
            --last;
        int runs = 0;
        bool inside = false;
        for (int x = first; x <= last; ++x) {
            const int grey = greyAt(image, x, y);
            const bool match = dark ? grey < kDarkKey : grey > kLightKey;
            runs += match && !inside;
            inside = match;
        }
        return runs;
    };
    const KeyLabel& anyBlack = *std::find_if(labels.begin(), labels.end(), [](const KeyLabel& l) { return l.black; });
    const KeyLabel& anyWhite = *std::find_if(labels.begin(), labels.end(), [](const KeyLabel& l) { return !l.black; });
    EXPECT_EQ(runsAcross(anyBlack.rect.top + anyBlack.rect.height / 2, true), 20);
    EXPECT_EQ(runsAcross(anyWhite.rect.top + anyWhite.rect.height / 2, false), 28);
}

} // namespace
} // namespace tolvane::mediagen::testing
