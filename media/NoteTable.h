// The 48 notes of the chart, lowest first: the one list from which the picture
// accessors, the sound items, their file names and the shut-down releases are
// all expanded. Each register runs chromatically from B-flat up to A.
//
// X(pictureAccessor, pictureFile, soundItem, soundFile)
//
// The picture files of the Top register are numbered one below their
// recordings from Top E-flat upward ("41TOP_D.jpg" and "41TOP_Eflat.jpg" both
// carry 41; Top A's picture is 47, its recording 48): the names are the
// bundle's, so they stand here literally rather than being computed.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#define TOLVANE_FOR_EACH_NOTE(X) \
    X(Low_Bflat,     "01Low_Bflat.jpg",      Low_Bflat1,     "01Low_Bflat.mp3") \
    X(Low_B,         "02Low_B.jpg",          Low_B1,         "02Low_B.mp3") \
    X(Low_C,         "03Low_C.jpg",          Low_C1,         "03Low_C.mp3") \
    X(Low_Csharp,    "04Low_Csharp.jpg",     Low_Csharp1,    "04Low_Csharp.mp3") \
    X(Low_D,         "05Low_D.jpg",          Low_D1,         "05Low_D.mp3") \
    X(Low_Eflat,     "06Low_Eflat.jpg",      Low_Eflat1,     "06Low_Eflat.mp3") \
    X(Low_E,         "07Low_E.jpg",          Low_E1,         "07Low_E.mp3") \
    X(Low_F,         "08Low_F.jpg",          Low_F1,         "08Low_F.mp3") \
    X(Low_Fsharp,    "09Low_Fsharp.jpg",     Low_Fsharp1,    "09Low_Fsharp.mp3") \
    X(Low_G,         "10Low_G.jpg",          Low_G1,         "10Low_G.mp3") \
    X(Low_Aflat,     "11Low_Aflat.jpg",      Low_Aflat1,     "11Low_Aflat.mp3") \
    X(Low_A,         "12Low_A.jpg",          Low_A1,         "12Low_A.mp3") \
    X(Middle_Bflat,  "13Middle_Bflat.jpg",   Middle_Bflat1,  "13Middle_Bflat.mp3") \
    X(Middle_B,      "14Middle_B.jpg",       Middle_B1,      "14Middle_B.mp3") \
    X(Middle_C,      "15Middle_C.jpg",       Middle_C1,      "15Middle_C.mp3") \
    X(Middle_Csharp, "16Middle_Csharp.jpg",  Middle_Csharp1, "16Middle_Csharp.mp3") \
    X(Middle_D,      "17Middle_D.jpg",       Middle_D1,      "17Middle_D.mp3") \
    X(Middle_Eflat,  "18Middle_Eflat.jpg",   Middle_Eflat1,  "18Middle_Eflat.mp3") \
    X(Middle_E,      "19Middle_E.jpg",       Middle_E1,      "19Middle_E.mp3") \
    X(Middle_F,      "20Middle_F.jpg",       Middle_F1,      "20Middle_F.mp3") \
    X(Middle_Fsharp, "21Middle_Fsharp.jpg",  Middle_Fsharp1, "21Middle_Fsharp.mp3") \
    X(Middle_G,      "22Middle_G.jpg",       Middle_G1,      "22Middle_G.mp3") \
    X(Middle_Aflat,  "23Middle_Aflat.jpg",   Middle_Aflat1,  "23Middle_Aflat.mp3") \
    X(Middle_A,      "24Middle_A.jpg",       Middle_A1,      "24Middle_A.mp3") \
    X(High_Bflat,    "25High_Bflat.jpg",     High_Bflat1,    "25High_Bflat.mp3") \
    X(High_B,        "26High_B.jpg",         High_B1,        "26High_B.mp3") \
    X(High_C,        "27High_C.jpg",         High_C1,        "27High_C.mp3") \
    X(High_Csharp,   "28High_Csharp.jpg",    High_Csharp1,   "28High_Csharp.mp3") \
    X(High_D,        "29High_D.jpg",         High_D1,        "29High_D.mp3") \
    X(High_Eflat,    "30High_Eflat.jpg",     High_Eflat1,    "30High_Eflat.mp3") \
    X(High_E,        "31High_E.jpg",         High_E1,        "31High_E.mp3") \
    X(High_F,        "32High_F.jpg",         High_F1,        "32High_F.mp3") \
    X(High_Fsharp,   "33High_Fsharp.jpg",    High_Fsharp1,   "33High_Fsharp.mp3") \
    X(High_G,        "34High_G.jpg",         High_G1,        "34High_G.mp3") \
    X(High_Aflat,    "35High_Aflat.jpg",     High_Aflat1,    "35High_Aflat.mp3") \
    X(High_A,        "36High_A.jpg",         High_A1,        "36High_A.mp3") \
    X(TOP_Bflat,     "37TOP_Bflat.jpg",      Top_Bflat1,     "37Top_Bflat.mp3") \
    X(TOP_B,         "38TOP_B.jpg",          Top_B1,         "38Top_B.mp3") \
    X(TOP_C,         "39TOP_C.jpg",          Top_C1,         "39Top_C.mp3") \
    X(TOP_Csharp,    "40TOP_Csharp.jpg",     Top_Csharp1,    "40Top_Csharp.mp3") \
    X(TOP_D,         "41TOP_D.jpg",          Top_D1,         "41Top_D.mp3") \
    X(TOP_Eflat,     "41TOP_Eflat.jpg",      Top_Eflat1,     "42Top_Eflat.mp3") \
    X(TOP_E,         "42TOP_E.jpg",          Top_E1,         "43Top_E.mp3") \
    X(TOP_F,         "43TOP_F.jpg",          Top_F1,         "44Top_F.mp3") \
    X(TOP_Fsharp,    "44TOP_Fsharp.jpg",     Top_Fsharp1,    "45Top_Fsharp.mp3") \
    X(TOP_G,         "45TOP_G.jpg",          Top_G1,         "46Top_G.mp3") \
    X(TOP_Aflat,     "46TOP_Aflat.jpg",      Top_Aflat1,     "47Top_Aflat.mp3") \
    X(TOP_A,         "47TOP_A.jpg",          Top_A1,         "48Top_A.mp3")

namespace tolvane::media {

inline constexpr std::size_t kNoteCount = 48;
inline constexpr std::size_t kPitchesPerRegister = 12;

inline constexpr std::array<std::string_view, 4> kRegisterNames{"Low", "Middle", "High", "Top"};
inline constexpr std::array<std::string_view, kPitchesPerRegister> kPitchNames{
    "Bflat", "B", "C", "Csharp", "D", "Eflat", "E", "F", "Fsharp", "G", "Aflat", "A"};

// One row of the note table as data, for code that walks the notes rather
// than naming them (the media generator, the tests).
struct NoteFiles {
    std::string_view pictureAccessor;
    std::string_view pictureFile;
    std::string_view soundItem;
    std::string_view soundFile;
};

inline constexpr std::array<NoteFiles, kNoteCount> kNoteFiles{{
#define TOLVANE_NOTE_ROW(picture, pictureFile, sound, soundFile) {#picture, pictureFile, #sound, soundFile},
    TOLVANE_FOR_EACH_NOTE(TOLVANE_NOTE_ROW)
#undef TOLVANE_NOTE_ROW
}};

// A note's register and pitch follow from its place in the table.
constexpr std::size_t registerOf(std::size_t noteIndex) { return noteIndex / kPitchesPerRegister; }
constexpr std::size_t pitchOf(std::size_t noteIndex) { return noteIndex % kPitchesPerRegister; }

} // namespace tolvane::media
