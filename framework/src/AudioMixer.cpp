#include "AudioMixer_p.h"

#include "NeverDestroyed_p.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <mutex>

namespace fw {

namespace {

enum class OutputState { NotTried, Open, Unavailable, Closed };
OutputState state = OutputState::NotTried;

// The back end lies beside this library, in the bundle's Frameworks folder.
const AudioBackend* loadBackend() noexcept
try {
    Dl_info self{};
    if (!dladdr(reinterpret_cast<const void*>(&loadBackend), &self) || !self.dli_fname)
        return nullptr;
    const std::filesystem::path library =
        std::filesystem::path(self.dli_fname).parent_path() / "libTolvaneAudio.so";
    // Never closed: the back end's threads and the output live until exit.
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // Said once, here: every recording that cannot load follows from it,
        // and the loader's words name the file or library to put back.
        std::fprintf(stderr, "Sound is off: the audio back end could not be loaded: %s\n", dlerror());
        return nullptr;
    }
    auto entry = reinterpret_cast<decltype(&tolvaneAudioBackend)>(dlsym(handle, "tolvaneAudioBackend"));
    return entry ? entry() : nullptr;
} catch (...) {
    // The result is read from destructors too (a Sound releasing its
    // chunk): no back end is the answer, never an exception.
    return nullptr;
}

// Never destroyed: recordings cached until the process ends are released
// during static destruction, and must still find the back end.
std::shared_future<const AudioBackend*>& loading()
{
    static NeverDestroyed<std::shared_future<const AudioBackend*>> future;
    return future.get();
}

std::once_flag preloadStarted;
// The process that started the load.
pid_t loadingProcess = 0;

// Exit waits for a load in flight. Otherwise the dynamic loader would run
// the destructors of the libraries already loaded (and mark them
// uninitialised) while the load goes on, and then run their constructors a
// second time for the back end: libgomp, which Qt's hashing and the back
// end's MIDI library both bring, aborts when that happens. A child forked
// meanwhile inherits this handler but not the loading thread, so it would
// wait for ever: it has no load of its own to wait for.
void awaitLoad()
{
    if (getpid() == loadingProcess && loading().valid())
        loading().wait();
}

// Waits for the load the first time; a chunk exists only once it is done.
const AudioBackend* backend()
{
    AudioMixer::preload();
    return loading().get();
}

} // namespace

void AudioMixer::preload()
{
    std::call_once(preloadStarted, [] {
        // Registered before the load starts, so that no exit can miss it; it
        // runs before the loader finalises the libraries.
        loadingProcess = getpid();
        std::atexit(awaitLoad);
        loading() = std::async(std::launch::async, loadBackend).share();
    });
}

bool AudioMixer::open()
{
    if (state != OutputState::NotTried)
        return state == OutputState::Open;
    const AudioBackend* audio = backend();
    state = audio && audio->open() ? OutputState::Open : OutputState::Unavailable;
    return state == OutputState::Open;
}

AudioChunk* AudioMixer::decode(const void* bytes, std::size_t size)
{
    return open() ? backend()->decode(bytes, size) : nullptr;
}

void AudioMixer::release(AudioChunk* chunk)
{
    if (chunk)
        backend()->release(chunk);
}

std::size_t AudioMixer::length(const AudioChunk* chunk)
{
    return chunk ? backend()->length(chunk) : 0;
}

void AudioMixer::play(AudioChunk* chunk)
{
    if (state == OutputState::Open && chunk)
        backend()->play(chunk);
}

int AudioMixer::playingChannels(const AudioChunk* chunk)
{
    return state == OutputState::Open && chunk ? backend()->playingChannels(chunk) : 0;
}

void AudioMixer::close()
{
    if (state == OutputState::Open)
        backend()->close();
    state = OutputState::Closed;
}

} // namespace fw
