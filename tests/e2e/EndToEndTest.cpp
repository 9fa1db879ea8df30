// The built bundle as a user meets it: moved elsewhere, started on a real X
// server, keys clicked with the mouse, the screen and the sound output looked
// at, and ended with Ctrl+Q or a termination signal. The shut-down probe is
// preloaded into it, so that its log shows in what order the shut-down ran.
#include "ImageDifference.h"
#include "ProbeLog.h"
#include "XServer.h"
#include "XwdImage.h"

#include "LayoutReference.h"
#include "MediaReference.h"
#include "tests/tools/AudioAnalysis.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <filesystem>

namespace {

using tolvane::reference::ControlRow;

const ControlRow& control(std::string_view name)
{
    const auto& rows = tolvane::reference::kControls;
    const auto found = std::ranges::find(rows, name, &ControlRow::name);
    if (found == rows.end()) {
        ADD_FAILURE() << "no control " << name;
        return rows.front();
    }
    return *found;
}

QString pictureFileOf(std::string_view accessor)
{
    const auto& rows = tolvane::reference::kPictureAccessorFiles;
    const auto row = std::ranges::find(rows, accessor, &tolvane::reference::AccessorFile::accessor);
    return row == rows.end() ? QString() : QString::fromLatin1(row->file.data(), qsizetype(row->file.size()));
}

// The alto saxophone sounds a major sixth below the written note; the
// keyboard's lowest written note is B-flat 3 (MIDI 58).
double soundingFrequency(const ControlRow& key)
{
    const auto& keys = tolvane::reference::kKeyLabels;
    const auto place = std::ranges::find(keys, key.name, &ControlRow::name);
    const double midi = 58.0 + double(place - keys.begin()) - 9.0;
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// 16-bit stereo output as mono samples.
std::vector<float> monoSamples(const QByteArray& raw)
{
    std::vector<float> mono(static_cast<std::size_t>(raw.size() / 4));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        const char* frame = raw.constData() + 4 * i;
        mono[i] = float(qFromLittleEndian<qint16>(frame) + qFromLittleEndian<qint16>(frame + 2)) / 65536.0f;
    }
    return mono;
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
        const QString bundle = m_work.path() + "/Tolvane.app";
        std::filesystem::copy(qEnvironmentVariable("TOLVANE_BUNDLE").toStdString(), bundle.toStdString(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks);
        QString why;
        m_server = XServer::start(why);
        if (!m_server)
            GTEST_SKIP() << "no X server: " << why.toStdString();

        m_app.setProcessEnvironment(programEnvironment(m_work, {{"DISPLAY", m_server->display()},
            {"QT_QPA_PLATFORM", "xcb"}, {"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", audioPath()}}));
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
        const auto& expected = tolvane::reference::kWindow;
        ASSERT_EQ(width, expected.width);
        ASSERT_GE(height, expected.height);
        // The menu bar sits above the content; the content is the window's
        // fixed 1013 by 917 at the bottom.
        m_content = QPoint(x, y + height - expected.height);
    }

    void TearDown() override
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished(5000);
        }
    }

    QString audioPath() const { return m_work.path() + "/audio.raw"; }
    QString probeLogPath() const { return m_work.filePath("probe.log"); }

    void click(const ControlRow& label)
    {
        const QPoint at = m_content + QPoint(label.left + label.width / 2, label.top + label.height / 2);
        ASSERT_TRUE(m_server->run("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                                                 "click", "1"}));
    }

    // Waits until the probe has noted that line.
    bool probeNotes(const std::string& wanted)
    {
        for (int attempt = 0; attempt < 400; ++attempt) {
            const std::vector<std::string> lines = probeLines(probeLogPath());
            if (std::find(lines.begin(), lines.end(), wanted) != lines.end())
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QImage centreArea()
    {
        auto dump = m_server->run("xwd", {"-root", "-silent"});
        EXPECT_TRUE(dump);
        QImage screen = dump ? imageFromXwd(*dump) : QImage();
        const ControlRow& well = control("ImageWell1");
        return screen.copy(m_content.x() + well.left, m_content.y() + well.top, well.width, well.height);
    }

    QImage resource(const QString& file) const
    {
        QImage image(qEnvironmentVariable("TOLVANE_BUNDLE") + "/Contents/Resources/" + file);
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // Expects the program to end by itself within the time, as a quit does.
    void expectQuitWithin(int milliseconds)
    {
        ASSERT_TRUE(m_app.waitForFinished(milliseconds)) << "the program did not end";
        EXPECT_EQ(m_app.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_app.exitCode(), 0);
    }

    void quitWithControlQ()
    {
        // Real key strokes (XTEST) to the focused window, as a keyboard gives them.
        ASSERT_TRUE(m_server->run("xdotool", {"windowfocus", "--sync", m_window}));
        ASSERT_TRUE(m_server->run("xdotool", {"key", "--clearmodifiers", "ctrl+q"}));
        expectQuitWithin(15000);
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
        const ControlRow& label = control(name);
        click(label);
        const QImage expected = resource(pictureFileOf(label.picture));
        ASSERT_FALSE(expected.isNull());
        double difference = 255;
        for (int attempt = 0; attempt < 50 && difference >= 2.0; ++attempt) {
            QThread::msleep(100);
            difference = meanDifference(centreArea(), expected);
        }
        EXPECT_LT(difference, 2.0) << name << " did not show " << label.picture;
        EXPECT_GT(meanDifference(centreArea(), intro), 20.0);
    }
    quitWithControlQ();
}

// The real program, its audio output open (and with it the audio library's
// own signal handling, were it let), is sent each quit signal.
class EndToEndSignal : public EndToEnd, public testing::WithParamInterface<int> { };

TEST_P(EndToEndSignal, AClickedKeySoundsItsNoteAndTheSignalEndsTheProgramAsAQuitDoes)
{
    const ControlRow& label = control("Label28"); // Middle A
    click(label);
    // The note opens the audio output, and with it the audio library starts.
    ASSERT_TRUE(probeNotes("open-audio")) << "the key's note did not open the audio output";
    QThread::msleep(1800);

    ASSERT_EQ(::kill(static_cast<pid_t>(m_app.processId()), GetParam()), 0);
    expectQuitWithin(2000);
    // The note's recording, then the framework's statics, then the
    // runtime's end: the shut-down of a quit.
    const std::vector<std::string> shutDown{"open-audio", "free-recording", "framework-statics", "runtime-exit 0"};
    EXPECT_EQ(probeLines(probeLogPath()), shutDown);

    QFile audio(audioPath());
    ASSERT_TRUE(audio.open(QIODevice::ReadOnly));
    const double expected = soundingFrequency(label);
    const double measured = tolvane::mediagen::testing::fundamentalOf(monoSamples(audio.readAll()), 44100);
    EXPECT_NEAR(measured, expected, expected * 0.02) << "the output does not hold the note's pitch";
}

INSTANTIATE_TEST_SUITE_P(Quit, EndToEndSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
    [](const testing::TestParamInfo<int>& info) { return std::string(sigabbrev_np(info.param)); });

} // namespace
