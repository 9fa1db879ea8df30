// The built program's ways out, as a user or the system meets them: a
// termination signal after a note has sounded, no display to open, and a
// bundle whose Resources folder is not a folder. Each runs the real bundle
// in a process of its own, with a probe library preloaded into it
// (ShutdownProbe.cpp) whose log shows whether, and in what order, the
// shut-down ran.
#include "XServer.h"

#include "chart/LayoutTable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where the build put the bundle (the test program's main says).
QString builtBundle()
{
    return qEnvironmentVariable("TOLVANE_BUNDLE");
}

// One run of the program, with a clean environment of its own: no display
// and no platform unless the test gives one, silent audio, and the probe.
class ProgramRun {
public:
    ProgramRun()
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            m_environment.remove(name);
        m_environment.insert("SDL_AUDIODRIVER", "dummy");
        m_environment.insert("XDG_RUNTIME_DIR", m_work.path());
        m_environment.insert("LD_PRELOAD", TOLVANE_SHUTDOWN_PROBE);
        m_environment.insert("TOLVANE_PROBE_LOG", m_work.path() + "/probe.log");
    }
    ~ProgramRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    void set(const QString& name, const QString& value) { m_environment.insert(name, value); }
    QString workPath() const { return m_work.path(); }

    bool start(const QString& bundle)
    {
        m_process.setProcessEnvironment(m_environment);
        m_process.start(bundle + "/Contents/MacOS/Tolvane", {});
        return m_process.waitForStarted(10000);
    }
    bool finishesWithin(int milliseconds) { return m_process.waitForFinished(milliseconds); }
    bool signal(int number) const { return ::kill(static_cast<pid_t>(m_process.processId()), number) == 0; }
    bool exitedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return m_process.exitCode(); }

    std::vector<std::string> errorLines()
    {
        std::vector<std::string> lines;
        for (const QByteArray& line : m_process.readAllStandardError().split('\n')) {
            if (!line.isEmpty())
                lines.push_back(line.toStdString());
        }
        return lines;
    }

    std::vector<std::string> probeLog() const
    {
        std::vector<std::string> lines;
        std::ifstream log(fs::path((m_work.path() + "/probe.log").toStdString()));
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        return lines;
    }

    // Waits until the probe has noted that line.
    bool probeNotes(const std::string& wanted, int milliseconds) const
    {
        for (int waited = 0; waited < milliseconds; waited += 50) {
            for (const std::string& line : probeLog()) {
                if (line == wanted)
                    return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

private:
    QTemporaryDir m_work;
    QProcessEnvironment m_environment;
    QProcess m_process;
};

// A shut-down that ran in full after start-up had failed: no recording was
// ever loaded and the audio output was never opened.
const std::vector<std::string> kShutDownAfterAFailure{"framework-statics", "runtime-exit 1"};

// --- Termination signals -------------------------------------------------

class TerminationSignal : public testing::TestWithParam<int> { };

TEST_P(TerminationSignal, AfterANoteEndsTheProgramThroughTheShutDownWithAQuitsStatus)
{
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (!haveProgram(tool))
            GTEST_SKIP() << tool << " is not installed here; scripts/install-deps installs it";
    }
    QString why;
    std::unique_ptr<XServer> server = XServer::start(why);
    if (!server)
        GTEST_SKIP() << "no X server: " << why.toStdString();

    ProgramRun run;
    run.set("DISPLAY", server->display());
    run.set("QT_QPA_PLATFORM", "xcb");
    ASSERT_TRUE(run.start(builtBundle()));
    auto found = server->run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Tolvane$"}, 30000);
    ASSERT_TRUE(found) << "the window did not appear";
    const QString window = QString::fromLatin1(found->split('\n').first());
    auto geometry = server->run("xdotool", {"getwindowgeometry", "--shell", window});
    ASSERT_TRUE(geometry);
    int x = 0, y = 0, height = 0;
    for (const QByteArray& line : geometry->split('\n')) {
        if (line.startsWith("X=")) x = line.mid(2).toInt();
        if (line.startsWith("Y=")) y = line.mid(2).toInt();
        if (line.startsWith("HEIGHT=")) height = line.mid(7).toInt();
    }
    // Middle A's key; the content is the window's bottom 917 rows.
    const auto& key = tolvane::chart::kControls[27].rect;
    ASSERT_EQ(tolvane::chart::kControls[27].name, "Label28");
    const int keyX = x + key.left + key.width / 2;
    const int keyY = y + height - tolvane::chart::kWindowHeight + key.top + key.height / 2;
    ASSERT_TRUE(server->run(
        "xdotool", {"mousemove", "--sync", QString::number(keyX), QString::number(keyY), "click", "1"}));
    // The note opens the audio output, and with it the audio library starts.
    ASSERT_TRUE(run.probeNotes("open-audio", 20000)) << "the key's note did not open the audio output";

    ASSERT_TRUE(run.signal(GetParam()));
    ASSERT_TRUE(run.finishesWithin(2000)) << "the program still runs 2 s after " << strsignal(GetParam());
    EXPECT_TRUE(run.exitedNormally()) << "the signal killed the program";
    EXPECT_EQ(run.exitCode(), 0);
    // The note's recording, then the framework's statics with the audio
    // output among them, then the runtime's end: the shut-down of a quit.
    const std::vector<std::string> expected{
        "open-audio", "free-recording", "framework-statics", "close-audio", "runtime-exit 0"};
    EXPECT_EQ(run.probeLog(), expected);
}

INSTANTIATE_TEST_SUITE_P(EachOne, TerminationSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
    [](const testing::TestParamInfo<int>& info) { return std::string(sigabbrev_np(info.param)); });

// --- No display ----------------------------------------------------------

struct DisplayCase {
    const char* what;
    const char* display;  // nil: unset
    const char* platform; // nil: unset
};

TEST(NoDisplay, IsReportedInOneLineAndTheProgramEndsWithStatus1)
{
    const DisplayCase cases[] = {
        {"DISPLAY unset", nullptr, nullptr},
        {"DISPLAY unset, X asked for", nullptr, "xcb"},
        // A display number that no server here answers on.
        {"a display that does not answer", ":4242", nullptr},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramRun run;
        if (c.display)
            run.set("DISPLAY", c.display);
        if (c.platform)
            run.set("QT_QPA_PLATFORM", c.platform);
        ASSERT_TRUE(run.start(builtBundle()));
        ASSERT_TRUE(run.finishesWithin(20000));
        EXPECT_TRUE(run.exitedNormally()) << "the program aborted";
        EXPECT_EQ(run.exitCode(), 1);
        const std::vector<std::string> errors = run.errorLines();
        ASSERT_EQ(errors.size(), 1u) << testing::PrintToString(errors);
        EXPECT_NE(errors[0].find("no display could be opened"), std::string::npos) << errors[0];
        EXPECT_EQ(run.probeLog(), kShutDownAfterAFailure);
    }
}

// --- A Resources folder that is not a folder -----------------------------

enum class Broken { PlainFile, Fifo, LinkToItself };

std::string nameOf(Broken broken)
{
    switch (broken) {
    case Broken::PlainFile: return "PlainFile";
    case Broken::Fifo: return "Fifo";
    case Broken::LinkToItself: break;
    }
    return "LinkToItself";
}

void PrintTo(Broken broken, std::ostream* out)
{
    *out << nameOf(broken);
}

class BrokenResources : public testing::TestWithParam<Broken> { };

TEST_P(BrokenResources, FailStartUpWithAReportOfWhatIsMissingAndStatus1)
{
    ProgramRun run;
    // The executable and its framework, moved: Resources is made here.
    const fs::path bundle = fs::path(run.workPath().toStdString()) / "Tolvane.app";
    const fs::path original(builtBundle().toStdString());
    for (const char* folder : {"Contents/MacOS", "Contents/Frameworks"}) {
        fs::create_directories(bundle / folder);
        fs::copy(original / folder, bundle / folder, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }
    const fs::path resources = bundle / "Contents/Resources";
    switch (GetParam()) {
    case Broken::PlainFile:
        std::ofstream(resources) << "not a folder";
        break;
    case Broken::Fifo:
        ASSERT_EQ(::mkfifo(resources.c_str(), 0644), 0);
        break;
    case Broken::LinkToItself:
        fs::create_symlink("Resources", resources);
        break;
    }
    run.set("QT_QPA_PLATFORM", "offscreen");
    ASSERT_TRUE(run.start(QString::fromStdString(bundle.string())));
    ASSERT_TRUE(run.finishesWithin(20000));
    EXPECT_TRUE(run.exitedNormally());
    EXPECT_EQ(run.exitCode(), 1) << "a failed start-up must not report success";

    std::vector<std::string> reports;
    for (const std::string& line : run.errorLines()) {
        if (line.starts_with("Unhandled exception"))
            reports.push_back(line);
    }
    ASSERT_EQ(reports.size(), 1u) << testing::PrintToString(reports);
    // The class, then a message that names the missing file and where the
    // Resources folder was looked for.
    EXPECT_TRUE(reports[0].starts_with("Unhandled exception NilObjectException: ")) << reports[0];
    EXPECT_NE(reports[0].find("AA_Keyboard.gif"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find(resources.string()), std::string::npos) << reports[0];
    EXPECT_EQ(run.probeLog(), kShutDownAfterAFailure);
}

INSTANTIATE_TEST_SUITE_P(AsA, BrokenResources, testing::Values(Broken::PlainFile, Broken::Fifo, Broken::LinkToItself),
    [](const testing::TestParamInfo<Broken>& info) { return nameOf(info.param); });

} // namespace
