#include "framework/String.h"

#include <algorithm>

namespace fw {

String::String(std::string_view bytes) : m_storage(make<Storage>(bytes)) { }

std::string_view String::view() const
{
    return m_storage ? std::string_view(m_storage->bytes) : std::string_view();
}

static char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldCase(x) == foldCase(y); });
}

} // namespace fw
