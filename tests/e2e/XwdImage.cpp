#include "XwdImage.h"

#include <QtEndian>

#include <array>
#include <bit>
#include <cstdint>

namespace {

constexpr int kHeaderWords = 25;
constexpr int kColorEntrySize = 12;
constexpr std::uint32_t kZPixmap = 2;
constexpr std::uint32_t kMostSignificantFirst = 1;

} // namespace

QImage imageFromXwd(const QByteArray& dump)
{
    if (dump.size() < kHeaderWords * 4)
        return {};
    std::array<std::uint32_t, kHeaderWords> header;
    for (int i = 0; i < kHeaderWords; ++i)
        header[i] = qFromBigEndian<quint32>(dump.constData() + i * 4);
    const std::uint32_t headerSize = header[0], format = header[2], width = header[4], height = header[5];
    const std::uint32_t byteOrder = header[7], bitsPerPixel = header[11], bytesPerLine = header[12];
    const std::uint32_t redMask = header[14], greenMask = header[15], blueMask = header[16];
    const std::uint32_t colorCount = header[19];
    if (format != kZPixmap || (bitsPerPixel != 32 && bitsPerPixel != 24) || width == 0 || height == 0
        || width > 16384 || height > 16384)
        return {};
    const qint64 dataOffset = qint64(headerSize) + qint64(colorCount) * kColorEntrySize;
    if (dataOffset + qint64(bytesPerLine) * height > dump.size() || bytesPerLine < width * (bitsPerPixel / 8))
        return {};

    const auto channel = [](std::uint32_t pixel, std::uint32_t mask) {
        return int((pixel & mask) >> std::countr_zero(mask));
    };
    QImage image(int(width), int(height), QImage::Format_RGB32);
    const int bytesPerPixel = int(bitsPerPixel / 8);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(dump.constData() + dataOffset + qint64(y) * bytesPerLine);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = row + x * bytesPerPixel;
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytesPerPixel; ++i) {
                int shift = byteOrder == kMostSignificantFirst ? (bytesPerPixel - 1 - i) * 8 : i * 8;
                pixel |= std::uint32_t(p[i]) << shift;
            }
            out[x] = qRgb(channel(pixel, redMask), channel(pixel, greenMask), channel(pixel, blueMask));
        }
    }
    return image;
}
