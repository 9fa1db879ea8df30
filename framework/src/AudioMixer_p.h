// The one audio output of the process, which every Sound plays through, in
// front of the audio back end (AudioBackend_p.h).
//
// The back end library is loaded on a background thread once the event loop
// has started (see _RuntimeRun), so that start-up does not wait for it; a
// process that exits meanwhile waits for the load to finish first. The
// output is opened once, on first use: the system's sound device when there
// is one, otherwise a silent one, so that recordings still decode and play
// (unheard) on a machine without sound. Shut-down closes it for good.
#pragma once

#include "AudioBackend_p.h"
#include "AudioFormat_p.h"

#include <cstddef>

namespace fw {

class AudioMixer {
public:
    // Starts loading the back end in the background; later calls do nothing.
    static void preload();
    // Opens the output if that has not been tried yet. False when no output
    // could be had at all (no back end, no driver), or after shut-down.
    static bool open();
    // Decodes an MP3 stream with the open output; nil when it does not
    // decode or there is no output.
    static AudioChunk* decode(const void* bytes, std::size_t size);
    static void release(AudioChunk* chunk);
    static std::size_t length(const AudioChunk* chunk);
    // Does nothing when the output is not open.
    static void play(AudioChunk* chunk);
    // The mixing channels now playing that chunk.
    static int playingChannels(const AudioChunk* chunk);
    // Stops everything and closes the output for the rest of the process.
    static void close();
};

} // namespace fw
