// The set as the build wrote it into the bundle: every file under its exact
// name, each picture the size of its well and unlike the others, and the
// generator writing the same bytes on every run.
#include "BundleResources.h"

#include "chart/LayoutTable.h"
#include "media/NoteTable.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <string>
#include <vector>

namespace tolvane::mediagen::testing {
namespace {

constexpr std::array<std::string_view, 4> kOtherPictures{"AA_Keyboard.gif", "saxleft.jpg", "saxright.jpg", "intro.jpg"};

QString pathOf(const std::filesystem::path& folder, std::string_view name)
{
    return QString::fromStdString((folder / name).string());
}

QSize wellSize(std::string_view wellName)
{
    for (const chart::ControlLayout& control : chart::kControls) {
        if (control.name == wellName)
            return QSize(control.rect.width, control.rect.height);
    }
    return {};
}

TEST(MediaSet, EveryFileIsInTheBundleUnderItsExactName)
{
    const std::filesystem::path resources = bundleResources();
    std::vector<std::string_view> names(kOtherPictures.begin(), kOtherPictures.end());
    for (const media::NoteFiles& files : media::kNoteFiles) {
        names.push_back(files.pictureFile);
        names.push_back(files.soundFile);
    }
    ASSERT_EQ(names.size(), 100u);
    for (std::string_view name : names) {
        // Listing the folder compares names exactly, case included.
        bool found = false;
        for (const auto& entry : std::filesystem::directory_iterator(resources))
            found = found || (entry.path().filename() == name && entry.file_size() > 0);
        EXPECT_TRUE(found) << name;
    }
}

TEST(MediaSet, PicturesHaveTheirWellsSizeAndFormat)
{
    const std::filesystem::path resources = bundleResources();
    const auto expectPicture = [&](std::string_view name, QSize size, const char* format) {
        QImageReader reader(pathOf(resources, name));
        EXPECT_EQ(reader.format(), QByteArray(format)) << name;
        const QImage picture = reader.read();
        EXPECT_EQ(picture.size(), size) << name;
    };
    for (const media::NoteFiles& files : media::kNoteFiles)
        expectPicture(files.pictureFile, wellSize("ImageWell1"), "jpeg");
    expectPicture("intro.jpg", wellSize("ImageWell1"), "jpeg");
    expectPicture("AA_Keyboard.gif", wellSize("ImageWell2"), "gif");
    expectPicture("saxleft.jpg", wellSize("ImageWell3"), "jpeg");
    expectPicture("saxright.jpg", wellSize("ImageWell4"), "jpeg");
}

// Pictures compared small, so that the measure is the picture's look rather
// than JPEG's noise: the mean difference per colour channel, 0 to 255. Two
// notes' pictures differ in the band's colour, the staff and the fingering or
// the written pitch, which together make at least a few levels.
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
    const std::filesystem::path resources = bundleResources();
    std::vector<std::string_view> names{"intro.jpg"};
    for (const media::NoteFiles& files : media::kNoteFiles)
        names.push_back(files.pictureFile);
    std::vector<QImage> pictures;
    for (std::string_view name : names) {
        const QImage picture(pathOf(resources, name));
        ASSERT_FALSE(picture.isNull()) << name;
        pictures.push_back(picture.scaled(picture.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32));
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(meanDifference(pictures[a], pictures[b]), 3.0) << names[a] << " and " << names[b];
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
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(runGenerator({first.path()}), 0);
    ASSERT_EQ(runGenerator({second.path()}), 0);
    const std::filesystem::path firstFolder = first.path().toStdString();
    const std::filesystem::path secondFolder = second.path().toStdString();
    for (std::string_view name : {media::kNoteFiles[0].pictureFile, media::kNoteFiles[47].soundFile,
                                  media::kNoteFiles[20].soundFile, std::string_view("AA_Keyboard.gif"),
                                  std::string_view("intro.jpg"), std::string_view("saxright.jpg")}) {
        const QByteArray bytes = bytesOf(pathOf(firstFolder, name));
        EXPECT_FALSE(bytes.isEmpty()) << name;
        EXPECT_EQ(bytes, bytesOf(pathOf(secondFolder, name))) << name;
    }
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
