// The built program's ways out when start-up fails: no display to open, and a
// bundle whose Resources folder is not a folder. Each runs the real bundle in
// a process of its own, with the shut-down probe preloaded into it.
#include "ProbeLog.h"
#include "XServer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Runs the bundle's program to its end. The end must be a failed start-up's,
// after a shut-down that ran in full with no recording loaded and no audio
// output opened. Gives the lines the program wrote on standard error.
std::vector<std::string> runFailingStartUp(const QString& bundle, const Settings& settings)
{
    QTemporaryDir work;
    QProcess program;
    program.setProcessEnvironment(programEnvironment(work, settings));
    program.start(bundle + "/Contents/MacOS/Tolvane", {});
    if (!program.waitForFinished(20000)) {
        ADD_FAILURE() << "the program did not end within 20 s";
        program.kill();
        program.waitForFinished(5000);
        return {};
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "the program aborted";
    EXPECT_EQ(program.exitCode(), 1) << "a failed start-up must not report success";
    EXPECT_EQ(probeLines(work.filePath("probe.log")), (std::vector<std::string>{"framework-statics", "runtime-exit 1"}));

    std::vector<std::string> lines;
    for (const QByteArray& line : program.readAllStandardError().split('\n')) {
        if (!line.isEmpty())
            lines.push_back(line.toStdString());
    }
    return lines;
}

TEST(NoDisplay, IsReportedInOneLineAndTheProgramEndsWithStatus1)
{
    const std::pair<const char*, Settings> cases[] = {
        {"DISPLAY unset", {}},
        {"DISPLAY unset, X asked for", {{"QT_QPA_PLATFORM", "xcb"}}},
        // A display number that no server here answers on.
        {"a display that does not answer", {{"DISPLAY", ":4242"}}},
    };
    for (const auto& [what, settings] : cases) {
        SCOPED_TRACE(what);
        const std::vector<std::string> errors = runFailingStartUp(qEnvironmentVariable("TOLVANE_BUNDLE"), settings);
        ASSERT_EQ(errors.size(), 1u) << testing::PrintToString(errors);
        EXPECT_NE(errors[0].find("no display could be opened"), std::string::npos) << errors[0];
    }
}

// Whether the process has its own handler for the signal: the framework
// installs it once Qt has made the application, so the program is past
// connecting to its display.
bool catches(qint64 pid, int signal)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

// Starts the program, waits until it has reached its event loop, then ends
// it as a session manager would: it must end as a quit does.
void expectToReachTheLoopAndQuitOnSignal(const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("TOLVANE_BUNDLE") + "/Contents/MacOS/Tolvane", {});
    ASSERT_TRUE(program.waitForStarted(10000));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!catches(program.processId(), SIGTERM) && !program.waitForFinished(20)
        && std::chrono::steady_clock::now() < deadline) { }
    ASSERT_TRUE(catches(program.processId(), SIGTERM))
        << "the program did not reach its event loop; it said: " << program.readAllStandardError().toStdString();

    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
}

// A server that ends with its last client, as a session's does: were the
// program to close its look at the display before Qt connects, the server
// would be gone by the time Qt came.
TEST(DisplayThatEndsWithItsLastClient, StaysUpForTheProgram)
{
    QString why;
    std::unique_ptr<XServer> server = XServer::start(why, XServer::LastClientGone::End);
    if (!server)
        GTEST_SKIP() << why.toStdString();
    QTemporaryDir work;
    expectToReachTheLoopAndQuitOnSignal(
        programEnvironment(work, {{"DISPLAY", server->display()}, {"QT_QPA_PLATFORM", "xcb"}}));
}

// A list of platforms is Qt's to work through: with no display, the next
// choice is taken rather than the start-up failed.
TEST(NoDisplay, LeavesAListOfPlatformsToFallBack)
{
    QTemporaryDir work;
    expectToReachTheLoopAndQuitOnSignal(programEnvironment(work, {{"QT_QPA_PLATFORM", "xcb;offscreen"}}));
}

// The executable and its framework, moved, beside a Resources that is no
// folder: the first picture the window needs names it in the report.
TEST(BrokenResources, FailStartUpWithAReportOfWhatIsMissingAndStatus1)
{
    const std::pair<const char*, std::function<void(const fs::path&)>> cases[] = {
        {"a plain file", [](const fs::path& resources) { std::ofstream(resources) << "not a folder"; }},
        {"a named pipe", [](const fs::path& resources) { ASSERT_EQ(::mkfifo(resources.c_str(), 0644), 0); }},
        {"a link to itself", [](const fs::path& resources) { fs::create_symlink("Resources", resources); }},
    };
    const fs::path original(qEnvironmentVariable("TOLVANE_BUNDLE").toStdString());
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        QTemporaryDir work;
        const fs::path bundle = fs::path(work.path().toStdString()) / "Tolvane.app";
        for (const char* folder : {"Contents/MacOS", "Contents/Frameworks"}) {
            fs::create_directories(bundle / folder);
            fs::copy(original / folder, bundle / folder, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        }
        const fs::path resources = bundle / "Contents/Resources";
        make(resources);
        std::vector<std::string> reports;
        for (const std::string& line :
            runFailingStartUp(QString::fromStdString(bundle.string()), {{"QT_QPA_PLATFORM", "offscreen"}})) {
            if (line.starts_with("Unhandled exception"))
                reports.push_back(line);
        }
        ASSERT_EQ(reports.size(), 1u) << testing::PrintToString(reports);
        // The class, then a message that names the missing file and where the
        // Resources folder was looked for.
        EXPECT_TRUE(reports[0].starts_with("Unhandled exception NilObjectException: ")) << reports[0];
        EXPECT_NE(reports[0].find("AA_Keyboard.gif"), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(resources.string()), std::string::npos) << reports[0];
    }
}

} // namespace
