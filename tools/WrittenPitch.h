// What each note of the chart is, musically: the pitch written for the alto
// saxophone, the pitch that sounds (a major sixth lower, the instrument being
// in E♭) and the names the pictures print. Notes are counted as in the note
// table, lowest first; the first is written B♭3.
#pragma once

#include <cstddef>
#include <string>

namespace tolvane::mediagen {

enum class Letter { C, D, E, F, G, A, B };
enum class Accidental { Flat = -1, Natural = 0, Sharp = 1 };

struct WrittenPitch {
    Letter letter;
    Accidental accidental;
    int octave; // scientific: middle C is C4

    // Steps of the diatonic scale from C0, the height of the note on a staff.
    int diatonicStep() const { return octave * 7 + static_cast<int>(letter); }
};

WrittenPitch writtenPitchOf(std::size_t noteIndex);
// In hertz, at concert pitch A4 = 440 Hz.
double soundingFrequencyOf(std::size_t noteIndex);

// "Middle C♯": the register's name and the written pitch's letter.
std::string displayNameOf(std::size_t noteIndex);
// "C♯5": letter, accidental and octave.
std::string spell(const WrittenPitch& pitch);
// The concert pitch that sounds, as a player reads it off a piano ("E4").
std::string spellSounding(std::size_t noteIndex);

} // namespace tolvane::mediagen
