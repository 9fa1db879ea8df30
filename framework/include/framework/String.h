// The runtime's string: an immutable, reference-counted run of bytes.
//
// A String carries bytes, not characters: a property list holds bytes such as
// 0x80 and 0xFF that are not valid UTF-8, and they must reach their reader
// unchanged. A default-constructed String is nil, which differs from the
// empty string only where a caller asks isNil().
#pragma once

#include "framework/Ref.h"

#include <string>
#include <string_view>

namespace fw {

class String {
public:
    String() = default;
    String(std::string_view bytes);
    String(const char* bytes) : String(std::string_view(bytes)) { }

    bool isNil() const { return !m_storage; }
    std::string_view view() const;
    std::size_t size() const { return view().size(); }
    std::string toStdString() const { return std::string(view()); }

    friend bool operator==(const String& a, const String& b) { return a.view() == b.view(); }
    friend bool operator==(const String& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const String& a, const char* b) { return a.view() == std::string_view(b); }

private:
    struct Storage final : RefCounted {
        explicit Storage(std::string_view b) : bytes(b) { }
        const std::string bytes;
    };
    Ref<Storage> m_storage;
};

// Compares two names without regard to ASCII letter case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace fw
