// The audio back end over SDL_mixer: one output of 32 mixing channels into a
// buffer of 512 frames at 44.1 kHz, about 12 ms, short enough that a key's
// note follows the press at once.
#include "AudioBackend_p.h"
#include "AudioFormat_p.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace fw {

namespace {

// The chunk handle is SDL_mixer's chunk under an opaque name.
Mix_Chunk* mixChunk(AudioChunk* chunk) { return reinterpret_cast<Mix_Chunk*>(chunk); }
const Mix_Chunk* mixChunk(const AudioChunk* chunk) { return reinterpret_cast<const Mix_Chunk*>(chunk); }

bool openMixer()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // MP3 support is loaded once here rather than at the first decode.
    Mix_Init(MIX_INIT_MP3);
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

void play(AudioChunk* chunk)
{
    if (Mix_PlayChannel(-1, mixChunk(chunk), 0) >= 0)
        return;
    // Every channel is busy: the note that has sounded longest is the one a
    // player misses least.
    const int oldest = Mix_GroupOldest(-1);
    if (oldest >= 0)
        Mix_PlayChannel(oldest, mixChunk(chunk), 0);
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
