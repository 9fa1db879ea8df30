#include "tools/MediaSet.h"

#include "media/NoteTable.h"
#include "media/OtherPictureTable.h"
#include "tools/FileBytes.h"
#include "tools/Fonts.h"
#include "tools/GifWriter.h"
#include "tools/IntroPicture.h"
#include "tools/KeyboardPicture.h"
#include "tools/Mp3Writer.h"
#include "tools/NotePicture.h"
#include "tools/SaxophonePicture.h"
#include "tools/ToneSynth.h"
#include "tools/WrittenPitch.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>

#include <span>
#include <stdexcept>

namespace tolvane::mediagen {
namespace {

constexpr int kJpegQuality = 90;

void writeJpeg(const std::filesystem::path& file, const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "JPEG", kJpegQuality))
        throw std::runtime_error("cannot encode " + file.string());
    writeFileBytes(file, std::as_bytes(std::span(bytes.constData(), bytes.size())));
}

} // namespace

void writeMediaSet(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    Fonts::load();

    using media::otherPictureFileOf;
    writeGif(folder / otherPictureFileOf("AA_Keyboard"), keyboardPicture());
    writeJpeg(folder / otherPictureFileOf("saxleft"), saxophonePicture(WindowSide::Left));
    writeJpeg(folder / otherPictureFileOf("saxright"), saxophonePicture(WindowSide::Right));
    writeJpeg(folder / otherPictureFileOf("intro"), introPicture());

    for (std::size_t note = 0; note < media::kNoteFiles.size(); ++note) {
        const media::NoteFiles& files = media::kNoteFiles[note];
        writeJpeg(folder / files.pictureFile, notePicture(note));
        writeMp3(folder / files.soundFile, synthesizeTone(soundingFrequencyOf(note)), kSampleRate);
    }
}

} // namespace tolvane::mediagen
