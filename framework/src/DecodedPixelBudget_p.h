// A fixed memory budget for decoded pictures: the images most recently used,
// up to a total size in bytes. Holding one more drops the least recently
// used until the total fits again; the image just held is never dropped by
// its own arrival, so a single image larger than the budget is held alone.
// Each image is known by a key of its owner's choosing.
#pragma once

#include <QImage>

#include <cstdint>
#include <list>
#include <unordered_map>

namespace fw {

class DecodedPixelBudget {
public:
    explicit DecodedPixelBudget(std::int64_t capacityBytes) : m_capacity(capacityBytes) { }

    // The image held for `key`, made the most recently used; a null image
    // when none is held.
    QImage take(std::uint64_t key);
    // Holds `image` for `key` as the most recently used.
    void hold(std::uint64_t key, QImage image);
    void drop(std::uint64_t key);

    bool holds(std::uint64_t key) const { return m_places.contains(key); }
    std::int64_t heldBytes() const { return m_heldBytes; }
    std::int64_t capacityBytes() const { return m_capacity; }

private:
    struct Entry {
        std::uint64_t key;
        QImage image;
    };
    using Entries = std::list<Entry>;

    void erase(Entries::iterator entry);

    std::int64_t m_capacity;
    std::int64_t m_heldBytes = 0;
    // Most recently used first.
    Entries m_entries;
    std::unordered_map<std::uint64_t, Entries::iterator> m_places;
};

} // namespace fw
