// The audio back end: SDL_mixer and the forty-odd libraries it brings, kept
// in a library of their own (libTolvaneAudio.so beside the framework) that
// the framework loads in the background at start-up instead of at process
// load. The window then opens without waiting for them; the first recording
// waits only if the load has not finished by then.
//
// The two libraries meet through this one table of plain functions.
#pragma once

#include <cstddef>

namespace fw {

// A decoded recording, in the output's format; opaque outside the back end.
struct AudioChunk;

struct AudioBackend {
    // Opens the output once: the sound device, or else SDL's silent driver.
    bool (*open)();
    // Decodes an MP3 stream into a chunk; nil when it does not decode.
    AudioChunk* (*decode)(const void* bytes, std::size_t size);
    void (*release)(AudioChunk* chunk);
    // Bytes of samples in the output's format.
    std::size_t (*length)(const AudioChunk* chunk);
    // Starts a chunk on a free mixing channel, or on the one that has played
    // longest when none is free.
    void (*play)(AudioChunk* chunk);
    int (*playingChannels)(const AudioChunk* chunk);
    // Stops everything and closes the output.
    void (*close)();
};

} // namespace fw

// The back end library's one entry point.
extern "C" const fw::AudioBackend* tolvaneAudioBackend();
