// Writes a property list: entries of the key's ASCII bytes, one blank and the
// value in its type's packed form, one after another with nothing around
// them. The reader knows each value's type from its key, so the values carry
// no tags; only a String carries its length.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane::chart {

class PropertyListEncoder {
public:
    // Four bytes, two's complement, most significant first.
    PropertyListEncoder& int32(std::string_view key, std::int32_t value);
    // One byte, 0 or 1.
    PropertyListEncoder& boolean(std::string_view key, bool value);
    // Three bytes, red, green, blue, from a 0xRRGGBB value.
    PropertyListEncoder& color(std::string_view key, std::uint32_t rgb);
    // A four-byte big-endian length, then the bytes as they are.
    PropertyListEncoder& string(std::string_view key, std::string_view text);

    const std::string& bytes() const { return m_bytes; }

private:
    void appendKey(std::string_view key);
    void appendBigEndian(std::uint32_t value);

    std::string m_bytes;
};

} // namespace tolvane::chart
