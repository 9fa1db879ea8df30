// The built bundle as a user meets it: started on a real X server, keys
// clicked with the mouse, the screen and the sound output looked at, and
// quit with Ctrl+Q.
#include "XServer.h"
#include "XwdImage.h"

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using tolvane::chart::ControlLayout;
using tolvane::chart::kControls;

namespace {

const ControlLayout& control(std::string_view name)
{
    auto found = std::find_if(kControls.begin(), kControls.end(), [&](const auto& c) { return c.name == name; });
    if (found == kControls.end()) {
        ADD_FAILURE() << "no control " << name;
        return kControls.front();
    }
    return *found;
}

std::size_t noteIndexOfSound(std::string_view soundItem)
{
    const auto& notes = tolvane::media::kNoteFiles;
    auto found = std::find_if(notes.begin(), notes.end(), [&](const auto& n) { return n.soundItem == soundItem; });
    return static_cast<std::size_t>(found - notes.begin());
}

QString pictureFileOf(std::string_view pictureAccessor)
{
    for (const auto& note : tolvane::media::kNoteFiles) {
        if (note.pictureAccessor == pictureAccessor)
            return QString::fromLatin1(note.pictureFile.data(), qsizetype(note.pictureFile.size()));
    }
    return {};
}

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        QString source = it.next();
        QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        } else {
            QFile::setPermissions(target, QFile::permissions(source));
        }
    }
    return true;
}

double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * a.width() * a.height());
}

// The alto saxophone sounds a major sixth below the written note; the chart's
// lowest written note is B-flat 3 (MIDI 58).
double soundingFrequency(std::size_t noteIndex)
{
    const double midi = 58.0 + double(noteIndex) - 9.0;
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Fundamental of the loudest stretch of 16-bit interleaved audio, by
// normalised autocorrelation over the plausible range of the instrument.
double fundamentalOf(const QByteArray& raw, int channels, int rate)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(raw.constData());
    const qsizetype frames = raw.size() / qsizetype(sizeof(std::int16_t) * channels);
    std::vector<double> mono(static_cast<std::size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        double sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += samples[i * channels + c];
        mono[static_cast<std::size_t>(i)] = sum / channels;
    }
    const std::size_t window = std::size_t(rate) / 4;
    if (mono.size() < 2 * window)
        return 0;
    std::size_t best = 0;
    double bestEnergy = -1;
    for (std::size_t start = 0; start + window < mono.size(); start += window / 4) {
        double energy = 0;
        for (std::size_t i = start; i < start + window; ++i)
            energy += mono[i] * mono[i];
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = start;
        }
    }
    const std::size_t minLag = std::size_t(rate / 1000.0), maxLag = std::size_t(rate / 60.0);
    std::vector<double> score(maxLag + 2, 0);
    for (std::size_t lag = minLag; lag <= maxLag + 1; ++lag) {
        double product = 0, energyA = 0, energyB = 0;
        for (std::size_t i = best; i + lag < best + window; ++i) {
            product += mono[i] * mono[i + lag];
            energyA += mono[i] * mono[i];
            energyB += mono[i + lag] * mono[i + lag];
        }
        score[lag] = product / std::sqrt(energyA * energyB + 1e-9);
    }
    // The first lag that comes close to the best is the period; later peaks
    // are its multiples.
    double top = *std::max_element(score.begin() + long(minLag), score.begin() + long(maxLag));
    for (std::size_t lag = minLag + 1; lag < maxLag; ++lag) {
        if (score[lag] > 0.9 * top && score[lag] >= score[lag - 1] && score[lag] >= score[lag + 1]) {
            double a = score[lag - 1], b = score[lag], c = score[lag + 1];
            double offset = 0.5 * (a - c) / (a - 2 * b + c);
            return rate / (double(lag) + offset);
        }
    }
    return 0;
}

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool", "xwd"}) {
            if (!haveProgram(tool))
                GTEST_SKIP() << tool << " is not installed here; scripts/install-deps installs it";
        }
        ASSERT_TRUE(m_work.isValid());
        // The bundle is moved before it runs: it must find its framework and
        // media relative to itself.
        const QString bundle = m_work.path() + "/Moved/Tolvane.app";
        ASSERT_TRUE(copyTree(qEnvironmentVariable("TOLVANE_BUNDLE"), bundle));
        QString why;
        m_server = XServer::start(why);
        if (!m_server)
            GTEST_SKIP() << "no X server: " << why.toStdString();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_server->display());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("SDL_AUDIODRIVER", "disk");
        environment.insert("SDL_DISKAUDIOFILE", audioPath());
        m_app.setProcessEnvironment(environment);
        m_app.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        m_app.start(bundle + "/Contents/MacOS/Tolvane", {});
        ASSERT_TRUE(m_app.waitForStarted(10000));

        auto found = m_server->run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Tolvane$"}, 30000);
        ASSERT_TRUE(found) << "the window did not appear";
        m_window = QString::fromLatin1(found->split('\n').first());
        m_server->run("xdotool", {"windowfocus", "--sync", m_window});
        auto geometry = m_server->run("xdotool", {"getwindowgeometry", "--shell", m_window});
        ASSERT_TRUE(geometry);
        int x = 0, y = 0, width = 0, height = 0;
        for (const QByteArray& line : geometry->split('\n')) {
            if (line.startsWith("X=")) x = line.mid(2).toInt();
            if (line.startsWith("Y=")) y = line.mid(2).toInt();
            if (line.startsWith("WIDTH=")) width = line.mid(6).toInt();
            if (line.startsWith("HEIGHT=")) height = line.mid(7).toInt();
        }
        ASSERT_EQ(width, tolvane::chart::kWindowWidth);
        ASSERT_GE(height, tolvane::chart::kWindowHeight);
        // The menu bar sits above the content; the content is the window's
        // fixed 1013 by 917 at the bottom.
        m_content = QPoint(x, y + height - tolvane::chart::kWindowHeight);
    }

    void TearDown() override
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished(5000);
        }
    }

    QString audioPath() const { return m_work.path() + "/audio.raw"; }

    void click(const ControlLayout& label)
    {
        const QPoint at = m_content + QPoint(label.rect.left + label.rect.width / 2, label.rect.top + label.rect.height / 2);
        ASSERT_TRUE(m_server->run("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                                                 "click", "1"}));
    }

    QImage centreArea()
    {
        auto dump = m_server->run("xwd", {"-root", "-silent"});
        EXPECT_TRUE(dump);
        QImage screen = dump ? imageFromXwd(*dump) : QImage();
        const auto& well = control("ImageWell1").rect;
        return screen.copy(m_content.x() + well.left, m_content.y() + well.top, well.width, well.height);
    }

    QImage resource(const QString& file) const
    {
        QImage image(qEnvironmentVariable("TOLVANE_BUNDLE") + "/Contents/Resources/" + file);
        return image.convertToFormat(QImage::Format_RGB32);
    }

    void quitWithControlQ()
    {
        // Real key strokes (XTEST) to the focused window, as a keyboard gives them.
        ASSERT_TRUE(m_server->run("xdotool", {"windowfocus", "--sync", m_window}));
        ASSERT_TRUE(m_server->run("xdotool", {"key", "--clearmodifiers", "ctrl+q"}));
        ASSERT_TRUE(m_app.waitForFinished(15000)) << "Ctrl+Q did not end the program";
        EXPECT_EQ(m_app.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_app.exitCode(), 0);
    }

    QTemporaryDir m_work;
    std::unique_ptr<XServer> m_server;
    QProcess m_app;
    QString m_window;
    QPoint m_content;
};

TEST_F(EndToEnd, ClickedKeysShowTheirNotesInTheCentre)
{
    const QImage intro = resource("intro.jpg");
    EXPECT_LT(meanDifference(centreArea(), intro), 2.0) << "the opening picture is not shown";

    for (std::string_view name : {"Label3", "Label17", "Label42", "Label36", "Label49"}) {
        const ControlLayout& label = control(name);
        click(label);
        const QImage expected = resource(pictureFileOf(label.pictureAccessor));
        ASSERT_FALSE(expected.isNull());
        double difference = 255;
        for (int attempt = 0; attempt < 50 && difference >= 2.0; ++attempt) {
            QThread::msleep(100);
            difference = meanDifference(centreArea(), expected);
        }
        EXPECT_LT(difference, 2.0) << name << " did not show " << label.pictureAccessor;
        EXPECT_GT(meanDifference(centreArea(), intro), 20.0);
    }
    quitWithControlQ();
}

TEST_F(EndToEnd, AClickedKeySoundsItsNote)
{
    const ControlLayout& label = control("Label28"); // Middle A
    click(label);
    QThread::msleep(1800);
    quitWithControlQ();

    QFile audio(audioPath());
    ASSERT_TRUE(audio.open(QIODevice::ReadOnly));
    const QByteArray raw = audio.readAll();
    const double expected = soundingFrequency(noteIndexOfSound(label.soundItem));
    const double measured = fundamentalOf(raw, 2, 44100);
    EXPECT_NEAR(measured, expected, expected * 0.02) << "the output does not hold the note's pitch";
}

} // namespace
