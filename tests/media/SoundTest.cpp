// The framework's sounds: MP3 recordings decoded through SDL_mixer, played
// on as many channels as are pressed, and broken files refused.
#include "MediaFiles.h"

#include "Statics_p.h"

#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace tolvane::testing;

class SoundTest : public TemporaryFolderTest {
protected:
    fw::Ref<fw::Sound> openTone(const std::string& name, const Tone& tone) const
    {
        writeFile(folder() / name, makeMp3(tone));
        return openSound(folder() / name);
    }
};

// At 44.1 kHz the sound items' tests measure the whole length of 48
// recordings. MPEG 2 and 2.5 at their lower rates are MP3 too; the encoder's
// and decoder's trimming there is looser than a frame.
TEST_F(SoundTest, Mp3AtTheLowerRatesDecodesToItsWholeLength)
{
    for (int sampleRate : {22050, 11025}) {
        SCOPED_TRACE(sampleRate);
        fw::Ref<fw::Sound> sound = openTone("tone.mp3", {.length = 700ms, .sampleRate = sampleRate});
        ASSERT_TRUE(sound);
        EXPECT_NEAR(double(sound->duration().count()), 700.0, 100.0);
    }
}

TEST_F(SoundTest, WhenEveryChannelIsBusyTheOldestGivesWay)
{
    fw::Ref<fw::Sound> first = openTone("first.mp3", {.length = 3000ms});
    fw::Ref<fw::Sound> crowd = openTone("crowd.mp3", {.frequency = 550, .length = 3000ms});
    fw::Ref<fw::Sound> latest = openTone("latest.mp3", {.frequency = 770, .length = 3000ms});
    ASSERT_TRUE(first && crowd && latest);

    fw::call(first.get(), fw::SoundSlot::Play);
    std::this_thread::sleep_for(30ms); // so that first is unambiguously the oldest
    for (int press = 0; press < 31; ++press)
        fw::Sound::Play(crowd.get());
    EXPECT_EQ(first->playingChannels() + crowd->playingChannels(), 32);

    fw::Sound::Play(latest.get());
    EXPECT_EQ(first->playingChannels(), 0);
    EXPECT_EQ(crowd->playingChannels(), 31);
    EXPECT_EQ(latest->playingChannels(), 1);
}

TEST_F(SoundTest, BrokenFilesOtherFormatsAndOverlongRecordingsGiveNil)
{
    const QByteArray mp3 = makeMp3({});
    // Cut inside the first frame: not one whole frame is left.
    for (const BrokenFile& broken : brokenFiles(mp3, 100, fw::Sound::kMaximumFileBytes)) {
        SCOPED_TRACE(broken.name);
        broken.make(folder() / broken.name);
        EXPECT_FALSE(openSound(folder() / broken.name));
    }

    // A WAV file is audio SDL_mixer could play, but not a recording here;
    // nor is a picture named like a recording.
    QByteArray wav("RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x44\xAC\x00\x00\x88\x58\x01\x00"
                   "\x02\x00\x10\x00" "data\x00\x00\x00\x00",
        44);
    wav.append(QByteArray(8820, '\x10'));
    for (const auto& [name, bytes] : {std::pair{"tone.wav", wav}, std::pair{"picture.mp3", makeJpeg(8, 8)}}) {
        writeFile(folder() / name, bytes);
        EXPECT_FALSE(openSound(folder() / name)) << name;
    }

    // Frames copied over and over until the headers announce more than the
    // bound; the file is refused before a single frame is decoded.
    const QByteArray frames = makeMp3({.length = 1000ms});
    QByteArray longer = frames;
    while (longer.size() < frames.size() * (fw::Sound::kMaximumDuration / 1s + 2))
        longer += frames;
    writeFile(folder() / "long.mp3", longer);
    EXPECT_FALSE(openSound(folder() / "long.mp3"));
}

TEST_F(SoundTest, OnlyTheWholeFramesOfOneStreamBetweenTheTagsAreDecoded)
{
    // A tag may hold anything, frames of another recording too; before the
    // stream may stand a stray frame header, after it frames of another
    // rate, then the closing tag.
    const QByteArray tagged = makeMp3({.length = 300ms, .sampleRate = 11025});
    QByteArray id3("ID3\x04\x00\x00", 6);
    for (int shift : {21, 14, 7, 0})
        id3.append(char((tagged.size() >> shift) & 0x7F));
    QByteArray id3v1("TAG");
    id3v1.append(QByteArray(125, ' '));
    const QByteArray stray = QByteArray("\xFF\xFB\x90\x00", 4) + QByteArray(60, '\0');
    const QByteArray frames = makeMp3({.length = 1000ms});
    const QByteArray otherRate = makeMp3({.length = 500ms, .sampleRate = 22050});
    writeFile(folder() / "tagged.mp3", id3 + tagged + stray + frames + otherRate + id3v1);
    fw::Ref<fw::Sound> sound = openSound(folder() / "tagged.mp3");
    ASSERT_TRUE(sound);
    EXPECT_NEAR(double(sound->duration().count()), 1000.0, 30.0);

    writeFile(folder() / "cut.mp3", frames.first(frames.size() / 2));
    fw::Ref<fw::Sound> cut = openSound(folder() / "cut.mp3");
    ASSERT_TRUE(cut);
    EXPECT_GT(cut->duration(), 300ms);
    EXPECT_LT(cut->duration(), 700ms);
}

TEST_F(SoundTest, WithoutASoundDevicePlayIsSilentAndNothingFails)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    fw::Ref<fw::Sound> sound = openTone("tone.mp3", {.length = 500ms});
    ASSERT_TRUE(sound);
    fw::Sound::Play(sound.get());
    EXPECT_EQ(sound->playingChannels(), 1);
}

// The audio library would take SIGINT and SIGTERM for itself when its output
// starts, where they default to ending the process.
TEST_F(SoundTest, PlayingLeavesTheProcessSignalHandlingAlone)
{
    for (int signal : {SIGINT, SIGTERM})
        std::signal(signal, SIG_DFL);
    fw::Ref<fw::Sound> sound = openTone("tone.mp3", {.length = 200ms});
    ASSERT_TRUE(sound);
    fw::Sound::Play(sound.get());
    ASSERT_EQ(sound->playingChannels(), 1);

    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction now {};
        ASSERT_EQ(sigaction(signal, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << strsignal(signal);
    }
}

TEST_F(SoundTest, SoundsOutliveTheShutDownOfTheAudioOutput)
{
    fw::Ref<fw::Sound> playing = openTone("playing.mp3", {.length = 2000ms});
    fw::Ref<fw::Sound> idle = openTone("idle.mp3", {.length = 200ms});
    ASSERT_TRUE(playing && idle);
    fw::Sound::Play(playing.get());

    fw::runStaticsFinalizers();

    EXPECT_EQ(playing->playingChannels(), 0);
    fw::Sound::Play(idle.get()); // silent: the output stays closed
    EXPECT_EQ(idle->playingChannels(), 0);
    EXPECT_FALSE(openTone("late.mp3", {}));
    playing = nullptr;
    idle = nullptr;
}

TEST_F(SoundTest, PlayThroughNilRaises)
{
    EXPECT_THROW(fw::Sound::Play(nullptr), fw::RaisedException);
}

} // namespace
