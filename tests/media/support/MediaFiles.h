// Small real media files made in the test: JPEG pictures through Qt, GIF
// pictures through giflib, MP3 recordings of pure tones through LAME, and
// the broken files that the decoders must refuse.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QTemporaryDir>

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
    // Open it without privileges (see withoutPrivileges).
    bool unreadable = false;
};
// The cases every decoder must refuse without crashing or hanging: empty,
// cut off (the first cutLength bytes of a valid file of the decoder's kind),
// garbage, a folder, a valid file the process may not read, a named pipe, and
// a sparse file one byte larger than the decoder's bound.
std::vector<BrokenFile> brokenFiles(const QByteArray& valid, qsizetype cutLength, std::int64_t maximumFileBytes);

void writeFile(const std::filesystem::path& path, const QByteArray& bytes);

// A temporary folder that every user may enter, so that only a file's own
// permissions can make it unreadable.
class SharedTemporaryFolder {
public:
    SharedTemporaryFolder();
    std::filesystem::path path() const { return m_folder.path().toStdString(); }

private:
    QTemporaryDir m_folder;
};

// Runs the body with the process's effective user set to an unprivileged
// one when it runs as root, so that file permissions apply to it.
void withoutPrivileges(const std::function<void()>& body);

// Makes the broken file at path and opens it, without privileges when it is
// the unreadable case.
template<typename Open>
auto openBroken(const BrokenFile& broken, const std::filesystem::path& path, Open open)
{
    broken.make(path);
    decltype(open(path)) opened;
    auto body = [&] { opened = open(path); };
    if (broken.unreadable)
        withoutPrivileges(body);
    else
        body();
    return opened;
}

} // namespace tolvane::testing
