#include "tools/Mp3Writer.h"

#include "tools/FileBytes.h"

#include <lame/lame.h>

#include <algorithm>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace tolvane::mediagen {
namespace {

constexpr int kBitRate = 128;
constexpr int kQuality = 2; // near the best; slower settings gain nothing audible here

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

[[noreturn]] void fail(const char* what, int code)
{
    throw std::runtime_error(std::string("MP3 encoding failed: ") + what + " (" + std::to_string(code) + ")");
}

std::vector<unsigned char> encode(std::span<const std::int16_t> samples, int sampleRate)
{
    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame)
        throw std::runtime_error("cannot start the MP3 encoder");
    lame_set_in_samplerate(lame.get(), sampleRate);
    lame_set_out_samplerate(lame.get(), sampleRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), kBitRate);
    lame_set_quality(lame.get(), kQuality);
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (int code = lame_init_params(lame.get()); code < 0)
        fail("settings", code);

    // LAME's own bound for the worst case: 1.25 times the samples plus 7200.
    std::vector<unsigned char> stream(samples.size() + samples.size() / 4 + 7200);
    // LAME takes non-const buffers but only reads them; a mono stream reads the left.
    static_assert(std::is_same_v<std::int16_t, short>);
    short* pcm = const_cast<short*>(samples.data());
    const int encoded = lame_encode_buffer(lame.get(), pcm, pcm, static_cast<int>(samples.size()), stream.data(),
                                           static_cast<int>(stream.size()));
    if (encoded < 0)
        fail("samples", encoded);
    const int flushed = lame_encode_flush(lame.get(), stream.data() + encoded, static_cast<int>(stream.size()) - encoded);
    if (flushed < 0)
        fail("flush", flushed);
    stream.resize(static_cast<std::size_t>(encoded + flushed));

    // The first frame was held free for the information frame, now complete.
    std::vector<unsigned char> tag(4096);
    const std::size_t tagSize = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
    if (tagSize > 0 && tagSize <= stream.size())
        std::copy_n(tag.begin(), tagSize, stream.begin());
    return stream;
}

} // namespace

void writeMp3(const std::filesystem::path& file, std::span<const std::int16_t> samples, int sampleRate)
{
    const std::vector<unsigned char> stream = encode(samples, sampleRate);
    writeFileBytes(file, std::as_bytes(std::span(stream)));
}

} // namespace tolvane::mediagen
