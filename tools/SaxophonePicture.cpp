#include "tools/SaxophonePicture.h"

#include "tools/Canvas.h"
#include "tools/Wells.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tolvane::mediagen {
namespace {

const QColor kBackdropCentre(0x40, 0x35, 0x2d);
const QColor kBackdropEdge(0x17, 0x12, 0x0f);
const QColor kBrassShadow(0x6b, 0x4a, 0x12);
const QColor kBrassLight(0xff, 0xe7, 0x9c);
const QColor kEboniteShadow(0x08, 0x08, 0x08);
const QColor kEboniteLight(0x5a, 0x5a, 0x5a);
const QColor kBellInside(0x3a, 0x27, 0x0c);
const QColor kPearl(0xf4, 0xef, 0xe2);

constexpr double kBellRadius = 58;

// A stretch of the instrument's tube: its centre line and how wide it is at
// either end. The tube is drawn from the mouthpiece's tip to the bell's rim,
// the bell facing right; the picture for the right side is the mirror image.
struct TubeSection {
    QPainterPath centre;
    double startWidth;
    double endWidth;
    bool ebonite; // the mouthpiece; the rest is brass
};

QPainterPath curve(QPointF from, QPointF control1, QPointF control2, QPointF to)
{
    QPainterPath path(from);
    path.cubicTo(control1, control2, to);
    return path;
}

std::array<TubeSection, 6> tubeSections()
{
    return {{
        {curve({50, 132}, {60, 122}, {76, 108}, {92, 98}), 12, 17, true},
        {curve({92, 98}, {112, 84}, {136, 96}, {138, 128}), 15, 20, false},
        {curve({138, 128}, {140, 150}, {139, 170}, {138, 190}), 20, 24, false},
        {curve({138, 190}, {134, 320}, {130, 430}, {128, 520}), 24, 50, false},
        {curve({128, 520}, {124, 648}, {226, 648}, {222, 520}), 50, 60, false},
        {curve({222, 520}, {220, 440}, {224, 380}, {236, 326}), 60, 70, false},
    }};
}

QPointF normalAt(const QPainterPath& path, double percent)
{
    const double angle = path.angleAtPercent(percent) * std::numbers::pi / 180.0;
    // Qt's angles run counter-clockwise with y pointing down.
    return {-std::sin(angle), -std::cos(angle)};
}

// Round tubes are shaded as nested strokes, darkest and widest first, the
// highlight nudged to the side the light comes from.
void drawTube(QPainter& painter, const TubeSection& section)
{
    constexpr int kBands = 9;
    constexpr int kSteps = 60;
    const QColor shadow = section.ebonite ? kEboniteShadow : kBrassShadow;
    const QColor light = section.ebonite ? kEboniteLight : kBrassLight;
    for (int band = 0; band < kBands; ++band) {
        const double depth = static_cast<double>(band) / (kBands - 1);
        const QColor colour = blend(shadow, light, std::pow(depth, 1.4));
        QPointF previous;
        for (int step = 0; step <= kSteps; ++step) {
            const double percent = static_cast<double>(step) / kSteps;
            const double width = section.startWidth + (section.endWidth - section.startWidth) * percent;
            const QPointF point = section.centre.pointAtPercent(percent)
                + normalAt(section.centre, percent) * (width * 0.2 * depth);
            if (step > 0) {
                painter.setPen(QPen(colour, width * (1.0 - 0.82 * depth), Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(previous, point);
            }
            previous = point;
        }
    }
}

void drawBell(QPainter& painter, const TubeSection& lastSection)
{
    // The bell flares from the tube's end into a rim that opens up and out.
    const QPointF mouth = lastSection.centre.pointAtPercent(1.0);
    const double angle = lastSection.centre.angleAtPercent(1.0);
    painter.save();
    painter.translate(mouth);
    painter.rotate(-angle);
    QPainterPath flare;
    flare.moveTo(-40, -lastSection.endWidth / 2);
    flare.cubicTo(-10, -lastSection.endWidth / 2, 0, -kBellRadius + 4, 22, -kBellRadius);
    flare.lineTo(22, kBellRadius);
    flare.cubicTo(0, kBellRadius - 4, -10, lastSection.endWidth / 2, -40, lastSection.endWidth / 2);
    flare.closeSubpath();
    QLinearGradient brass(QPointF(0, -kBellRadius), QPointF(0, kBellRadius));
    brass.setColorAt(0, kBrassLight);
    brass.setColorAt(0.45, QColor(0xd9, 0xae, 0x4f));
    brass.setColorAt(1, kBrassShadow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brass);
    painter.drawPath(flare);
    painter.setBrush(kBellInside);
    painter.setPen(QPen(kBrassLight, 4));
    painter.drawEllipse(QPointF(22, 0), 13, kBellRadius);
    painter.restore();
}

void drawKeys(QPainter& painter, const TubeSection& body)
{
    // Pad cups down the side of the body, pearls for the fingers on its front
    // and the rod that links them.
    const auto widthAt = [&body](double percent) {
        return body.startWidth + (body.endWidth - body.startWidth) * percent;
    };
    QPainterPath rod;
    for (int step = 0; step <= 20; ++step) {
        const double percent = 0.04 + step * 0.04;
        const QPointF point = body.centre.pointAtPercent(percent) - QPointF(widthAt(percent) / 2 + 3, 0);
        if (step == 0)
            rod.moveTo(point);
        else
            rod.lineTo(point);
    }
    painter.setPen(QPen(kBrassShadow, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rod);
    for (int cup = 0; cup < 9; ++cup) {
        const double percent = 0.06 + cup * 0.108;
        const QPointF centre = body.centre.pointAtPercent(percent) + QPointF(widthAt(percent) / 2 + 2, 0);
        painter.setPen(QPen(kBrassShadow, 2));
        painter.setBrush(QColor(0xe0, 0xb8, 0x5e));
        painter.drawEllipse(centre, 7.5, 9.5);
    }
    constexpr std::array<double, 6> kPearls{0.08, 0.2, 0.32, 0.56, 0.68, 0.8};
    for (double percent : kPearls) {
        const QPointF centre = body.centre.pointAtPercent(percent) - QPointF(widthAt(percent) / 2 - 4, 0);
        painter.setPen(QPen(kBrassShadow, 2));
        painter.setBrush(kPearl);
        painter.drawEllipse(centre, 6, 6);
    }
}

} // namespace

QImage saxophonePicture(WindowSide side)
{
    const chart::Rect well = side == WindowSide::Left ? wellShowing("saxleft") : wellShowing("saxright");
    Canvas canvas(QSize(well.width, well.height), kBackdropEdge);
    QPainter& painter = canvas.painter();
    const QRectF bounds = canvas.bounds();

    QRadialGradient backdrop(bounds.center(), bounds.height() * 0.55);
    backdrop.setColorAt(0, kBackdropCentre);
    backdrop.setColorAt(1, kBackdropEdge);
    painter.fillRect(bounds, backdrop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(QPointF(158, 640), 90, 12);

    // The bell's rim reaches furthest out; the instrument stands a little left
    // of centre so that the rim stays inside the picture.
    painter.translate(-20, 0);
    const std::array<TubeSection, 6> sections = tubeSections();
    for (const TubeSection& section : sections)
        drawTube(painter, section);
    drawBell(painter, sections.back());
    drawKeys(painter, sections[3]);

    QImage picture = canvas.finish();
    return side == WindowSide::Left ? picture : picture.mirrored(true, false);
}

} // namespace tolvane::mediagen
