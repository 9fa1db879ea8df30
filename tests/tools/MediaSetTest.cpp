// The set as the build wrote it into the bundle: every file under its exact
// name, each picture the size of its well and unlike the others, nothing in
// the bundle closer than the bundle's own folder, and the generator writing
// the same bytes on every run, as readable as any ordinary file.
#include "BundleResources.h"
#include "ImageDifference.h"
#include "LayoutReference.h"
#include "MediaReference.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

namespace fs = std::filesystem;

QString inResources(std::string_view file)
{
    return QString::fromStdString((bundleResources() / file).string());
}

// Every file the catalogue reads, pictures first.
std::vector<std::string_view> catalogueFiles()
{
    std::vector<std::string_view> files;
    for (const reference::AccessorFile& picture : reference::kPictureAccessorFiles)
        files.push_back(picture.file);
    for (const reference::AccessorFile& recording : reference::kSoundItemFiles)
        files.push_back(recording.file);
    return files;
}

// The well a picture is made for: the one that shows it when the window
// opens, and for the notes' pictures the centre well.
const reference::ControlRow& wellFor(std::string_view pictureAccessor)
{
    const auto well = std::ranges::find(reference::kWells, pictureAccessor, &reference::ControlRow::picture);
    return well != reference::kWells.end()
        ? *well
        : *std::ranges::find(reference::kWells, std::string_view("ImageWell1"), &reference::ControlRow::name);
}

TEST(MediaSet, TheBundleHoldsExactlyTheCatalogueFilesAndPicturesFitTheirWells)
{
    // Listing the folder compares names exactly, case included; a file
    // under any other name is one that no accessor reads.
    std::set<std::string> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(bundleResources())) {
        EXPECT_GT(entry.file_size(), 0u) << entry.path();
        listed.insert(entry.path().filename().string());
    }
    std::set<std::string> expected;
    for (std::string_view file : catalogueFiles())
        expected.emplace(file);
    ASSERT_EQ(expected.size(), 100u);
    std::vector<std::string> missing;
    std::vector<std::string> extra;
    std::ranges::set_difference(expected, listed, std::back_inserter(missing));
    std::ranges::set_difference(listed, expected, std::back_inserter(extra));
    EXPECT_EQ(missing, std::vector<std::string>()) << "missing";
    EXPECT_EQ(extra, std::vector<std::string>()) << "not in the catalogue";

    for (const reference::AccessorFile& picture : reference::kPictureAccessorFiles) {
        SCOPED_TRACE(std::string(picture.file));
        QImageReader reader(inResources(picture.file));
        EXPECT_EQ(reader.format(), picture.file.ends_with(".gif") ? "gif" : "jpeg");
        const reference::ControlRow& well = wellFor(picture.accessor);
        EXPECT_EQ(reader.read().size(), QSize(well.width, well.height));
    }
}

TEST(MediaSet, NoTwoCentrePicturesLookAlike)
{
    // Two notes' pictures differ in the band's colour, the staff and the
    // fingering or the written pitch: together at least a few levels, compared
    // small, so that the difference measures their look rather than JPEG's noise.
    std::vector<std::string_view> names;
    for (const reference::AccessorFile& picture : reference::kPictureAccessorFiles) {
        if (wellFor(picture.accessor).name == "ImageWell1")
            names.push_back(picture.file);
    }
    ASSERT_EQ(names.size(), 49u);
    std::vector<QImage> small;
    for (std::string_view name : names) {
        const QImage picture(inResources(name));
        ASSERT_FALSE(picture.isNull()) << name;
        small.push_back(picture.scaled(picture.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32));
    }
    for (std::size_t a = 0; a < small.size(); ++a) {
        for (std::size_t b = a + 1; b < small.size(); ++b)
            EXPECT_GT(meanDifference(small[a], small[b]), 3.0) << names[a] << " and " << names[b];
    }
}

fs::perms modeOf(const fs::path& path)
{
    return fs::symlink_status(path).permissions() & fs::perms::mask;
}

std::string octal(fs::perms mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

TEST(MediaSet, NothingInTheBuiltBundleIsCloserThanTheBundleItself)
{
    // The build's umask is whatever the builder had: the bundle's own folder
    // shows it, and every folder, program and file inside must open to the
    // same users (under a 022 umask: 0755 and 0644).
    const fs::path bundle = bundleResources().parent_path().parent_path();
    const fs::perms folderMode = modeOf(bundle);
    ASSERT_NE(folderMode & fs::perms::owner_all, fs::perms::none) << bundle;
    const fs::perms fileMode = folderMode & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);

    int folders = 0;
    int programs = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(bundle)) {
        const fs::path& path = entry.path();
        SCOPED_TRACE(fs::relative(path, bundle).string());
        ASSERT_FALSE(entry.is_symlink());
        const bool program = path.parent_path().filename() == "MacOS" || path.extension() == ".so";
        folders += entry.is_directory();
        programs += program;
        EXPECT_EQ(octal(modeOf(path)), octal(entry.is_directory() || program ? folderMode : fileMode));
    }
    // Contents and its three folders; the executable, the framework and its
    // audio back end.
    EXPECT_EQ(folders, 4);
    EXPECT_EQ(programs, 3);
}

// The generator's exit status, -1 when it crashes or hangs; it runs under
// the usual umask, whatever the test's own.
int runGenerator(const QStringList& arguments, QString* errors)
{
    QProcess generator;
    generator.setChildProcessModifier([] { umask(022); });
    generator.start(QStringLiteral(TOLVANE_MEDIAGEN), arguments);
    if (!generator.waitForFinished(300000))
        return -1;
    *errors = QString::fromUtf8(generator.readAllStandardError());
    return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
}

QByteArray bytesOf(const fs::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MediaSet, UnderTheUsualUmaskTheGeneratorWritesTheSameBytesReadableByAll)
{
    // The bundle's set came from an earlier run of the same generator.
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const fs::path folder = fs::path(scratch.path().toStdString()) / "Resources";
    QString errors;
    ASSERT_EQ(runGenerator({QString::fromStdString(folder.string())}, &errors), 0) << errors.toStdString();

    EXPECT_EQ(octal(modeOf(folder)), "0755");
    for (std::string_view file : catalogueFiles()) {
        EXPECT_TRUE(bytesOf(folder / file) == bytesOf(bundleResources() / file)) << file << " differs";
        EXPECT_EQ(octal(modeOf(folder / file)), "0644") << file;
    }
}

TEST(MediaSet, TheGeneratorReportsWhatItCannotDo)
{
    QString errors;
    EXPECT_EQ(runGenerator({}, &errors), 2) << "no folder named";

    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile blocker(scratch.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(runGenerator({scratch.filePath(QStringLiteral("file/inside"))}, &errors), 1) << "a file stands in the way";
    EXPECT_TRUE(errors.contains(QStringLiteral("tolvane-mediagen:"))) << errors.toStdString();
}

} // namespace
} // namespace tolvane::mediagen::testing
