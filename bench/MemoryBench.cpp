// Memory after one press of each key, side by side with a bare Qt and
// SDL2_mixer window doing the same: each shows the pressed note's picture in
// the centre (the keyboard, the saxophones and the opening picture around
// it) and plays its recording, keeping the recordings as the chart does. Each
// runs in a process of its own, started by this program; the counters are
// their resident sizes once every key was pressed once, and the time the
// chart then takes to shut down.
//
// Run on the built bundle's media, and on a bundle whose 48 note pictures
// are each as large as a picture may be, in pixels and in file size.
//
//   build/bench/MemoryBench
#include "ChartPresses.h"

#include "framework/Picture.h"
#include "media/NoteTable.h"
#include "media/OtherPictureTable.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace tolvane::bench;
using tolvane::media::kNoteFiles;
using tolvane::media::kOtherPictureFiles;

fs::path g_executable;

double residentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1 << 20);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The chart: the 48 key labels pressed once each, lowest first.
int runChart(const fs::path& bundle)
{
    startChart(bundle);
    settle();
    for (const tolvane::chart::ControlLayout* label : labelsByPosition()) {
        QWidget* widget = widgetOf(*label);
        press(widget);
        release(widget);
        settle();
    }
    std::printf("%.1f\n", residentMegabytes());
    std::fflush(stdout);
    return endChart();
}

class PictureWidget final : public QWidget {
public:
    explicit PictureWidget(QWidget* parent, QRect place) : QWidget(parent) { setGeometry(place); }
    void show(QImage image)
    {
        m_image = std::move(image);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawImage(
            QPoint((width() - m_image.width()) / 2, (height() - m_image.height()) / 2), m_image);
    }

private:
    QImage m_image;
};

// The bare window: the same pictures in plain widgets, the same recordings
// through SDL2_mixer directly.
int runBare(const fs::path& bundle)
{
    const fs::path resources = bundle / "Contents/Resources";
    QMainWindow window;
    auto* content = new QWidget;
    content->setFixedSize(1013, 917);
    window.setCentralWidget(content);
    // The chart's four wells, at the chart's places, with its pictures.
    PictureWidget* centre = nullptr;
    for (const tolvane::chart::ControlLayout& control : tolvane::chart::kControls) {
        if (control.kind != tolvane::chart::ControlKind::ImageWell)
            continue;
        const auto& [x, y, width, height] = control.rect;
        auto* well = new PictureWidget(content, QRect(x, y, width, height));
        for (const auto& other : kOtherPictureFiles) {
            if (other.pictureAccessor == control.pictureAccessor)
                well->show(QImage((resources / other.pictureFile).c_str()));
        }
        if (control.pictureAccessor == "intro")
            centre = well;
    }
    window.show();

    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0)
        return EXIT_FAILURE;
    Mix_AllocateChannels(32);
    std::vector<Mix_Chunk*> recordings;
    settle();
    for (const auto& note : kNoteFiles) {
        centre->show(QImage((resources / note.pictureFile).c_str()));
        recordings.push_back(Mix_LoadWAV((resources / note.soundFile).c_str()));
        Mix_PlayChannel(-1, recordings.back(), 0);
        settle();
    }
    std::printf("%.1f\n", residentMegabytes());
    std::fflush(stdout);
    Mix_HaltChannel(-1);
    for (Mix_Chunk* recording : recordings)
        Mix_FreeChunk(recording);
    Mix_CloseAudio();
    Mix_Quit();
    return EXIT_SUCCESS;
}

struct ChildRun {
    double residentMegabytes = 0;
    double shutDownMilliseconds = 0;
};

// Runs this program as a child of the given kind on the bundle; its resident
// size after the presses, and the time from then until it exited.
ChildRun runChild(const char* kind, const fs::path& bundle, benchmark::State& state)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QString::fromStdString(g_executable.string()), {kind, QString::fromStdString(bundle.string())});
    ChildRun run;
    if (!child.waitForReadyRead(120'000)) {
        state.SkipWithError("the child gave no measurement");
        return run;
    }
    QElapsedTimer sinceMeasured;
    sinceMeasured.start();
    run.residentMegabytes = child.readLine().trimmed().toDouble();
    const bool finished = child.waitForFinished(120'000);
    run.shutDownMilliseconds = double(sinceMeasured.nsecsElapsed()) / 1e6;
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        state.SkipWithError("the child failed");
    return run;
}

fs::path builtBundle()
{
    if (const char* path = std::getenv("TOLVANE_BUNDLE"))
        return path;
    return g_executable.parent_path().parent_path() / "Tolvane.app";
}

// The chart and the bare window, one after the other, on the same bundle.
void measureSideBySide(benchmark::State& state, const fs::path& bundle)
{
    for (auto _ : state) {
        ChildRun chart = runChild("--chart", bundle, state);
        ChildRun bare = runChild("--bare", bundle, state);
        state.counters["chart_MB"] = chart.residentMegabytes;
        state.counters["bare_MB"] = bare.residentMegabytes;
        state.counters["chart_per_bare"] = chart.residentMegabytes / bare.residentMegabytes;
        state.counters["chart_shutdown_ms"] = chart.shutDownMilliseconds;
    }
}

void BM_MemoryAfterEachKeyOnce(benchmark::State& state)
{
    measureSideBySide(state, builtBundle());
}
BENCHMARK(BM_MemoryAfterEachKeyOnce)->Iterations(1)->Unit(benchmark::kMillisecond);

// As large as a picture may be both ways: a JPEG of 5792x5792 pixels, just
// within the 128 MiB of decoded pixels a picture may take, filled out with
// comment segments to just within the largest file a picture may be read
// from, all of which the picture keeps.
QByteArray largestPicture()
{
    static_assert(std::int64_t(5792) * 5792 * 4 <= fw::Picture::kMaximumImageBytes);
    QImage image(5792, 5792, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    constexpr int kCommentBytes = 65533;
    QByteArray comments;
    while (jpeg.size() + comments.size() + 4 + kCommentBytes <= fw::Picture::kMaximumFileBytes)
        comments += QByteArray("\xFF\xFE\xFF\xFF", 4) + QByteArray(kCommentBytes, 'c');
    return jpeg.insert(2, comments);
}

// The built bundle's media, but every note picture the largest allowed.
void makeBundleOfLargestPictures(const fs::path& bundle)
{
    const fs::path resources = bundle / "Contents/Resources";
    fs::create_directories(bundle / "Contents/MacOS");
    fs::create_directories(resources);
    for (const fs::directory_entry& file : fs::directory_iterator(builtBundle() / "Contents/Resources"))
        fs::create_symlink(file.path(), resources / file.path().filename());
    const QByteArray picture = largestPicture();
    for (const auto& note : kNoteFiles) {
        fs::remove(resources / note.pictureFile);
        std::ofstream(resources / note.pictureFile, std::ios::binary).write(picture.data(), picture.size());
    }
}

void BM_MemoryAfterEachKeyOnceWithTheLargestPictures(benchmark::State& state)
{
    QTemporaryDir folder;
    const fs::path bundle = fs::path(folder.path().toStdString()) / "Tolvane.app";
    makeBundleOfLargestPictures(bundle);
    measureSideBySide(state, bundle);
}
BENCHMARK(BM_MemoryAfterEachKeyOnceWithTheLargestPictures)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    g_executable = fs::canonical("/proc/self/exe");
    if (argc == 3 && (std::string(argv[1]) == "--chart" || std::string(argv[1]) == "--bare")) {
        QApplication application(argc, argv);
        return std::string(argv[1]) == "--chart" ? runChart(argv[2]) : runBare(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
