#include "framework/PropertyList.h"

#include "framework/Box.h"

#include <cstdint>
#include <string>

namespace fw {

namespace {

constexpr char kSeparator = ' ';
// A key is shown in a message up to this many bytes.
constexpr std::size_t kShownKeyLength = 64;

// A key as a message shows it: printable ASCII as it is, other bytes as
// \xNN, long keys cut short.
std::string printableKey(std::string_view key)
{
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < key.size() && i < kShownKeyLength; ++i) {
        const auto byte = static_cast<unsigned char>(key[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            shown += "\\x";
            shown += kHexDigits[byte >> 4];
            shown += kHexDigits[byte & 0xF];
        }
    }
    if (key.size() > kShownKeyLength)
        shown += "...";
    return shown;
}

// Reads a list entry by entry and sets each property as soon as its value
// is read: a fault stops the reading with the properties before it set.
class PropertyListReader {
public:
    PropertyListReader(Object& object, std::string_view list) : m_object(object), m_list(list) { }

    void readAll()
    {
        while (m_offset < m_list.size())
            readEntry();
    }

private:
    void readEntry()
    {
        m_keyOffset = m_offset;
        const std::size_t separator = m_list.find(kSeparator, m_offset);
        if (separator == std::string_view::npos) {
            m_key = m_list.substr(m_offset);
            fail("the key has no blank after it", m_keyOffset);
        }
        m_key = m_list.substr(m_offset, separator - m_offset);
        m_offset = separator + 1;

        const PropertyRecord* property = m_object.classRecord().findProperty(m_key);
        if (!property)
            fail("the object has no property of that name", m_keyOffset);
        if (!property->boxedSetter || !(property->flags & kWritable))
            fail("the property is read-only", m_keyOffset);
        Ref<Box> value = readValue(property->typeCode.view());
        property->boxedSetter(&m_object, *property, value.get());
    }

    Ref<Box> readValue(std::string_view typeCode)
    {
        if (typeCode == "i4")
            return box(readInt32());
        if (typeCode == "b")
            return box(readBoolean());
        if (typeCode == "c")
            return box(readColor());
        if (typeCode == "s")
            return box(readString());
        fail("a property of type " + printableKey(typeCode) + " cannot be set from a list", m_keyOffset);
    }

    std::uint32_t readBigEndian32()
    {
        std::string_view bytes = take(4);
        std::uint32_t value = 0;
        for (char byte : bytes)
            value = (value << 8) | static_cast<unsigned char>(byte);
        return value;
    }

    std::int32_t readInt32()
    {
        // Two's complement: the conversion is exact for every bit pattern.
        return static_cast<std::int32_t>(readBigEndian32());
    }

    bool readBoolean()
    {
        const std::size_t at = m_offset;
        const auto byte = static_cast<unsigned char>(take(1)[0]);
        if (byte > 1)
            fail("a Boolean must be the byte 0 or 1, not " + std::to_string(byte), at);
        return byte == 1;
    }

    Color readColor()
    {
        std::string_view bytes = take(3);
        return Color{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
            static_cast<std::uint8_t>(bytes[2])};
    }

    String readString()
    {
        const std::size_t lengthOffset = m_offset;
        const std::uint32_t length = readBigEndian32();
        if (length > m_list.size() - m_offset)
            fail("the String's length " + std::to_string(length) + " runs past the end of the list", lengthOffset);
        return String(take(length));
    }

    // The next bytes of the list; a value cut off by the end is a fault.
    std::string_view take(std::size_t count)
    {
        if (count > m_list.size() - m_offset)
            fail("the value runs past the end of the list", m_offset);
        std::string_view bytes = m_list.substr(m_offset, count);
        m_offset += count;
        return bytes;
    }

    [[noreturn]] void fail(const std::string& problem, std::size_t offset) const
    {
        RaiseNew(PropertyListException::__Lookup(),
            "property list entry \"" + printableKey(m_key) + "\" (key at offset " + std::to_string(m_keyOffset)
                + "): " + problem + " at offset " + std::to_string(offset));
    }

    // The flags bit of a property that can be set.
    static constexpr std::uint32_t kWritable = 4;

    Object& m_object;
    std::string_view m_list;
    std::size_t m_offset = 0;
    std::string_view m_key;
    std::size_t m_keyOffset = 0;
};

} // namespace

void RuntimeMassPropertySetter(Object* object, std::string_view list)
{
    if (!object)
        RaiseNilObjectException();
    // The object may lose its last other reference in a setter.
    Ref<Object> keepAlive(object);
    PropertyListReader(*object, list).readAll();
}

void _SetProperties(Object* object, const String& list)
{
    RuntimeMassPropertySetter(object, list.view());
}

} // namespace fw
