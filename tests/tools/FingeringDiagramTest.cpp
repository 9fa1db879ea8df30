// The drawn diagram shows each key filled exactly when the table presses it.
#include "tools/FingeringDiagram.h"
#include "tools/Fonts.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tolvane::mediagen {
namespace {

int lightnessAt(const QImage& image, QPointF point)
{
    return qGray(image.pixel(point.toPoint()));
}

TEST(FingeringDiagram, FillsThePressedKeysOnly)
{
    Fonts::load();
    for (std::size_t note = 0; note < kNormalRangeNoteCount; ++note) {
        const KeySet pressed = *fingeringOf(note);
        QImage image(FingeringDiagram::kSize.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        FingeringDiagram::draw(painter, QPointF(0, 0), pressed);
        painter.end();

        for (std::size_t index = 0; index < kSaxKeyCount; ++index) {
            const auto key = static_cast<SaxKey>(index);
            const QRectF rect = FingeringDiagram::keyRect(key);
            // Inside the outline, clear of the key's centred label.
            const QPointF probe(rect.left() + rect.width() * 0.25, rect.center().y());
            const int lightness = lightnessAt(image, probe);
            if (pressed.contains(key))
                EXPECT_LT(lightness, 80) << "note " << note << ", key " << index;
            else
                EXPECT_GT(lightness, 200) << "note " << note << ", key " << index;
        }
    }
}

TEST(FingeringDiagram, KeysNeitherOverlapNorLeaveTheDiagram)
{
    const QRectF diagram(QPointF(0, 0), FingeringDiagram::kSize);
    for (std::size_t a = 0; a < kSaxKeyCount; ++a) {
        const QRectF rect = FingeringDiagram::keyRect(static_cast<SaxKey>(a));
        EXPECT_TRUE(diagram.contains(rect)) << "key " << a;
        for (std::size_t b = a + 1; b < kSaxKeyCount; ++b)
            EXPECT_FALSE(rect.intersects(FingeringDiagram::keyRect(static_cast<SaxKey>(b)))) << a << " and " << b;
    }
}

} // namespace
} // namespace tolvane::mediagen
