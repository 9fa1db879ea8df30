#include "MediaFiles.h"

#include "framework/FolderItem.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <gif_lib.h>
#include <lame/lame.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <sys/stat.h>

namespace tolvane::testing {

QByteArray makeJpeg(int width, int height, QColor colour, bool progressive)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        throw std::runtime_error("JPEG encoding failed");
    return bytes;
}

QByteArray makeGif(int width, int height)
{
    // Qt reads GIF but does not write it. Two colours in vertical stripes,
    // so that a decoded picture can be checked pixel by pixel.
    QByteArray bytes;
    auto append = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, append, &error);
    if (!gif)
        throw std::runtime_error("GIF encoder failed to open");
    GifColorType colours[2] = {{255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(x % 2);
    bool ok = EGifPutScreenDesc(gif, width, height, 1, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    if (!ok)
        throw std::runtime_error("GIF encoding failed");
    return bytes;
}

QByteArray makeMp3(const Tone& tone)
{
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
    lame_set_in_samplerate(lame.get(), tone.sampleRate);
    lame_set_out_samplerate(lame.get(), tone.sampleRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_brate(lame.get(), 64);
    lame_set_quality(lame.get(), 7);
    lame_set_write_id3tag_automatic(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("LAME rejected its parameters");

    const auto count = static_cast<std::size_t>(tone.sampleRate * tone.length.count() / 1000);
    std::vector<short> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        double phase = 2 * std::numbers::pi * tone.frequency * double(i) / tone.sampleRate;
        samples[i] = static_cast<short>(std::lround(tone.amplitude * 32767 * std::sin(phase)));
    }
    std::vector<unsigned char> out(count * 5 / 4 + 7200 + 16384);
    int written = lame_encode_buffer(lame.get(), samples.data(), samples.data(), int(count), out.data(), int(out.size()));
    if (written < 0)
        throw std::runtime_error("LAME encoding failed");
    int flushed = lame_encode_flush(lame.get(), out.data() + written, int(out.size()) - written);
    if (flushed < 0)
        throw std::runtime_error("LAME flush failed");
    out.resize(std::size_t(written + flushed));
    // The first frame was kept for the tag that tells decoders the encoder's
    // delay and padding.
    std::vector<unsigned char> tag(out.size());
    std::size_t tagSize = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
    if (tagSize > 0 && tagSize <= out.size())
        std::copy_n(tag.begin(), tagSize, out.begin());
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}

void writeFile(const std::filesystem::path& path, const QByteArray& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.constData(), bytes.size());
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

fw::Ref<fw::Picture> openPicture(const std::filesystem::path& path)
{
    return fw::FolderItem::OpenAsPicture(fw::FolderItem::make(path.string()).get());
}

fw::Ref<fw::Sound> openSound(const std::filesystem::path& path)
{
    return fw::FolderItem::OpenAsSound(fw::FolderItem::make(path.string()).get());
}

std::vector<BrokenFile> brokenFiles(const QByteArray& valid, qsizetype cutLength, std::int64_t maximumFileBytes)
{
    return {
        {"empty", [](const auto& path) { writeFile(path, {}); }},
        {"cut off", [=](const auto& path) { writeFile(path, valid.first(cutLength)); }},
        {"garbage", [](const auto& path) {
            QByteArray bytes(4096, Qt::Uninitialized);
            QRandomGenerator generator(20240611);
            generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            writeFile(path, bytes);
        }},
        {"folder", [](const auto& path) { std::filesystem::create_directory(path); }},
        // The kernel's view of the reading process's own memory, which it
        // refuses to read at offset 0, for root too: the open succeeds and
        // the read fails.
        {"unreadable", [](const auto& path) { std::filesystem::create_symlink("/proc/self/mem", path); }},
        {"named pipe", [](const auto& path) {
            if (::mkfifo(path.c_str(), 0644) != 0)
                throw std::runtime_error("mkfifo failed");
        }},
        {"larger than the bound", [=](const auto& path) {
            writeFile(path, valid);
            std::filesystem::resize_file(path, std::uintmax_t(maximumFileBytes) + 1);
        }},
    };
}

} // namespace tolvane::testing
