// The media catalogue as the chart must have it, written out by hand once:
// every picture accessor and every sound item with the file it reads. The
// tests hold the code to these rows, so they are kept apart from the tables
// the code itself reads and are never derived from them.
//
// The rows are X-lists, so that a test can reach the real accessor by its
// name (media::Low_Bflat, media::Low_Bflat1) as well as spell the name.
#pragma once

#include <array>
#include <string_view>

// The 48 note pictures lowest first, then the four that are not notes. The
// Top register is written TOP, and from Top E-flat up its pictures are
// numbered one below their place (41 twice, 47 the highest).
// X(pictureAccessor, file)
#define TOLVANE_REFERENCE_PICTURES(X) \
    X(Low_Bflat,     "01Low_Bflat.jpg") \
    X(Low_B,         "02Low_B.jpg") \
    X(Low_C,         "03Low_C.jpg") \
    X(Low_Csharp,    "04Low_Csharp.jpg") \
    X(Low_D,         "05Low_D.jpg") \
    X(Low_Eflat,     "06Low_Eflat.jpg") \
    X(Low_E,         "07Low_E.jpg") \
    X(Low_F,         "08Low_F.jpg") \
    X(Low_Fsharp,    "09Low_Fsharp.jpg") \
    X(Low_G,         "10Low_G.jpg") \
    X(Low_Aflat,     "11Low_Aflat.jpg") \
    X(Low_A,         "12Low_A.jpg") \
    X(Middle_Bflat,  "13Middle_Bflat.jpg") \
    X(Middle_B,      "14Middle_B.jpg") \
    X(Middle_C,      "15Middle_C.jpg") \
    X(Middle_Csharp, "16Middle_Csharp.jpg") \
    X(Middle_D,      "17Middle_D.jpg") \
    X(Middle_Eflat,  "18Middle_Eflat.jpg") \
    X(Middle_E,      "19Middle_E.jpg") \
    X(Middle_F,      "20Middle_F.jpg") \
    X(Middle_Fsharp, "21Middle_Fsharp.jpg") \
    X(Middle_G,      "22Middle_G.jpg") \
    X(Middle_Aflat,  "23Middle_Aflat.jpg") \
    X(Middle_A,      "24Middle_A.jpg") \
    X(High_Bflat,    "25High_Bflat.jpg") \
    X(High_B,        "26High_B.jpg") \
    X(High_C,        "27High_C.jpg") \
    X(High_Csharp,   "28High_Csharp.jpg") \
    X(High_D,        "29High_D.jpg") \
    X(High_Eflat,    "30High_Eflat.jpg") \
    X(High_E,        "31High_E.jpg") \
    X(High_F,        "32High_F.jpg") \
    X(High_Fsharp,   "33High_Fsharp.jpg") \
    X(High_G,        "34High_G.jpg") \
    X(High_Aflat,    "35High_Aflat.jpg") \
    X(High_A,        "36High_A.jpg") \
    X(TOP_Bflat,     "37TOP_Bflat.jpg") \
    X(TOP_B,         "38TOP_B.jpg") \
    X(TOP_C,         "39TOP_C.jpg") \
    X(TOP_Csharp,    "40TOP_Csharp.jpg") \
    X(TOP_D,         "41TOP_D.jpg") \
    X(TOP_Eflat,     "41TOP_Eflat.jpg") \
    X(TOP_E,         "42TOP_E.jpg") \
    X(TOP_F,         "43TOP_F.jpg") \
    X(TOP_Fsharp,    "44TOP_Fsharp.jpg") \
    X(TOP_G,         "45TOP_G.jpg") \
    X(TOP_Aflat,     "46TOP_Aflat.jpg") \
    X(TOP_A,         "47TOP_A.jpg") \
    X(AA_Keyboard,   "AA_Keyboard.gif") \
    X(saxleft,       "saxleft.jpg") \
    X(saxright,      "saxright.jpg") \
    X(intro,         "intro.jpg")

// The 48 recordings lowest first, numbered 01 to 48 without a step; the Top
// register is written Top.
// X(soundItem, file)
#define TOLVANE_REFERENCE_RECORDINGS(X) \
    X(Low_Bflat1,     "01Low_Bflat.mp3") \
    X(Low_B1,         "02Low_B.mp3") \
    X(Low_C1,         "03Low_C.mp3") \
    X(Low_Csharp1,    "04Low_Csharp.mp3") \
    X(Low_D1,         "05Low_D.mp3") \
    X(Low_Eflat1,     "06Low_Eflat.mp3") \
    X(Low_E1,         "07Low_E.mp3") \
    X(Low_F1,         "08Low_F.mp3") \
    X(Low_Fsharp1,    "09Low_Fsharp.mp3") \
    X(Low_G1,         "10Low_G.mp3") \
    X(Low_Aflat1,     "11Low_Aflat.mp3") \
    X(Low_A1,         "12Low_A.mp3") \
    X(Middle_Bflat1,  "13Middle_Bflat.mp3") \
    X(Middle_B1,      "14Middle_B.mp3") \
    X(Middle_C1,      "15Middle_C.mp3") \
    X(Middle_Csharp1, "16Middle_Csharp.mp3") \
    X(Middle_D1,      "17Middle_D.mp3") \
    X(Middle_Eflat1,  "18Middle_Eflat.mp3") \
    X(Middle_E1,      "19Middle_E.mp3") \
    X(Middle_F1,      "20Middle_F.mp3") \
    X(Middle_Fsharp1, "21Middle_Fsharp.mp3") \
    X(Middle_G1,      "22Middle_G.mp3") \
    X(Middle_Aflat1,  "23Middle_Aflat.mp3") \
    X(Middle_A1,      "24Middle_A.mp3") \
    X(High_Bflat1,    "25High_Bflat.mp3") \
    X(High_B1,        "26High_B.mp3") \
    X(High_C1,        "27High_C.mp3") \
    X(High_Csharp1,   "28High_Csharp.mp3") \
    X(High_D1,        "29High_D.mp3") \
    X(High_Eflat1,    "30High_Eflat.mp3") \
    X(High_E1,        "31High_E.mp3") \
    X(High_F1,        "32High_F.mp3") \
    X(High_Fsharp1,   "33High_Fsharp.mp3") \
    X(High_G1,        "34High_G.mp3") \
    X(High_Aflat1,    "35High_Aflat.mp3") \
    X(High_A1,        "36High_A.mp3") \
    X(Top_Bflat1,     "37Top_Bflat.mp3") \
    X(Top_B1,         "38Top_B.mp3") \
    X(Top_C1,         "39Top_C.mp3") \
    X(Top_Csharp1,    "40Top_Csharp.mp3") \
    X(Top_D1,         "41Top_D.mp3") \
    X(Top_Eflat1,     "42Top_Eflat.mp3") \
    X(Top_E1,         "43Top_E.mp3") \
    X(Top_F1,         "44Top_F.mp3") \
    X(Top_Fsharp1,    "45Top_Fsharp.mp3") \
    X(Top_G1,         "46Top_G.mp3") \
    X(Top_Aflat1,     "47Top_Aflat.mp3") \
    X(Top_A1,         "48Top_A.mp3")

namespace tolvane::reference {

struct AccessorFile {
    std::string_view accessor;
    std::string_view file;
};

#define TOLVANE_REFERENCE_ACCESSOR_FILE(accessor, file) {#accessor, file},
inline constexpr std::array<AccessorFile, 52> kPictureAccessorFiles{{
    TOLVANE_REFERENCE_PICTURES(TOLVANE_REFERENCE_ACCESSOR_FILE)
}};
inline constexpr std::array<AccessorFile, 48> kSoundItemFiles{{
    TOLVANE_REFERENCE_RECORDINGS(TOLVANE_REFERENCE_ACCESSOR_FILE)
}};
#undef TOLVANE_REFERENCE_ACCESSOR_FILE

} // namespace tolvane::reference
