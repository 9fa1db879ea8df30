// The audio back end over SDL_mixer: one output of 32 mixing channels into a
// buffer of 512 frames at 44.1 kHz, about 12 ms, short enough that a key's
// note follows the press at once. The channels are summed through a limiter
// (LimitedMix.h) rather than straight into 16-bit samples.
#include "AudioBackend_p.h"
#include "AudioFormat_p.h"
#include "LimitedMix.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace fw {

namespace {

// The chunk handle is SDL_mixer's chunk under an opaque name.
Mix_Chunk* mixChunk(AudioChunk* chunk) { return reinterpret_cast<Mix_Chunk*>(chunk); }
const Mix_Chunk* mixChunk(const AudioChunk* chunk) { return reinterpret_cast<const Mix_Chunk*>(chunk); }

// The output's samples in a buffer SDL_mixer hands to its callbacks.
std::span<std::int16_t> samples(void* buffer, int bytes)
{
    return {static_cast<std::int16_t*>(buffer), std::size_t(bytes) / sizeof(std::int16_t)};
}

// Touched only on the audio thread, from the callbacks below, and before the
// output opens.
LimitedMix mix;

// A channel's effect: its samples go into the sum instead of the stream.
// Effects see a channel's part of the buffer from its start, since no chunk
// loops.
void addToMix(int, void* buffer, int bytes, void*)
{
    mix.add(samples(buffer, bytes));
}

// After every channel has been added: the limited sum becomes the output.
void finishMix(void*, Uint8* stream, int bytes)
{
    mix.finish(samples(stream, bytes));
}

bool openMixer()
{
    // SDL would otherwise take SIGINT and SIGTERM for itself when audio
    // starts, turning them into quit events that nothing here reads: after
    // the first note, Ctrl+C and kill would no longer end the program. The
    // framework delivers signals itself. Set before any SDL initialisation,
    // which is when SDL installs its handlers.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // MP3 support is loaded once here rather than at the first decode.
    Mix_Init(MIX_INIT_MP3);
    mix = LimitedMix();
    // No format changes allowed: SDL converts for the device, and the mixer
    // keeps the buffer size asked for.
    if (Mix_OpenAudioDevice(AudioFormat::kFrequency, AUDIO_S16SYS, AudioFormat::kOutputChannels,
            AudioFormat::kBufferFrames, nullptr, 0)
        != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(AudioFormat::kMixingChannels);
    Mix_SetPostMix(finishMix, nullptr);
    return true;
}

bool open()
{
    if (openMixer())
        return true;
    // Without a device, mix into SDL's silent driver: a recording still
    // loads and plays, and nothing above here needs to know.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openMixer();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

AudioChunk* decode(const void* bytes, std::size_t size)
{
    SDL_RWops* stream = SDL_RWFromConstMem(bytes, int(size));
    return reinterpret_cast<AudioChunk*>(Mix_LoadWAV_RW(stream, 1));
}

// Freeing stops every channel still playing the chunk; after the output has
// closed there are none, and the samples are simply freed.
void release(AudioChunk* chunk)
{
    Mix_FreeChunk(mixChunk(chunk));
}

std::size_t length(const AudioChunk* chunk)
{
    return mixChunk(chunk)->alen;
}

// SDL_mixer drops a channel's effects when its chunk ends or is replaced, so
// each play adds its channel to the sum anew. A buffer mixed between the two
// calls lands in the stream directly, where the sum picks it up too; the
// effect is removed first in case a very short chunk ended before it was
// added, so that a channel never carries it twice.
void addChannelToMix(int channel)
{
    Mix_UnregisterEffect(channel, addToMix);
    Mix_RegisterEffect(channel, addToMix, nullptr, nullptr);
}

void play(AudioChunk* chunk)
{
    int channel = Mix_PlayChannel(-1, mixChunk(chunk), 0);
    if (channel < 0) {
        // Every channel is busy: the note that has sounded longest is the
        // one a player misses least.
        const int oldest = Mix_GroupOldest(-1);
        channel = oldest >= 0 ? Mix_PlayChannel(oldest, mixChunk(chunk), 0) : -1;
    }
    if (channel >= 0)
        addChannelToMix(channel);
}

int playingChannels(const AudioChunk* chunk)
{
    int count = 0;
    for (int channel = 0; channel < AudioFormat::kMixingChannels; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == mixChunk(chunk))
            ++count;
    }
    return count;
}

void close()
{
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

constexpr AudioBackend backend{open, decode, release, length, play, playingChannels, close};

} // namespace
} // namespace fw

extern "C" __attribute__((visibility("default"))) const fw::AudioBackend* tolvaneAudioBackend()
{
    return &fw::backend;
}
