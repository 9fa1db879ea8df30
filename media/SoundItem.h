// A sound item: one callable global per note recording.
//
// Called like a function, it hands out the note's recording. Only its first
// call ever tries to load the file from the bundle's Resources folder: a
// recording that could not be had then stays missing for the rest of the run,
// so a key whose file is broken costs no file work on later presses. The
// cached recording is released once, at shut-down, through permaSound.
#pragma once

#include "framework/Sound.h"

#include <string_view>

namespace tolvane::media {

class SoundItem {
public:
    // The global that holds the cached recording, with its shut-down release.
    class PermaSound {
    public:
        // Takes the recording out of the global and releases it; an item
        // that never loaded holds nil, and releasing nil does nothing.
        void __Exit();

        fw::Sound* get() const { return m_sound.get(); }

    private:
        friend class SoundItem;
        fw::Ref<fw::Sound> m_sound;
    };

    constexpr explicit SoundItem(const char* fileName) : m_fileName(fileName) { }
    SoundItem(const SoundItem&) = delete;
    SoundItem& operator=(const SoundItem&) = delete;

    // The recording as a new reference, or nil when none could be had. Only
    // the first call can raise (NilObjectException on a nil item on the road
    // to the file); later calls never touch a file.
    fw::Ref<fw::Sound> operator()();

    // True from the start of the first call on; the release leaves it set.
    bool loaded() const { return m_loaded; }
    std::string_view fileName() const { return m_fileName; }

    PermaSound permaSound;

private:
    const char* m_fileName;
    bool m_loaded = false;
};

} // namespace tolvane::media
