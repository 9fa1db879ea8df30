// Sounds: MP3 recordings decoded and mixed with SDL_mixer.
//
// A recording is decoded whole when it is opened, so that Play only hands it
// to the mixer and returns at once. Several recordings sound together, the
// same one too; when every mixing channel is busy the one that has played
// longest gives way. The audio output is opened once, on first use; with no
// sound device Play is silent and nothing fails. A Sound may outlive the
// audio output (it is closed at shut-down): releasing it later is safe.
#pragma once

#include "framework/Exceptions.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace fw {

class Sound final : public Object {
public:
    explicit Sound(ClassRecord& record);
    ~Sound() override;
    static ClassRecord& __Lookup();

    // The decoded recording, or nil when the file is not a decodable MP3
    // within the bounds below, or no audio output could be had.
    static Ref<Sound> fromFile(const std::string& path);

    // The longest recording accepted, measured from the frame headers before
    // decoding,
    static constexpr std::chrono::seconds kMaximumDuration{60};
    // and the largest file.
    static constexpr std::int64_t kMaximumFileBytes = std::int64_t(16) << 20;

    // Starts the recording and returns at once.
    static void Play(Sound* sound);

    // The decoded length, at the output's rate.
    std::chrono::milliseconds duration() const;

    // The mixing channels now playing this sound, for tests that watch the
    // mixer.
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
