#include "DecodedPixelBudget_p.h"

namespace fw {

QImage DecodedPixelBudget::take(std::uint64_t key)
{
    auto place = m_places.find(key);
    if (place == m_places.end())
        return {};
    m_entries.splice(m_entries.begin(), m_entries, place->second);
    return place->second->image;
}

void DecodedPixelBudget::hold(std::uint64_t key, QImage image)
{
    drop(key);
    m_heldBytes += image.sizeInBytes();
    m_entries.push_front({key, std::move(image)});
    m_places.emplace(key, m_entries.begin());
    while (m_heldBytes > m_capacity && m_entries.size() > 1)
        erase(std::prev(m_entries.end()));
}

void DecodedPixelBudget::drop(std::uint64_t key)
{
    if (auto place = m_places.find(key); place != m_places.end())
        erase(place->second);
}

void DecodedPixelBudget::erase(Entries::iterator entry)
{
    m_heldBytes -= entry->image.sizeInBytes();
    m_places.erase(entry->key);
    m_entries.erase(entry);
}

} // namespace fw
