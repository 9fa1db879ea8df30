#include "tools/FingeringTable.h"

#include "media/NoteTable.h"

#include <iterator>

namespace tolvane::mediagen {
namespace {

using enum SaxKey;

// The six main keys are the fingers' own; most fingerings start from them.
constexpr KeySet kLeftHand{Left1, Left2, Left3};
constexpr KeySet kBothHands{Left1, Left2, Left3, Right4, Right5, Right6};

// Every row is written out, the second octave too, so that the rules the
// tests check (the upper octave repeats the lower one with the octave key)
// are a property of the data rather than of the code that reads it.
constexpr KeySet kFingerings[] = {
    kBothHands | KeySet{PinkyBflat},                      // B♭3
    kBothHands | KeySet{PinkyB},                          // B3
    kBothHands | KeySet{LowC},                            // C4
    kBothHands | KeySet{PinkyCsharp},                     // C♯4
    kBothHands,                                           // D4
    kBothHands | KeySet{LowEflat},                        // E♭4
    kLeftHand | KeySet{Right4, Right5},                   // E4
    kLeftHand | KeySet{Right4},                           // F4
    kLeftHand | KeySet{Right5},                           // F♯4
    kLeftHand,                                            // G4
    kLeftHand | KeySet{PinkyGsharp},                      // G♯4
    KeySet{Left1, Left2},                                 // A4
    KeySet{Left1, Bis},                                   // B♭4
    KeySet{Left1},                                        // B4
    KeySet{Left2},                                        // C5
    KeySet{},                                             // C♯5
    KeySet{Octave} | kBothHands,                          // D5
    KeySet{Octave, LowEflat} | kBothHands,                // E♭5
    KeySet{Octave, Right4, Right5} | kLeftHand,           // E5
    KeySet{Octave, Right4} | kLeftHand,                   // F5
    KeySet{Octave, Right5} | kLeftHand,                   // F♯5
    KeySet{Octave} | kLeftHand,                           // G5
    KeySet{Octave, PinkyGsharp} | kLeftHand,              // G♯5
    KeySet{Octave, Left1, Left2},                         // A5
    KeySet{Octave, Left1, Bis},                           // B♭5
    KeySet{Octave, Left1},                                // B5
    KeySet{Octave, Left2},                                // C6
    KeySet{Octave},                                       // C♯6
    KeySet{Octave, PalmD},                                // D6
    KeySet{Octave, PalmD, PalmEflat},                     // E♭6
    KeySet{Octave, PalmD, PalmEflat, SideE},              // E6
    KeySet{Octave, PalmD, PalmEflat, SideE, PalmF},       // F6
    KeySet{Octave, PalmD, PalmEflat, SideE, PalmF, HighFsharp}, // F♯6
};
static_assert(std::size(kFingerings) == kNormalRangeNoteCount, "one row per note of the normal range");
static_assert(media::kNoteFiles[kNormalRangeNoteCount - 1].pictureAccessor == "High_Fsharp",
              "the normal range ends at written F♯6; the chart's higher notes are altissimo");

} // namespace

std::optional<KeySet> fingeringOf(std::size_t noteIndex)
{
    if (noteIndex >= std::size(kFingerings))
        return std::nullopt;
    return kFingerings[noteIndex];
}

} // namespace tolvane::mediagen
