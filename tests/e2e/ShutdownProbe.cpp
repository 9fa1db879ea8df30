// Loaded into the program under test ahead of everything else (LD_PRELOAD),
// this library notes on the file that TOLVANE_PROBE_LOG names, one line each
// as they happen, the calls that mark the program's way out:
//   open-audio          the audio output opened, at a key's first note
//   free-recording      a cached recording freed (the shut-down's releases)
//   framework-statics   the framework's statics released (the audio output
//                       among them, as the sound tests show)
//   runtime-exit N      the runtime ended, with the status N it returned
// It changes nothing: every call goes on to the definition it stands before.
#include "NextDefinition.h"

#include <SDL2/SDL_mixer.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fw {
std::int32_t RuntimeExit();
void RuntimeFinalizeFrameworkStatics();
} // namespace fw

namespace {

void note(const std::string& line)
{
    const char* path = std::getenv("TOLVANE_PROBE_LOG");
    if (!path)
        return;
    const int file = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (file < 0)
        return;
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t written = ::write(file, text.data(), text.size());
    ::close(file);
}

// The audio library is loaded privately by the framework's audio back end,
// out of the program's global search order: it is asked for by name.
template<typename Function>
Function* mixerDefinition(const char* name)
{
    void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    void* found = mixer ? dlsym(mixer, name) : nullptr;
    if (!found) {
        std::fprintf(stderr, "shutdown probe: %s cannot be found: %s\n", name, dlerror());
        std::abort();
    }
    return reinterpret_cast<Function*>(found);
}

} // namespace

std::int32_t fw::RuntimeExit()
{
    static auto* const next = nextDefinition(&fw::RuntimeExit);
    const std::int32_t status = next();
    note("runtime-exit " + std::to_string(status));
    return status;
}

void fw::RuntimeFinalizeFrameworkStatics()
{
    static auto* const next = nextDefinition(&fw::RuntimeFinalizeFrameworkStatics);
    note("framework-statics");
    next();
}

extern "C" {

int Mix_OpenAudioDevice(
    int frequency, Uint16 format, int channels, int chunkSize, const char* device, int allowedChanges)
{
    static auto* const next = mixerDefinition<decltype(Mix_OpenAudioDevice)>("Mix_OpenAudioDevice");
    const int result = next(frequency, format, channels, chunkSize, device, allowedChanges);
    if (result == 0)
        note("open-audio");
    return result;
}

void Mix_FreeChunk(Mix_Chunk* chunk)
{
    static auto* const next = mixerDefinition<decltype(Mix_FreeChunk)>("Mix_FreeChunk");
    note("free-recording");
    next(chunk);
}

} // extern "C"
