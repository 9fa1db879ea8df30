// Every text on the pictures of the set, measured on the files as the build
// wrote them: each word, the labels inside a fingering chart's keys included,
// stands at 4.5:1 or more against the ground behind it, by the contrast ratio
// of relative luminances in sRGB. The saxophones carry no text.
#include "BundleResources.h"
#include "ImageDifference.h"
#include "LayoutReference.h"
#include "MediaReference.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

constexpr double kLeastContrast = 4.5;
// How far apart, as the sum of the three channels' differences, a pixel must
// be from its row's ground to count as drawn on it: above JPEG's noise and
// the faint tube behind a fingering chart's keys, well below any letter's
// difference from its ground, even one of equal luminance.
constexpr int kDrawnDistance = 90;
// Letters of a word stand closer than this, words farther apart.
constexpr int kLetterGap = 4;
// Smaller marks are JPEG's specks; wider ones are rules, staves and frames.
constexpr std::size_t kFewestPixels = 6;
constexpr int kWidestWord = 300;

double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The ground of a row: the mean colour of its first pixels, as every text
// stands clear of a picture's left edge.
QRgb groundOf(const QRgb* row)
{
    constexpr int kEdge = 4;
    int red = 0, green = 0, blue = 0;
    for (int x = 0; x < kEdge; ++x) {
        red += qRed(row[x]);
        green += qGreen(row[x]);
        blue += qBlue(row[x]);
    }
    return qRgb(red / kEdge, green / kEdge, blue / kEdge);
}

struct Word {
    QRect box;
    double contrast;
};

// The words of a picture: the pixels unlike their row's ground, joined up and
// down and across gaps narrower than the space between two words. A word's
// contrast is that of the twentieth of its pixels farthest from their rows'
// ground, which leaves out the smoothed edges of its letters. A label inside
// a key stands far enough from the key's outline to be a word of its own.
std::vector<Word> wordsIn(const QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<double> groundLuminance;
    std::vector<char> drawn;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const QRgb ground = groundOf(row);
        groundLuminance.push_back(luminance(ground));
        for (int x = 0; x < width; ++x)
            drawn.push_back(colourDistance(row[x], ground) > kDrawnDistance);
    }

    std::vector<Word> words;
    for (int start = 0; start < width * height; ++start) {
        if (!drawn[start])
            continue;
        drawn[start] = 0;
        std::vector<int> pending{start};
        std::vector<double> contrasts;
        QRect box;
        while (!pending.empty()) {
            const int cell = pending.back();
            pending.pop_back();
            const int x = cell % width;
            const int y = cell / width;
            box |= QRect(x, y, 1, 1);
            contrasts.push_back(contrast(luminance(image.pixel(x, y)), groundLuminance[y]));
            const auto join = [&](int next) {
                if (drawn[next]) {
                    drawn[next] = 0;
                    pending.push_back(next);
                }
            };
            if (y > 0)
                join(cell - width);
            if (y + 1 < height)
                join(cell + width);
            for (int across = std::max(0, x - kLetterGap); across <= std::min(width - 1, x + kLetterGap); ++across)
                join(cell - x + across);
        }
        if (contrasts.size() < kFewestPixels || box.width() > kWidestWord)
            continue;
        const auto twentieth = contrasts.begin() + static_cast<std::ptrdiff_t>(contrasts.size() / 20);
        std::nth_element(contrasts.begin(), twentieth, contrasts.end(), std::greater<>());
        words.push_back({box, *twentieth});
    }
    return words;
}

// The words of a picture, or of the region from its top left corner that
// holds its text, and how many there are at least, so that a measurement that
// finds nothing cannot pass.
void expectLegible(std::string_view file, std::size_t fewestWords, const QRect& region = {})
{
    const QImage image =
        QImage(QString::fromStdString((bundleResources() / file).string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull()) << file;
    const std::vector<Word> words = wordsIn(region.isEmpty() ? image : image.copy(region));
    EXPECT_GE(words.size(), fewestWords) << file;
    for (const Word& word : words) {
        EXPECT_GE(word.contrast, kLeastContrast) << file << ": the word of " << word.box.width() << "x"
                                                 << word.box.height() << " at " << word.box.x() << "," << word.box.y();
    }
}

TEST(TextContrast, EveryWordOfTheNotesAndTheOpeningPictureReads)
{
    // Under its band of name and pitches, a note has a fingering chart of
    // some twenty labelled keys or, in the altissimo, a paragraph.
    for (std::size_t note = 0; note < 48; ++note)
        expectLegible(reference::kPictureAccessorFiles[note].file, 40);
    expectLegible("intro.jpg", 25);
}

TEST(TextContrast, TheKeyboardsTitleAndRegisterNamesRead)
{
    // The title stands left of the keys, the registers' names above them;
    // the keys reach a few pixels beyond the labels over them.
    constexpr int kKeysBeyondLabels = 12;
    const reference::ControlRow& well = reference::kWells[0];
    ASSERT_EQ(well.picture, "AA_Keyboard");
    int keysLeft = well.width;
    int keysTop = well.height;
    for (const reference::ControlRow& label : reference::kKeyLabels) {
        keysLeft = std::min(keysLeft, label.left - well.left - kKeysBeyondLabels);
        keysTop = std::min(keysTop, label.top - well.top - kKeysBeyondLabels);
    }
    expectLegible("AA_Keyboard.gif", 3, QRect(0, 0, keysLeft, well.height));
    expectLegible("AA_Keyboard.gif", 4, QRect(0, 0, well.width, keysTop));
}

} // namespace
} // namespace tolvane::mediagen::testing
