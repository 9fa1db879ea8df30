// Every text on the pictures of the set, measured on the files as the build
// wrote them: each line of text, and each label inside a fingering chart's
// keys, stands at 4.5:1 or more against what lies behind it, by the contrast
// ratio of relative luminances in sRGB. The saxophones carry no text.
#include "BundleResources.h"

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

constexpr double kLeastContrast = 4.5;
// How far apart, as the sum of the three channels' differences, a pixel must
// be from the colour around it to count as drawn on it: well above JPEG's
// noise, well below any text's difference from its ground, even one of equal
// luminance.
constexpr int kDrawnDistance = 60;
// Words of one line stand closer than this; separate texts side by side
// (the keyboard's register names) farther.
constexpr int kWordGap = 24;
// The smallest key of a fingering chart is wider and taller than this.
constexpr int kLeastKeySide = 10;

double linear(int channel)
{
    static const std::array<double, 256> levels = [] {
        std::array<double, 256> all{};
        for (std::size_t level = 0; level < all.size(); ++level) {
            const double c = static_cast<double>(level) / 255.0;
            all[level] = c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return all;
    }();
    return levels[static_cast<std::size_t>(channel)];
}

double luminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The pixels of a row of a 32-bit picture.
const QRgb* rowOf(const QImage& image, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The colour most of the pixels share, found among colours rounded to 16
// levels a channel so that JPEG's noise falls in with its colour.
QRgb dominantColour(const QImage& image, const QRect& box)
{
    struct Bin {
        int count = 0;
        int red = 0;
        int green = 0;
        int blue = 0;
    };
    // A ground has few colours, so a short list searched in order is enough.
    std::vector<std::pair<QRgb, Bin>> bins;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const QRgb* row = rowOf(image, y);
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = row[x];
            const QRgb rounded = pixel & 0xfff0f0f0;
            auto bin = bins.begin();
            while (bin != bins.end() && bin->first != rounded)
                ++bin;
            if (bin == bins.end())
                bin = bins.insert(bins.end(), {rounded, Bin{}});
            ++bin->second.count;
            bin->second.red += qRed(pixel);
            bin->second.green += qGreen(pixel);
            bin->second.blue += qBlue(pixel);
        }
    }
    const Bin most = std::ranges::max_element(bins, {}, [](const auto& bin) { return bin.second.count; })->second;
    return qRgb(most.red / most.count, most.green / most.count, most.blue / most.count);
}

// The texts of a region: runs of rows holding pixels unlike their row's
// ground, each cut where its drawn columns leave a gap wider than a word's.
std::vector<QRect> textBoxes(const QImage& image, const QRect& region)
{
    std::vector<std::vector<bool>> drawn;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const QRgb ground = dominantColour(image, QRect(region.left(), y, region.width(), 1));
        const QRgb* pixels = rowOf(image, y);
        std::vector<bool>& row = drawn.emplace_back();
        for (int x = region.left(); x <= region.right(); ++x)
            row.push_back(distance(pixels[x], ground) > kDrawnDistance);
    }
    const auto rowHasDrawing = [&](int row) { return std::ranges::find(drawn[row], true) != drawn[row].end(); };

    std::vector<QRect> boxes;
    const int rows = static_cast<int>(drawn.size());
    for (int first = 0; first < rows;) {
        if (!rowHasDrawing(first)) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < rows && rowHasDrawing(last + 1))
            ++last;
        int start = -1;
        int end = -1;
        for (int x = 0; x <= region.width(); ++x) {
            const bool column = x < region.width()
                && std::any_of(drawn.begin() + first, drawn.begin() + last + 1, [x](const auto& row) { return row[x]; });
            if (column) {
                if (start < 0)
                    start = x;
                end = x;
            } else if (start >= 0 && (x - end > kWordGap || x == region.width())) {
                boxes.push_back(QRect(region.left() + start, region.top() + first, end - start + 1, last - first + 1));
                start = -1;
            }
        }
        first = last + 1;
    }
    return boxes;
}

// The mean luminance of the given number (at least one) of the values
// farthest from the ground's.
double strongestAwayFrom(std::vector<double> values, double ground, std::size_t count)
{
    count = std::clamp<std::size_t>(count, 1, values.size());
    for (double& value : values)
        value -= ground;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count - 1), values.end(),
                     [](double a, double b) { return std::abs(a) > std::abs(b); });
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += values[i];
    return ground + sum / static_cast<double>(count);
}

// The contrast of a text with its ground: the ground is the colour most of
// its box shares; the text's colour is that of its strongest pixels, the
// hundredth of the box farthest in luminance from the ground, which leaves
// out the smoothed edges of the letters.
double contrastIn(const QImage& image, const QRect& box)
{
    const double ground = luminance(dominantColour(image, box));
    std::vector<double> luminances;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const QRgb* row = rowOf(image, y);
        for (int x = box.left(); x <= box.right(); ++x)
            luminances.push_back(luminance(row[x]));
    }
    const std::size_t count = std::max<std::size_t>(4, luminances.size() / 100);
    return contrast(ground, strongestAwayFrom(std::move(luminances), ground, count));
}

QImage decoded(std::string_view file)
{
    return QImage(QString::fromStdString((bundleResources() / file).string())).convertToFormat(QImage::Format_RGB32);
}

struct Measured {
    QRect box;
    double ratio;
};

std::vector<Measured> measure(const QImage& image, const QRect& region)
{
    std::vector<Measured> texts;
    for (const QRect& box : textBoxes(image, region))
        texts.push_back({box, contrastIn(image, box)});
    return texts;
}

std::string describe(const QRect& box)
{
    return std::to_string(box.width()) + "x" + std::to_string(box.height()) + " at " + std::to_string(box.x()) + ","
        + std::to_string(box.y());
}

// A yes or no for each pixel of a rectangle, row by row.
struct Grid {
    QRect area;
    std::vector<char> cells = std::vector<char>(static_cast<std::size_t>(area.width() * area.height()), 0);

    int indexOf(int x, int y) const { return (y - area.top()) * area.width() + x - area.left(); }
    char& at(int index) { return cells[static_cast<std::size_t>(index)]; }
    char at(int index) const { return cells[static_cast<std::size_t>(index)]; }
};

// Marks the cells reachable, four ways, from the rectangle's border (no
// seed given) or from the seed, through cells that pass and are not marked
// yet; gives the cells it marked.
template <typename Passes>
std::vector<int> flood(Grid& marked, Passes passes, std::optional<int> seed = std::nullopt)
{
    const int width = marked.area.width();
    const int height = marked.area.height();
    std::vector<int> pending;
    if (seed) {
        pending.push_back(*seed);
    } else {
        for (int x = 0; x < width; ++x) {
            pending.push_back(x);
            pending.push_back((height - 1) * width + x);
        }
        for (int y = 0; y < height; ++y) {
            pending.push_back(y * width);
            pending.push_back(y * width + width - 1);
        }
    }
    // Row by row: each cell taken fills its row's run both ways, and the
    // rows above and below are looked at along that run.
    std::vector<int> reached;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        if (marked.at(cell) || !passes(cell))
            continue;
        const int rowStart = cell - cell % width;
        int first = cell;
        while (first > rowStart && !marked.at(first - 1) && passes(first - 1))
            --first;
        int last = cell;
        while (last + 1 < rowStart + width && !marked.at(last + 1) && passes(last + 1))
            ++last;
        for (int run = first; run <= last; ++run) {
            marked.at(run) = 1;
            reached.push_back(run);
            if (run >= width)
                pending.push_back(run - width);
            if (run + width < width * height)
                pending.push_back(run + width);
        }
    }
    return reached;
}

// The labels written inside the keys of a fingering chart: a key is a light
// area closed in by its dark outline, and its label is what lies inside that
// area, closed in by it in turn. Each label is measured against its key: the
// key's median luminance, and the quarter of the label's pixels farthest from
// it. Smaller closed light areas are the bowls of white letters on pressed keys.
std::vector<Measured> labelsInKeys(const QImage& image, const QRect& region)
{
    const Grid regionCells{region};
    std::vector<double> luminances;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x)
            luminances.push_back(luminance(rowOf(image, y)[x]));
    }
    const auto light = [&luminances](int cell) { return luminances[static_cast<std::size_t>(cell)] > 0.5; };
    Grid seen{region};
    flood(seen, light); // the paper around the keys
    std::vector<Measured> labels;
    for (int cell = 0; cell < static_cast<int>(luminances.size()); ++cell) {
        if (seen.at(cell) || !light(cell))
            continue;
        const std::vector<int> keyCells = flood(seen, light, cell);
        QRect box;
        for (int keyCell : keyCells)
            box |= QRect(region.left() + keyCell % region.width(), region.top() + keyCell / region.width(), 1, 1);
        if (box.width() < kLeastKeySide || box.height() < kLeastKeySide)
            continue;
        Grid key{box};
        std::vector<double> ground;
        for (int keyCell : keyCells) {
            key.at(key.indexOf(region.left() + keyCell % region.width(), region.top() + keyCell / region.width())) = 1;
            ground.push_back(luminances[static_cast<std::size_t>(keyCell)]);
        }
        Grid outside{box};
        flood(outside, [&key](int inBox) { return !key.at(inBox); });
        std::vector<double> label;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (!key.at(key.indexOf(x, y)) && !outside.at(outside.indexOf(x, y)))
                    label.push_back(luminances[static_cast<std::size_t>(regionCells.indexOf(x, y))]);
            }
        }
        if (label.empty())
            continue;
        std::ranges::nth_element(ground, ground.begin() + static_cast<std::ptrdiff_t>(ground.size() / 2));
        const double keyLuminance = ground[ground.size() / 2];
        labels.push_back({box, contrast(keyLuminance, strongestAwayFrom(label, keyLuminance, label.size() / 4))});
    }
    return labels;
}

void expectLegible(std::string_view file, const QImage& image, const QRect& region, std::size_t leastTexts)
{
    const std::vector<Measured> texts = measure(image, region);
    EXPECT_GE(texts.size(), leastTexts) << file << " in " << describe(region);
    for (const Measured& text : texts)
        EXPECT_GE(text.ratio, kLeastContrast) << file << ": the text of " << describe(text.box);
}

// A note picture's name and its written and sounding pitches lie in the
// coloured band along its top, the first hundred rows; the notation below
// it ends above row 298, and under that come the fingering, or in the
// altissimo the written pitch and the words about it.
constexpr int kBandRows = 100;
constexpr int kBelowTheStaff = 298;

TEST(TextContrast, EveryNotesNameAndPitchesReadOnItsBand)
{
    for (const media::NoteFiles& note : media::kNoteFiles) {
        const QImage image = decoded(note.pictureFile);
        ASSERT_FALSE(image.isNull()) << note.pictureFile;
        expectLegible(note.pictureFile, image, QRect(0, 0, image.width(), kBandRows), 2);
    }
}

TEST(TextContrast, EveryTextAndKeyLabelUnderTheStaffReads)
{
    std::size_t keyLabels = 0;
    for (const media::NoteFiles& note : media::kNoteFiles) {
        const QImage image = decoded(note.pictureFile);
        ASSERT_FALSE(image.isNull()) << note.pictureFile;
        const QRect below(0, kBelowTheStaff, image.width(), image.height() - kBelowTheStaff);
        expectLegible(note.pictureFile, image, below, 1);
        for (const Measured& label : labelsInKeys(image, below)) {
            ++keyLabels;
            EXPECT_GE(label.ratio, kLeastContrast) << note.pictureFile << ": the key label of " << describe(label.box);
        }
    }
    // A chart has some twenty labelled keys, on every note up to high F sharp.
    EXPECT_GT(keyLabels, 33u * 12);
}

TEST(TextContrast, TheOpeningPictureAndTheKeyboardRead)
{
    const QImage intro = decoded("intro.jpg");
    ASSERT_FALSE(intro.isNull());
    expectLegible("intro.jpg", intro, intro.rect(), 5);

    // The keyboard's title stands left of its keys, the registers' names
    // above them; the keys reach a few pixels beyond the labels over them.
    const QImage keyboard = decoded("AA_Keyboard.gif");
    ASSERT_FALSE(keyboard.isNull());
    const auto well = std::ranges::find(chart::kControls, chart::kKeyboardWell, &chart::ControlLayout::name);
    ASSERT_NE(well, chart::kControls.end());
    int keysLeft = well->rect.width;
    int keysTop = well->rect.height;
    for (const chart::ControlLayout& label : chart::kControls) {
        if (label.kind == chart::ControlKind::Label) {
            keysLeft = std::min(keysLeft, label.rect.left - well->rect.left);
            keysTop = std::min(keysTop, label.rect.top - well->rect.top);
        }
    }
    constexpr int kKeysBeyondLabels = 12;
    expectLegible("AA_Keyboard.gif", keyboard, QRect(0, 0, keysLeft - kKeysBeyondLabels, keyboard.height()), 2);
    expectLegible("AA_Keyboard.gif", keyboard, QRect(0, 0, keyboard.width(), keysTop - kKeysBeyondLabels), 4);
}

} // namespace
} // namespace tolvane::mediagen::testing
