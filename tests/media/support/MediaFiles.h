// Small real media files made in the test: JPEG pictures through Qt, GIF
// pictures through giflib, MP3 recordings of pure tones through LAME, and
// the broken files that the decoders must refuse; and a temporary folder to
// make them in.
#pragma once

#include "framework/Picture.h"
#include "framework/Sound.h"

#include <QByteArray>
#include <QColor>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tolvane::testing {

QByteArray makeJpeg(int width, int height, QColor colour = Qt::darkCyan, bool progressive = false);
QByteArray makeGif(int width, int height);

struct Tone {
    double frequency = 440.0;
    std::chrono::milliseconds length{300};
    double amplitude = 0.3; // of full scale
    int sampleRate = 44100;
};
// A mono MP3 of a sine tone, with its LAME tag so that decoders trim the
// encoder's padding and the decoded length matches the tone's.
QByteArray makeMp3(const Tone& tone);

// A way a media file can be broken, made at a path.
struct BrokenFile {
    std::string name;
    std::function<void(const std::filesystem::path&)> make;
};
// The cases every decoder must refuse without crashing or hanging: empty,
// cut off (the first cutLength bytes of a valid file of the decoder's kind),
// garbage, a folder, a file whose reading fails, a named pipe, and a sparse
// file one byte larger than the decoder's bound.
std::vector<BrokenFile> brokenFiles(const QByteArray& valid, qsizetype cutLength, std::int64_t maximumFileBytes);

void writeFile(const std::filesystem::path& path, const QByteArray& bytes);

// The framework's picture or recording of a file, nil when it holds none.
fw::Ref<fw::Picture> openPicture(const std::filesystem::path& path);
fw::Ref<fw::Sound> openSound(const std::filesystem::path& path);

// A test that makes its files in a temporary folder of its own.
class TemporaryFolderTest : public ::testing::Test {
protected:
    std::filesystem::path folder() const { return m_folder.path().toStdString(); }

private:
    QTemporaryDir m_folder;
};

} // namespace tolvane::testing
