// How far apart two colours, or two pictures, are to the eye of a test.
#pragma once

#include <QImage>

#include <cstdlib>

// The sum of the three channels' differences, 0 to 765.
inline int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The mean difference per colour channel, 0 to 255; 255 for pictures of
// different sizes.
inline double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            total += colourDistance(a.pixel(x, y), b.pixel(x, y));
    }
    return total / (3.0 * a.width() * a.height());
}
