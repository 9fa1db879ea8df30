// Small real media files made in the test: JPEG pictures through Qt, GIF
// pictures through giflib, MP3 recordings of pure tones through LAME, and
// the broken files that the decoders must refuse.
#pragma once

#include <QByteArray>
#include <QColor>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tolvane::testing {

QByteArray makeJpeg(int width, int height, QColor colour = Qt::darkCyan);
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

} // namespace tolvane::testing
