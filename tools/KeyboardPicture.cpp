#include "tools/KeyboardPicture.h"

#include "tools/Canvas.h"
#include "tools/Fonts.h"
#include "tools/KeyboardLayout.h"
#include "tools/Wells.h"

#include <QPen>

#include <algorithm>
#include <utility>

namespace tolvane::mediagen {
namespace {

const QColor kWood(0x4a, 0x33, 0x24);
const QColor kWoodGrain(0x57, 0x3d, 0x2b);
const QColor kKeyBed(0x24, 0x19, 0x13);
const QColor kFelt(0x7d, 0x1f, 0x2a);
const QColor kIvory(0xf5, 0xf1, 0xe4);
const QColor kIvoryLip(0xdc, 0xd5, 0xc2);
const QColor kKeyGap(0x6b, 0x63, 0x58);
const QColor kEbony(0x14, 0x14, 0x14);
const QColor kEbonyShine(0x3c, 0x3c, 0x3c);
const QColor kEbonyLip(0x28, 0x28, 0x28);
const QColor kCream(0xe9, 0xdc, 0xc0);

constexpr int kLipHeight = 6;

// The drawing's own colours and, for its smooth text and edges, the shades
// between the colours that meet.
QList<QRgb> palette()
{
    const QColor flat[] = {kWood, kWoodGrain, kKeyBed, kFelt, kIvory, kIvoryLip, kKeyGap,
                           kEbony, kEbonyShine, kEbonyLip, kGold, kCream};
    QList<QRgb> colours;
    for (const QColor& colour : flat)
        colours.append(colour.rgb());
    const std::pair<QColor, QColor> blends[] = {{kWood, kGold}, {kWood, kCream}, {kIvory, kKeyGap},
                                                {kEbony, kIvory}, {kKeyBed, kIvory}};
    constexpr int kSteps = 16;
    for (const auto& [from, to] : blends) {
        for (int step = 1; step < kSteps; ++step)
            colours.append(blend(from, to, static_cast<double>(step) / kSteps).rgb());
    }
    return colours;
}

QRectF inWell(const chart::Rect& rect)
{
    return QRectF(rect.left - kKeyboardWellRect.left, rect.top - kKeyboardWellRect.top, rect.width, rect.height);
}

void drawFrame(Canvas& canvas)
{
    QPainter& painter = canvas.painter();
    const QRectF bounds = canvas.bounds();
    for (int grain = 0; grain < 5; ++grain) {
        const double y = 4 + grain * (bounds.height() - 8) / 4;
        painter.fillRect(QRectF(0, y, bounds.width(), 1.0), kWoodGrain);
    }
    const QRectF keys = inWell({kKeysLeft, kKeysTop, kKeysRight - kKeysLeft, kWhiteKeysBottom - kKeysTop});
    painter.fillRect(keys.adjusted(-4, -6, 4, 3), kKeyBed);
    painter.fillRect(QRectF(keys.left(), keys.top() - 4, keys.width(), 4), kFelt);
}

void drawKeys(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (bool black : {false, true}) {
        for (const KeyboardKey& key : kKeyboardKeys) {
            if (key.black != black)
                continue;
            const QRectF rect = inWell(key.rect);
            const QRectF lip(rect.left(), rect.bottom() - kLipHeight, rect.width(), kLipHeight);
            if (black) {
                painter.fillRect(rect, kEbony);
                painter.fillRect(QRectF(rect.left() + 1, rect.top(), 2, rect.height() - kLipHeight), kEbonyShine);
                painter.fillRect(lip, kEbonyLip);
            } else {
                painter.fillRect(rect, kIvory);
                painter.fillRect(lip, kIvoryLip);
                painter.fillRect(QRectF(rect.left(), rect.top(), 1, rect.height()), kKeyGap);
            }
        }
    }
    painter.restore();
}

void drawRegisterNames(Canvas& canvas)
{
    for (std::size_t reg = 0; reg < media::kRegisterNames.size(); ++reg) {
        std::int32_t left = kKeysRight;
        std::int32_t right = kKeysLeft;
        for (const KeyboardKey& key : kKeyboardKeys) {
            if (media::registerOf(key.noteIndex) == reg) {
                left = std::min(left, key.rect.left);
                right = std::max(right, key.rect.right());
            }
        }
        // Above the key bed, which begins six pixels over the keys.
        const QRectF span(left - kKeyboardWellRect.left, 1, right - left, kKeysTop - kKeyboardWellRect.top - 7);
        const std::string_view name = media::kRegisterNames[reg];
        canvas.drawText(span,
                        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                        Fonts::sans(10, QFont::Bold), kCream);
    }
}

void drawTitle(Canvas& canvas)
{
    const double width = kKeysLeft - kKeyboardWellRect.left - 8;
    canvas.drawText(QRectF(0, 60, width, 40), QStringLiteral("Tolvane"), Fonts::serif(30, QFont::Bold), kGold);
    canvas.drawText(QRectF(0, 100, width, 22), QStringLiteral("alto saxophone"), Fonts::sans(13), kCream);
}

} // namespace

QImage keyboardPicture()
{
    Canvas canvas(QSize(kKeyboardWellRect.width, kKeyboardWellRect.height), kWood);
    drawFrame(canvas);
    drawKeys(canvas.painter());
    drawRegisterNames(canvas);
    drawTitle(canvas);
    return canvas.finish().convertToFormat(QImage::Format_Indexed8, palette());
}

} // namespace tolvane::mediagen
