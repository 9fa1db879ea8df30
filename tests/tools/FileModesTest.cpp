// Who may read what the build makes: the generator's files take their mode
// from the umask like any ordinary file, and nothing in the built bundle is
// closer than the folders that hold it, so that every user of an installed
// build sees the same pictures.
#include "BundleResources.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tolvane::mediagen::testing {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kMode = fs::perms::mask;

fs::perms modeOf(const fs::path& path)
{
    return fs::symlink_status(path).permissions() & kMode;
}

std::string octal(fs::perms mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

TEST(FileModes, UnderTheUsualUmaskTheGeneratorMakesEveryFileReadableByAll)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const fs::path folder = fs::path(scratch.path().toStdString()) / "Resources";

    QProcess generator;
    generator.setChildProcessModifier([] { umask(022); });
    generator.start(QStringLiteral(TOLVANE_MEDIAGEN), {QString::fromStdString(folder.string())});
    ASSERT_TRUE(generator.waitForFinished(300000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    EXPECT_EQ(octal(modeOf(folder)), "0755");
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        ++files;
        EXPECT_TRUE(entry.is_regular_file()) << entry.path();
        EXPECT_EQ(octal(modeOf(entry.path())), "0644") << entry.path().filename();
    }
    EXPECT_EQ(files, 100) << "52 pictures and 48 recordings";
}

bool isProgram(const fs::path& path)
{
    return path.parent_path().filename() == "MacOS" || path.extension() == ".so";
}

TEST(FileModes, NothingInTheBuiltBundleIsCloserThanTheBundleItself)
{
    // The build's umask is whatever the builder had: the bundle's own folder
    // shows it, and every folder, program and file inside must open to the
    // same users (under a 022 umask: 0755 and 0644).
    const char* bundleVariable = std::getenv("TOLVANE_BUNDLE");
    ASSERT_NE(bundleVariable, nullptr);
    const fs::path bundle = bundleVariable;
    const fs::perms folderMode = modeOf(bundle);
    ASSERT_NE(folderMode & fs::perms::owner_all, fs::perms::none);
    const fs::perms fileMode = folderMode & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);

    int folders = 0;
    int programs = 0;
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(bundle)) {
        const fs::path& path = entry.path();
        SCOPED_TRACE(fs::relative(path, bundle).string());
        ASSERT_FALSE(entry.is_symlink());
        if (entry.is_directory()) {
            ++folders;
            EXPECT_EQ(octal(modeOf(path)), octal(folderMode));
        } else if (isProgram(path)) {
            ++programs;
            EXPECT_EQ(octal(modeOf(path)), octal(folderMode));
        } else {
            ++files;
            EXPECT_EQ(octal(modeOf(path)), octal(fileMode));
        }
    }
    // Contents and its three folders; the executable, the framework and its
    // audio back end; the media set (and whatever an earlier build left).
    EXPECT_EQ(folders, 4);
    EXPECT_EQ(programs, 3);
    EXPECT_GE(files, 100);
}

} // namespace
} // namespace tolvane::mediagen::testing
