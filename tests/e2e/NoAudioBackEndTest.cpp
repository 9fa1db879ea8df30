// A bundle that lost its audio back end: the program still runs, says once
// why it is silent, and ends as a quit does.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(NoAudioBackEnd, IsReportedOnceWithTheLibraryToPutBack)
{
    QTemporaryDir work;
    const fs::path bundle = fs::path(work.path().toStdString()) / "Tolvane.app";
    fs::copy(qEnvironmentVariable("TOLVANE_BUNDLE").toStdString(), bundle,
        fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    ASSERT_TRUE(fs::remove(bundle / "Contents/Frameworks/libTolvaneAudio.so"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", work.path());
    program.setProcessEnvironment(environment);
    program.setReadChannel(QProcess::StandardError);
    program.start(QString::fromStdString((bundle / "Contents/MacOS/Tolvane").string()), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // The back end is looked for once the event loop runs.
    QByteArray errors;
    while (!errors.contains("Sound is off") && program.waitForReadyRead(20000))
        errors += program.readAllStandardError();
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000));
    errors += program.readAllStandardError();

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(errors.count("Sound is off"), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("libTolvaneAudio.so")) << errors.toStdString();
}

} // namespace
