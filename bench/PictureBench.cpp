// What a picture costs at its worst: the largest pictures the framework
// decodes, pictures refused for the decoding work they would ask, and a file
// that failed, asked for again while unchanged. Each is what one key press
// would cost if the file were a note's picture.
//
//   build/bench/PictureBench
#include "framework/Application.h"
#include "framework/Picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

QTemporaryDir* g_folder = nullptr;

enum class Content { Noise, Gradient };

// Noise compresses worst, so it gives the most entropy-coded data to decode;
// a gradient keeps a picture of the most pixels within the file size bound.
QByteArray benchJpeg(int width, int height, Content content, bool progressive, int extraScans = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator generator(20261207);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        if (content == Content::Noise)
            generator.fillRange(row, width);
        else
            std::fill(row, row + width, qRgb(y * 255 / height, 128, 255 - y * 255 / height));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
    const QByteArray scan = bytes.sliced(lastScan, bytes.size() - 2 - lastScan);
    bytes.chop(2);
    for (int i = 0; i < extraScans; ++i)
        bytes += scan;
    return bytes + "\xFF\xD9";
}

std::string write(const char* name, const QByteArray& bytes)
{
    std::string path = (g_folder->path() + "/" + name).toStdString();
    std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
    return path;
}

// Opens the file at every iteration; `firstTime` opens it each time under a
// new name (a hard link), as a file never seen before, which a failure
// remembered for the old name does not spare.
void openEachTime(benchmark::State& state, const std::string& path, bool loads, bool firstTime = true)
{
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string name = firstTime ? path + "." + std::to_string(++count) : path;
        if (firstTime)
            std::filesystem::create_hard_link(path, name);
        state.ResumeTiming();
        const bool loaded = bool(fw::Picture::fromFile(name));
        state.PauseTiming();
        if (firstTime)
            std::filesystem::remove(name);
        state.ResumeTiming();
        if (loaded != loads) {
            state.SkipWithError(loads ? "the picture did not load" : "the picture loaded");
            break;
        }
    }
    state.counters["file_MB"] = double(std::filesystem::file_size(path)) / (1 << 20);
}

// A single scan of as many pixels as a picture may have.
void BM_LargestBaselineJpeg(benchmark::State& state)
{
    static const std::string path = write("baseline.jpg", benchJpeg(5792, 5792, Content::Gradient, false));
    openEachTime(state, path, true);
}
BENCHMARK(BM_LargestBaselineJpeg)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ten scans, as a common encoder writes them, at the most pixels the
// decoding work bound allows them.
void BM_LargestProgressiveJpeg(benchmark::State& state)
{
    static const std::string path = write("progressive.jpg", benchJpeg(4096, 3276, Content::Gradient, true));
    openEachTime(state, path, true);
}
BENCHMARK(BM_LargestProgressiveJpeg)->Unit(benchmark::kMillisecond)->Iterations(3);

// A thousand scans: refused after a walk through the file, before any
// decoding.
void BM_JpegOfAThousandScans(benchmark::State& state)
{
    static const std::string path = write("scans.jpg", benchJpeg(256, 256, Content::Gradient, true, 1000));
    openEachTime(state, path, false);
}
BENCHMARK(BM_JpegOfAThousandScans)->Unit(benchmark::kMillisecond)->Iterations(10);

// A file of the largest size read that starts like a JPEG and is none: read
// and refused once, then refused again by its unchanged identity alone.
void BM_UnchangedFailedFileAskedAgain(benchmark::State& state)
{
    QByteArray bytes(int(fw::Picture::kMaximumFileBytes), '\x55');
    bytes.replace(0, 3, "\xFF\xD8\xFF");
    static const std::string path = write("failing.jpg", bytes);
    static int calls = 0;
    const std::string once = path + ".once" + std::to_string(++calls);
    std::filesystem::create_hard_link(path, once);
    auto first = std::chrono::steady_clock::now();
    fw::Picture::fromFile(once);
    state.counters["first_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - first).count();
    openEachTime(state, once, false, false);
    std::filesystem::remove(once);
}
BENCHMARK(BM_UnchangedFailedFileAskedAgain)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    fw::RuntimeInit();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return fw::RuntimeExit();
}
