#include "framework/Sound.h"

#include "framework/Introspection.h"

#include "AudioMixer_p.h"
#include "BoundedFile_p.h"
#include "Mp3Frames_p.h"
#include "NativeClass_p.h"
#include "Statics_p.h"

namespace fw {

namespace {
const StaticsRegistration soundStatics(StaticsRank::Files, [] { Sound::__Lookup(); }, AudioMixer::close);
} // namespace

struct Sound::Native {
    explicit Native(AudioChunk* decoded) : chunk(decoded) { }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
    ~Native() { AudioMixer::release(chunk); }

    AudioChunk* chunk;
};

ClassRecord& Sound::__Lookup()
{
    static ClassRecord& record = defineNativeClass<Sound>({
        .name = "Sound",
        .base = &ObjectClass(),
        .methods = {{.name = "Play", .function = eraseOperation(&Sound::Play),
            .invoker = Introspection::Invoke<void(Sound*)>}},
        .operationCount = SoundSlot::OperationCount,
        .operations = {{SoundSlot::Play.index, eraseOperation(&Sound::Play)}},
    });
    return record;
}

Sound::Sound(ClassRecord& record) : Object(record) { }
Sound::~Sound() = default;

Ref<Sound> Sound::fromFile(const std::string& path)
{
    std::optional<QByteArray> bytes = readBoundedFile(path, kMaximumFileBytes);
    if (!bytes)
        return nullptr;
    std::span<const std::uint8_t> data(
        reinterpret_cast<const std::uint8_t*>(bytes->constData()), static_cast<std::size_t>(bytes->size()));
    std::optional<Mp3Frames> frames = findMp3Frames(data);
    if (!frames)
        return nullptr;
    if (frames->samples > std::uint64_t(kMaximumDuration.count()) * frames->sampleRate)
        return nullptr;
    // Decoding converts to the output's format, which opens the output.
    AudioChunk* chunk = AudioMixer::decode(data.data() + frames->begin, frames->end - frames->begin);
    if (!chunk)
        return nullptr;
    // Owned from here on, so that a chunk refused below is freed too.
    auto native = std::make_unique<Native>(chunk);
    if (AudioMixer::length(chunk) < AudioFormat::kBytesPerFrame)
        return nullptr;
    Ref<Sound> sound = RuntimeNewObjectOf<Sound>(__Lookup());
    sound->m_native = std::move(native);
    return sound;
}

void Sound::Play(Sound* sound)
{
    if (!sound)
        RaiseNilObjectException();
    // A Sound made from its class record rather than from a file has nothing
    // to play.
    if (sound->m_native)
        AudioMixer::play(sound->m_native->chunk);
}

std::chrono::milliseconds Sound::duration() const
{
    if (!m_native)
        return {};
    const std::uint64_t outputFrames = AudioMixer::length(m_native->chunk) / AudioFormat::kBytesPerFrame;
    return std::chrono::milliseconds(outputFrames * 1000 / AudioFormat::kFrequency);
}

int Sound::playingChannels() const
{
    return m_native ? AudioMixer::playingChannels(m_native->chunk) : 0;
}

} // namespace fw
