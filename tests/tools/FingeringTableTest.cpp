// The fingering table against the rules every saxophone chart follows.
#include "tools/FingeringTable.h"

#include "media/NoteTable.h"

#include <gtest/gtest.h>

namespace tolvane::mediagen {
namespace {

using enum SaxKey;

// Note numbers as in the note table: written B♭3 is 0.
constexpr std::size_t kD4 = 4;
constexpr std::size_t kCsharp5 = 15;
constexpr std::size_t kD6 = 28;
constexpr std::size_t kFsharp6 = 32;

const KeySet kLeftHand{Left1, Left2, Left3};
const KeySet kBothHands = kLeftHand | KeySet{Right4, Right5, Right6};

KeySet fingering(std::size_t note)
{
    const std::optional<KeySet> keys = fingeringOf(note);
    EXPECT_TRUE(keys.has_value()) << "note " << note;
    return keys.value_or(KeySet{});
}

TEST(FingeringTable, CoversTheNormalRangeAndLeavesTheAltissimoOpen)
{
    for (std::size_t note = 0; note <= media::kNoteCount; ++note)
        EXPECT_EQ(fingeringOf(note).has_value(), note <= kFsharp6) << "note " << note;
}

TEST(FingeringTable, FollowsTheStandardFingeringsOfTheLowerOctave)
{
    // Going down the scale from B4 to D4 closes one more finger at a time,
    // F♯ (a fork: 1-2-3 and 5) and the chromatic notes aside.
    EXPECT_EQ(fingering(13), (KeySet{Left1}));                        // B4
    EXPECT_EQ(fingering(11), (KeySet{Left1, Left2}));                 // A4
    EXPECT_EQ(fingering(9), kLeftHand);                               // G4
    EXPECT_EQ(fingering(7), kLeftHand | KeySet{Right4});              // F4
    EXPECT_EQ(fingering(6), (kLeftHand | KeySet{Right4, Right5}));    // E4
    EXPECT_EQ(fingering(kD4), kBothHands);                            // D4
    EXPECT_EQ(fingering(8), kLeftHand | KeySet{Right5});              // F♯4
    EXPECT_EQ(fingering(10), kLeftHand | KeySet{PinkyGsharp});        // G♯4
    EXPECT_EQ(fingering(12), (KeySet{Left1, Bis}));                   // B♭4
    EXPECT_EQ(fingering(14), KeySet{Left2});                          // C5
    EXPECT_EQ(fingering(kCsharp5), KeySet());                         // C♯5
    // Below D the pinkies add one key each to all six fingers.
    EXPECT_EQ(fingering(5), kBothHands | KeySet{LowEflat});           // E♭4
    EXPECT_EQ(fingering(3), kBothHands | KeySet{PinkyCsharp});        // C♯4
    EXPECT_EQ(fingering(2), kBothHands | KeySet{LowC});               // C4
    EXPECT_EQ(fingering(1), kBothHands | KeySet{PinkyB});             // B3
    EXPECT_EQ(fingering(0), kBothHands | KeySet{PinkyBflat});         // B♭3
}

TEST(FingeringTable, TheSecondOctaveRepeatsTheFirstWithTheOctaveKey)
{
    for (std::size_t note = 0; note <= kCsharp5; ++note)
        EXPECT_FALSE(fingering(note).contains(Octave)) << "note " << note;
    for (std::size_t note = kD4; note <= kCsharp5; ++note)
        EXPECT_EQ(fingering(note + 12), fingering(note) | KeySet{Octave}) << "note " << note + 12;
}

TEST(FingeringTable, ThePalmKeysClimbOneKeyAtATime)
{
    EXPECT_EQ(fingering(kD6), (KeySet{Octave, PalmD}));
    const SaxKey added[] = {PalmEflat, SideE, PalmF, HighFsharp};
    for (std::size_t step = 0; step < std::size(added); ++step) {
        const std::size_t note = kD6 + 1 + step;
        EXPECT_FALSE(fingering(note - 1).contains(added[step])) << "note " << note;
        EXPECT_EQ(fingering(note), fingering(note - 1) | KeySet{added[step]}) << "note " << note;
    }
}

} // namespace
} // namespace tolvane::mediagen
