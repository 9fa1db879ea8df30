#include "chart/PropertyListEncoder.h"

namespace tolvane::chart {

void PropertyListEncoder::appendKey(std::string_view key)
{
    m_bytes.append(key);
    m_bytes.push_back(' ');
}

void PropertyListEncoder::appendBigEndian(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        m_bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
}

PropertyListEncoder& PropertyListEncoder::int32(std::string_view key, std::int32_t value)
{
    appendKey(key);
    // The conversion to unsigned is modular, so the bits are the two's
    // complement ones: -2147483648 becomes 80 00 00 00.
    appendBigEndian(static_cast<std::uint32_t>(value));
    return *this;
}

PropertyListEncoder& PropertyListEncoder::boolean(std::string_view key, bool value)
{
    appendKey(key);
    m_bytes.push_back(value ? '\x01' : '\x00');
    return *this;
}

PropertyListEncoder& PropertyListEncoder::color(std::string_view key, std::uint32_t rgb)
{
    appendKey(key);
    for (int shift = 16; shift >= 0; shift -= 8)
        m_bytes.push_back(static_cast<char>((rgb >> shift) & 0xFF));
    return *this;
}

PropertyListEncoder& PropertyListEncoder::string(std::string_view key, std::string_view text)
{
    appendKey(key);
    appendBigEndian(static_cast<std::uint32_t>(text.size()));
    m_bytes.append(text);
    return *this;
}

} // namespace tolvane::chart
