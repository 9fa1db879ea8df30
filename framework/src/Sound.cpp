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

constexpr std::size_t kBytesPerOutputFrame = sizeof(std::int16_t) * AudioMixer::kOutputChannels;
} // namespace

struct Sound::Native {
    explicit Native(Mix_Chunk* decoded) : chunk(decoded) { }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
    // Freeing stops every channel still playing the chunk; after the output
    // has closed there are none, and the samples are simply freed.
    ~Native() { Mix_FreeChunk(chunk); }

    Mix_Chunk* chunk;
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
    // Decoding converts to the output's format, so the output must be open.
    if (!AudioMixer::open())
        return nullptr;

    SDL_RWops* stream = SDL_RWFromConstMem(data.data() + frames->begin, int(frames->end - frames->begin));
    Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);
    if (!chunk)
        return nullptr;
    // Owned from here on, so that a chunk refused below is freed too.
    auto native = std::make_unique<Native>(chunk);
    if (chunk->alen < kBytesPerOutputFrame)
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
    std::uint64_t outputFrames = m_native->chunk->alen / kBytesPerOutputFrame;
    return std::chrono::milliseconds(outputFrames * 1000 / AudioMixer::kFrequency);
}

int Sound::playingChannels() const
{
    return m_native ? AudioMixer::playingChannels(m_native->chunk) : 0;
}

} // namespace fw
