// The alto saxophone's standard fingerings over its normal range, written
// B♭3 to F♯6: one set of pressed keys per note, held as data so that the note
// pictures draw exactly what the tests check against the instrument's rules.
// Above F♯6 lies the altissimo, whose fingerings differ from one instrument
// and player to the next; those notes have no entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace tolvane::mediagen {

// Every key a fingering chart shows, from the top of the instrument down.
enum class SaxKey : std::uint8_t {
    Octave,
    FrontF,
    PalmD,
    PalmEflat,
    PalmF,
    Left1,
    Bis,
    Left2,
    Left3,
    PinkyGsharp,
    PinkyCsharp,
    PinkyB,
    PinkyBflat,
    HighFsharp,
    SideE,
    SideC,
    SideBflat,
    Right4,
    Right5,
    Right6,
    LowEflat,
    LowC,
    Count
};

inline constexpr std::size_t kSaxKeyCount = static_cast<std::size_t>(SaxKey::Count);

// The keys pressed for one note, one bit per key.
class KeySet {
public:
    constexpr KeySet() = default;
    constexpr KeySet(std::initializer_list<SaxKey> keys)
    {
        for (SaxKey key : keys)
            m_bits |= bitOf(key);
    }

    constexpr bool contains(SaxKey key) const { return (m_bits & bitOf(key)) != 0; }

    constexpr KeySet operator|(KeySet other) const
    {
        KeySet both = *this;
        both.m_bits |= other.m_bits;
        return both;
    }
    constexpr bool operator==(const KeySet&) const = default;

private:
    static constexpr std::uint32_t bitOf(SaxKey key) { return std::uint32_t{1} << static_cast<unsigned>(key); }

    std::uint32_t m_bits = 0;
};
static_assert(kSaxKeyCount <= 32, "a key set holds one bit per key");

// Notes are counted as in the note table: 0 is written B♭3, 32 written F♯6.
inline constexpr std::size_t kNormalRangeNoteCount = 33;

// The standard fingering of a note of the normal range; none for the altissimo.
std::optional<KeySet> fingeringOf(std::size_t noteIndex);

} // namespace tolvane::mediagen
