#include "AudioMixer_p.h"

#include <SDL2/SDL.h>

namespace fw {

namespace {

enum class OutputState { NotTried, Open, Unavailable, Closed };
OutputState state = OutputState::NotTried;

bool openMixer()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // MP3 support is loaded once here rather than at the first decode.
    Mix_Init(MIX_INIT_MP3);
    // No format changes allowed: SDL converts for the device, and the mixer
    // keeps the buffer size asked for.
    if (Mix_OpenAudioDevice(AudioMixer::kFrequency, AUDIO_S16SYS, AudioMixer::kOutputChannels,
            AudioMixer::kBufferFrames, nullptr, 0)
        != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(AudioMixer::kMixingChannels);
    return true;
}

} // namespace

bool AudioMixer::open()
{
    if (state != OutputState::NotTried)
        return state == OutputState::Open;
    bool opened = openMixer();
    if (!opened) {
        // Without a device, mix into SDL's silent driver: a recording still
        // loads and plays, and nothing above here needs to know.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        opened = openMixer();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    state = opened ? OutputState::Open : OutputState::Unavailable;
    return opened;
}

void AudioMixer::play(Mix_Chunk* chunk)
{
    if (state != OutputState::Open || !chunk)
        return;
    if (Mix_PlayChannel(-1, chunk, 0) >= 0)
        return;
    // Every channel is busy: the note that has sounded longest is the one a
    // player misses least.
    int oldest = Mix_GroupOldest(-1);
    if (oldest >= 0)
        Mix_PlayChannel(oldest, chunk, 0);
}

int AudioMixer::playingChannels(const Mix_Chunk* chunk)
{
    if (state != OutputState::Open || !chunk)
        return 0;
    int count = 0;
    for (int channel = 0; channel < kMixingChannels; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == chunk)
            ++count;
    }
    return count;
}

void AudioMixer::close()
{
    if (state == OutputState::Open) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    state = OutputState::Closed;
}

} // namespace fw
