// The one audio output of the process, which every Sound plays through.
//
// The output is opened once, on first use: the system's sound device when
// there is one, otherwise SDL's silent driver, so that recordings still
// decode and play (unheard) on a machine without sound. It mixes 32 channels
// into a buffer of 512 frames at 44.1 kHz, about 12 ms: short enough that a
// key's note follows the press at once. Shut-down closes it for good.
#pragma once

#include <SDL2/SDL_mixer.h>

namespace fw {

class AudioMixer {
public:
    static constexpr int kFrequency = 44100;
    static constexpr int kOutputChannels = 2;
    static constexpr int kBufferFrames = 512;
    static constexpr int kMixingChannels = 32;

    // Opens the output if that has not been tried yet. False when no output
    // could be had at all, or after shut-down.
    static bool open();
    // Starts a chunk on a free mixing channel, or on the one that has played
    // longest when none is free. Does nothing when the output is not open.
    static void play(Mix_Chunk* chunk);
    // The mixing channels now playing that chunk.
    static int playingChannels(const Mix_Chunk* chunk);
    // Stops everything and closes the output for the rest of the process.
    static void close();
};

} // namespace fw
