// The walk of JPEG and GIF block structure under libFuzzer. Any input may be
// refused; a read out of bounds, a crash or a structure that does not hold is
// a fault. A structure holds when the picture ends on its format's end
// marker within the input, and walking only the bytes up to that end finds
// the same structure (what follows the end is never part of the picture).
#include "PictureStructure_p.h"

#include <cstddef>
#include <cstdint>

namespace {

bool endsOnItsMarker(const fw::PictureStructure& structure, QByteArrayView bytes)
{
    const QByteArrayView picture = bytes.first(structure.end);
    if (structure.format == "jpeg")
        return picture.endsWith("\xFF\xD9");
    return structure.format == "gif" && picture.endsWith(";");
}

bool same(const fw::PictureStructure& a, const fw::PictureStructure& b)
{
    return a.format == b.format && a.end == b.end && a.size == b.size && a.passes == b.passes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const std::optional<fw::PictureStructure> structure = fw::walkPictureStructure(bytes);
    if (!structure)
        return 0;
    if (structure->end <= 0 || structure->end > bytes.size() || structure->passes < 1
        || !endsOnItsMarker(*structure, bytes))
        __builtin_trap();
    const std::optional<fw::PictureStructure> again = fw::walkPictureStructure(bytes.first(structure->end));
    if (!again || !same(*structure, *again))
        __builtin_trap();
    return 0;
}
