#include "tools/WrittenPitch.h"

#include "media/NoteTable.h"

#include <array>
#include <cmath>
#include <string_view>

namespace tolvane::mediagen {
namespace {

constexpr int kFirstWrittenMidiNote = 58; // B♭3
constexpr int kTranspositionSemitones = -9;
constexpr double kConcertA = 440.0;
constexpr int kConcertAMidiNote = 69;

struct Spelling {
    Letter letter;
    Accidental accidental;
};

// The note table's pitch names in their order, B♭ first, as the chart spells
// them: flats for B♭, E♭ and A♭, sharps for C♯ and F♯.
constexpr std::array<Spelling, media::kPitchesPerRegister> kSpellings{{
    {Letter::B, Accidental::Flat},
    {Letter::B, Accidental::Natural},
    {Letter::C, Accidental::Natural},
    {Letter::C, Accidental::Sharp},
    {Letter::D, Accidental::Natural},
    {Letter::E, Accidental::Flat},
    {Letter::E, Accidental::Natural},
    {Letter::F, Accidental::Natural},
    {Letter::F, Accidental::Sharp},
    {Letter::G, Accidental::Natural},
    {Letter::A, Accidental::Flat},
    {Letter::A, Accidental::Natural},
}};

// Sounding pitches by pitch class, C first, spelled as a concert part would.
constexpr std::array<std::string_view, 12> kConcertNames{
    "C", "D♭", "D", "E♭", "E", "F", "G♭", "G", "A♭", "A", "B♭", "B"};

constexpr std::string_view kLetterNames = "CDEFGAB";

std::string_view accidentalSign(Accidental accidental)
{
    switch (accidental) {
    case Accidental::Flat:
        return "♭";
    case Accidental::Sharp:
        return "♯";
    case Accidental::Natural:
        break;
    }
    return "";
}

std::string letterAndSign(const WrittenPitch& pitch)
{
    std::string text(1, kLetterNames[static_cast<std::size_t>(pitch.letter)]);
    text += accidentalSign(pitch.accidental);
    return text;
}

int soundingMidiNoteOf(std::size_t noteIndex)
{
    return kFirstWrittenMidiNote + static_cast<int>(noteIndex) + kTranspositionSemitones;
}

} // namespace

WrittenPitch writtenPitchOf(std::size_t noteIndex)
{
    const Spelling spelling = kSpellings[media::pitchOf(noteIndex)];
    const int midiNote = kFirstWrittenMidiNote + static_cast<int>(noteIndex);
    // The octave is the natural letter's: C♭ and B♯ never occur here.
    const int naturalNote = midiNote - static_cast<int>(spelling.accidental);
    return {spelling.letter, spelling.accidental, naturalNote / 12 - 1};
}

double soundingFrequencyOf(std::size_t noteIndex)
{
    return kConcertA * std::exp2((soundingMidiNoteOf(noteIndex) - kConcertAMidiNote) / 12.0);
}

std::string displayNameOf(std::size_t noteIndex)
{
    std::string name(media::kRegisterNames[media::registerOf(noteIndex)]);
    name += ' ';
    name += letterAndSign(writtenPitchOf(noteIndex));
    return name;
}

std::string spell(const WrittenPitch& pitch)
{
    return letterAndSign(pitch) + std::to_string(pitch.octave);
}

std::string spellSounding(std::size_t noteIndex)
{
    const int midiNote = soundingMidiNoteOf(noteIndex);
    std::string text(kConcertNames[static_cast<std::size_t>(midiNote % 12)]);
    return text + std::to_string(midiNote / 12 - 1);
}

} // namespace tolvane::mediagen
