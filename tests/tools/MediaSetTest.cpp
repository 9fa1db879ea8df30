// The set as the build wrote it into the bundle: every file under its exact
// name, each picture the size of its well and unlike the others, and the
// generator writing the same bytes on every run.
#include "BundleResources.h"

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"
#include "media/OtherPictureTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <set>
#include <string>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

namespace fs = std::filesystem;

struct Picture {
    std::string_view file;
    std::string_view shownBy; // the accessor of the well's opening picture
};

// Every picture of the set with the well it is made for: the notes' is the
// centre well, where the opening picture shows.
std::vector<Picture> pictures()
{
    std::vector<Picture> all;
    for (const media::OtherPictureFile& other : media::kOtherPictureFiles)
        all.push_back({other.pictureFile, other.pictureAccessor});
    for (const media::NoteFiles& note : media::kNoteFiles)
        all.push_back({note.pictureFile, "intro"});
    return all;
}

QSize wellSize(std::string_view shownBy)
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.kind == chart::ControlKind::ImageWell && control.pictureAccessor == shownBy)
            return QSize(control.rect.width, control.rect.height);
    }
    return {};
}

QString pathOf(const fs::path& folder, std::string_view name)
{
    return QString::fromStdString((folder / name).string());
}

TEST(MediaSet, EveryFileIsInTheBundleUnderItsExactNameAndPicturesFitTheirWells)
{
    // Listing the folder compares names exactly, case included.
    std::set<std::string> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(bundleResources())) {
        if (entry.file_size() > 0)
            listed.insert(entry.path().filename().string());
    }
    for (const media::NoteFiles& note : media::kNoteFiles)
        EXPECT_TRUE(listed.contains(std::string(note.soundFile))) << note.soundFile;

    for (const Picture& picture : pictures()) {
        SCOPED_TRACE(std::string(picture.file));
        EXPECT_TRUE(listed.contains(std::string(picture.file)));
        QImageReader reader(pathOf(bundleResources(), picture.file));
        EXPECT_EQ(reader.format(), picture.file.ends_with(".gif") ? "gif" : "jpeg");
        EXPECT_EQ(reader.read().size(), wellSize(picture.shownBy));
    }
}

// The mean difference per colour channel, 0 to 255, of two pictures
// compared small, so that it measures their look rather than JPEG's noise.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

TEST(MediaSet, NoTwoCentrePicturesLookAlike)
{
    // Two notes' pictures differ in the band's colour, the staff and the
    // fingering or the written pitch: together at least a few levels.
    std::vector<std::string_view> names{media::otherPictureFileOf("intro")};
    for (const media::NoteFiles& note : media::kNoteFiles)
        names.push_back(note.pictureFile);
    std::vector<QImage> small;
    for (std::string_view name : names) {
        const QImage picture(pathOf(bundleResources(), name));
        ASSERT_FALSE(picture.isNull()) << name;
        small.push_back(picture.scaled(picture.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32));
    }
    for (std::size_t a = 0; a < small.size(); ++a) {
        for (std::size_t b = a + 1; b < small.size(); ++b)
            EXPECT_GT(meanDifference(small[a], small[b]), 3.0) << names[a] << " and " << names[b];
    }
}

int runGenerator(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess generator;
    generator.start(QStringLiteral(TOLVANE_MEDIAGEN), arguments);
    if (!generator.waitForFinished(300000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(generator.readAllStandardError());
    return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MediaSet, TheGeneratorWritesTheSameBytesEveryRun)
{
    // The bundle's set came from an earlier run of the same generator.
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    ASSERT_EQ(runGenerator({again.path()}), 0);
    std::vector<std::string_view> files;
    for (const Picture& picture : pictures())
        files.push_back(picture.file);
    for (const media::NoteFiles& note : media::kNoteFiles)
        files.push_back(note.soundFile);
    for (std::string_view file : files)
        EXPECT_EQ(bytesOf(pathOf(again.path().toStdString(), file)), bytesOf(pathOf(bundleResources(), file))) << file;
}

TEST(MediaSet, TheGeneratorReportsWhatItCannotDo)
{
    EXPECT_EQ(runGenerator({}), 2) << "no folder named";

    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile blocker(scratch.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString errors;
    EXPECT_EQ(runGenerator({scratch.filePath(QStringLiteral("file/inside"))}, &errors), 1) << "a file stands in the way";
    EXPECT_TRUE(errors.contains(QStringLiteral("tolvane-mediagen:"))) << errors.toStdString();
}

} // namespace
} // namespace tolvane::mediagen::testing
