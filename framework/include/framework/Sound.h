// Sounds: MP3 recordings decoded and mixed with SDL_mixer.
//
// The audio device is opened once, on the first Play. Several recordings
// sound together, the same one too; with no device, Play is silent.
#pragma once

#include "framework/Exceptions.h"

#include <memory>

namespace fw {

class Sound final : public Object {
public:
    explicit Sound(ClassRecord& record);
    ~Sound() override;
    static ClassRecord& __Lookup();

    // The decoded recording, or nil when the file is not a decodable MP3.
    static Ref<Sound> fromFile(const std::string& path);

    // Starts the recording and returns at once.
    static void Play(Sound* sound);

    // Mixer observation, for tests and benchmarks: channels now playing this
    // sound.
    int playingChannels() const;

private:
    struct Native;
    std::unique_ptr<Native> m_native;
};

namespace SoundSlot {
inline constexpr Slot<void(Sound*)> Play{0};
inline constexpr std::size_t OperationCount = 1;
} // namespace SoundSlot

} // namespace fw
