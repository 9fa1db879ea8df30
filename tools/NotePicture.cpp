#include "tools/NotePicture.h"

#include "media/NoteTable.h"
#include "tools/Canvas.h"
#include "tools/Contrast.h"
#include "tools/FingeringDiagram.h"
#include "tools/FingeringTable.h"
#include "tools/Fonts.h"
#include "tools/Staff.h"
#include "tools/Wells.h"
#include "tools/WrittenPitch.h"

#include <array>
#include <optional>
#include <string>

namespace tolvane::mediagen {
namespace {

const QColor kPaper(0xfb, 0xfa, 0xf6);
const QColor kQuietInk(0x4a, 0x4a, 0x4a);
// How far the band's second line leans towards the band's colour, at most.
constexpr double kQuietBlend = 0.35;

constexpr double kBandHeight = 104;
constexpr QRectF kStaffBox{34, 112, 347, 180};
constexpr double kDiagramTop = 304;

// Each pitch has a hue of its own, seven twelfths of the colour wheel on from
// the pitch below it, so that neighbouring keys never look alike; the
// registers deepen it from Top down to Low, so that no two notes share a band.
struct Shade {
    int saturation;
    int value;
};
constexpr std::array<Shade, 4> kRegisterShades{{{210, 210}, {160, 235}, {120, 250}, {90, 255}}};

QColor hueOf(std::size_t noteIndex)
{
    const int hue = static_cast<int>(media::pitchOf(noteIndex) * 7 % 12) * 30;
    const Shade shade = kRegisterShades[media::registerOf(noteIndex)];
    return QColor::fromHsv(hue, shade.saturation, shade.value);
}

// The band's text is ink where the band is light enough for it, and paper
// otherwise, on a band deepened as far as the paper needs to read. Deepening
// rather than lightening keeps a band apart from the paler one of the same
// pitch in the register above. The second line is quieter, leaning towards
// the band as far as it still reads.
struct BandColours {
    QColor band;
    QColor title;
    QColor detail;
};

BandColours bandColoursOf(std::size_t noteIndex)
{
    const QColor hue = hueOf(noteIndex);
    const QColor text = contrastRatio(hue, kInk) >= kLegibleContrast ? kInk : kPaper;
    const QColor band = standingOut(hue, text);
    constexpr int kSteps = 16;
    QColor detail = text;
    for (int step = 1; step <= kSteps; ++step) {
        const QColor quieter = blend(text, band, kQuietBlend * step / kSteps);
        if (contrastRatio(quieter, band) < kLegibleContrast)
            break;
        detail = quieter;
    }
    return {band, text, detail};
}

QString textOf(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void drawBand(Canvas& canvas, std::size_t noteIndex)
{
    const WrittenPitch pitch = writtenPitchOf(noteIndex);
    QPainter& painter = canvas.painter();
    const BandColours colours = bandColoursOf(noteIndex);
    const QRectF band(0, 0, canvas.bounds().width(), kBandHeight);
    painter.fillRect(band, colours.band);
    painter.fillRect(QRectF(0, kBandHeight - 3, band.width(), 3), colours.band.darker(140));

    canvas.drawText(QRectF(0, 10, band.width(), 54), textOf(displayNameOf(noteIndex)), Fonts::sans(40, QFont::Bold),
                    colours.title);
    const std::string detail = "written " + spell(pitch) + "  ·  sounds " + spellSounding(noteIndex);
    canvas.drawText(QRectF(0, 64, band.width(), 28), textOf(detail), Fonts::sans(16), colours.detail);
}

// Where the other notes show their fingering, the altissimo shows its written
// pitch large, in its band's colour deepened to read on the paper, over the
// word itself.
void drawAltissimo(Canvas& canvas, std::size_t noteIndex)
{
    const double width = canvas.bounds().width();
    canvas.drawText(QRectF(0, kDiagramTop + 6, width, 170), textOf(spell(writtenPitchOf(noteIndex))),
                    Fonts::serif(120, QFont::Bold), standingOut(hueOf(noteIndex).darker(125), kPaper));
    canvas.drawText(QRectF(0, kDiagramTop + 180, width, 70), QStringLiteral("altissimo"),
                    Fonts::serif(50, QFont::Bold, true), kInk);
    canvas.drawText(QRectF(48, kDiagramTop + 256, width - 96, 90),
                    QStringLiteral("Above high F♯ the fingerings differ from one instrument and player to "
                                   "the next: ask your teacher for the one that speaks on yours."),
                    Fonts::sans(16), kQuietInk);
}

} // namespace

QImage notePicture(std::size_t noteIndex)
{
    Canvas canvas(QSize(kCentreWellRect.width, kCentreWellRect.height), kPaper);
    drawBand(canvas, noteIndex);
    Staff(kStaffBox).draw(canvas.painter(), writtenPitchOf(noteIndex));

    if (const std::optional<KeySet> fingering = fingeringOf(noteIndex)) {
        const double left = (canvas.bounds().width() - kFingeringDiagramSize.width()) / 2;
        drawFingeringDiagram(canvas.painter(), QPointF(left, kDiagramTop), *fingering);
    } else {
        drawAltissimo(canvas, noteIndex);
    }
    return canvas.finish();
}

} // namespace tolvane::mediagen
