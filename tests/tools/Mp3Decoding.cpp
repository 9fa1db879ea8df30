#include "Mp3Decoding.h"

#include <mpg123.h>

#include <array>
#include <memory>

namespace tolvane::mediagen::testing {
namespace {

struct HandleCloser {
    void operator()(mpg123_handle* handle) const
    {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};

} // namespace

DecodedAudio decodeMp3(const std::filesystem::path& file)
{
    int error = MPG123_OK;
    std::unique_ptr<mpg123_handle, HandleCloser> handle(mpg123_new(nullptr, &error));
    if (!handle)
        return {};
    // Any rate and channel count, always as 16-bit samples.
    mpg123_format_none(handle.get());
    for (long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(handle.get(), rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle.get(), file.c_str()) != MPG123_OK)
        return {};

    DecodedAudio audio;
    int encoding = 0;
    if (mpg123_getformat(handle.get(), &audio.sampleRate, &audio.channels, &encoding) != MPG123_OK)
        return {};
    std::array<short, 4096> buffer{};
    for (;;) {
        std::size_t bytes = 0;
        const int result = mpg123_read(handle.get(), buffer.data(), sizeof buffer, &bytes);
        for (std::size_t i = 0; i < bytes / sizeof(short); ++i)
            audio.samples.push_back(static_cast<float>(buffer[i]) / 32768.0f);
        if (result == MPG123_DONE)
            break;
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            return {};
    }
    return audio;
}

} // namespace tolvane::mediagen::testing
