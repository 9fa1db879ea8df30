// The chart window's layout as the tests expect it, written out by hand once
// and deliberately kept apart from the tables the program reads: a wrong
// value in the program's tables must disagree with this copy.
//
// Rows that name media or handlers are X-lists, so that a test can reach the
// real accessor or handler by its name (media::Low_Bflat, Window1::
// Label3_MouseDown) as well as spell the name.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The 48 key labels from the left end of the keyboard to the right (the
// lowest note first):
// X(label, created, left, top, width, height, tabIndex, listBytes,
//   handler, pictureAccessor, soundAccessor)
// created counts all 52 controls from 1; listBytes is the length of the
// label's encoded property list.
#define TOLVANE_REFERENCE_KEY_LABELS(X) \
    X(Label3,   4, 183, 748,  9, 76,  2, 355, Label3_MouseDown,  Low_Bflat,     Low_Bflat1) \
    X(Label1,   2, 191, 829, 19, 68,  0, 355, Label1_MouseDown,  Low_B,         Low_B1) \
    X(Label2,   3, 214, 829, 23, 68,  1, 355, Label2_MouseDown,  Low_C,         Low_C1) \
    X(Label6,   7, 236, 748, 10, 76,  5, 355, Label6_MouseDown,  Low_Csharp,    Low_Csharp1) \
    X(Label4,   5, 243, 829, 23, 68,  3, 355, Label4_MouseDown,  Low_D,         Low_D1) \
    X(Label7,   8, 264, 748,  9, 76,  6, 355, Label7_MouseDown,  Low_Eflat,     Low_Eflat1) \
    X(Label5,   6, 272, 829, 18, 68,  4, 355, Label5_MouseDown,  Low_E,         Low_E1) \
    X(Label8,   9, 296, 829, 22, 68,  7, 355, Label8_MouseDown,  Low_F,         Low_F1) \
    X(Label9,  10, 317, 748,  9, 76,  8, 355, Label9_MouseDown,  Low_Fsharp,    Low_Fsharp1) \
    X(Label10, 11, 324, 829, 22, 68,  9, 356, Label10_MouseDown, Low_G,         Low_G1) \
    X(Label11, 12, 344, 748,  9, 76, 10, 356, Label11_MouseDown, Low_Aflat,     Low_Aflat1) \
    X(Label12, 13, 351, 829, 23, 68, 11, 356, Label12_MouseDown, Low_A,         Low_A1) \
    X(Label13, 14, 372, 748,  8, 76, 12, 356, Label13_MouseDown, Middle_Bflat,  Middle_Bflat1) \
    X(Label14, 15, 379, 829, 18, 68, 13, 356, Label14_MouseDown, Middle_B,      Middle_B1) \
    X(Label15, 16, 403, 829, 22, 68, 14, 356, Label15_MouseDown, Middle_C,      Middle_C1) \
    X(Label16, 17, 425, 748,  8, 76, 15, 356, Label16_MouseDown, Middle_Csharp, Middle_Csharp1) \
    X(Label18, 18, 430, 829, 24, 68, 17, 356, Label18_MouseDown, Middle_D,      Middle_D1) \
    X(Label17, 21, 452, 749,  8, 76, 21, 356, Label17_MouseDown, Middle_Eflat,  Middle_Eflat1) \
    X(Label19, 19, 459, 829, 19, 68, 18, 356, Label19_MouseDown, Middle_E,      Middle_E1) \
    X(Label20, 20, 484, 829, 22, 68, 19, 356, Label20_MouseDown, Middle_F,      Middle_F1) \
    X(Label21, 22, 506, 750,  8, 76, 22, 356, Label21_MouseDown, Middle_Fsharp, Middle_Fsharp1) \
    X(Label27, 27, 512, 829, 20, 68, 28, 356, Label27_MouseDown, Middle_G,      Middle_G1) \
    X(Label22, 23, 533, 750,  8, 76, 23, 356, Label22_MouseDown, Middle_Aflat,  Middle_Aflat1) \
    X(Label28, 28, 540, 829, 21, 68, 29, 356, Label28_MouseDown, Middle_A,      Middle_A1) \
    X(Label23, 24, 560, 750,  8, 76, 24, 356, Label23_MouseDown, High_Bflat,    High_Bflat1) \
    X(Label29, 29, 567, 829, 22, 68, 30, 356, Label29_MouseDown, High_B,        High_B1) \
    X(Label30, 30, 595, 829, 18, 68, 31, 356, Label30_MouseDown, High_C,        High_C1) \
    X(Label24, 25, 613, 750,  8, 76, 25, 356, Label24_MouseDown, High_Csharp,   High_Csharp1) \
    X(Label31, 31, 619, 829, 23, 68, 32, 356, Label31_MouseDown, High_D,        High_D1) \
    X(Label25, 26, 640, 750,  8, 76, 26, 356, Label25_MouseDown, High_Eflat,    High_Eflat1) \
    X(Label32, 32, 646, 829, 20, 68, 33, 356, Label32_MouseDown, High_E,        High_E1) \
    X(Label37, 38, 674, 829, 21, 67, 39, 356, Label37_MouseDown, High_F,        High_F1) \
    X(Label26, 33, 694, 750,  8, 76, 34, 356, Label26_MouseDown, High_Fsharp,   High_Fsharp1) \
    X(Label38, 39, 701, 829, 20, 67, 40, 356, Label38_MouseDown, High_G,        High_G1) \
    X(Label33, 34, 721, 751,  8, 76, 35, 356, Label33_MouseDown, High_Aflat,    High_Aflat1) \
    X(Label39, 40, 727, 829, 22, 67, 41, 356, Label39_MouseDown, High_A,        High_A1) \
    X(Label34, 35, 748, 751,  8, 76, 36, 356, Label34_MouseDown, TOP_Bflat,     Top_Bflat1) \
    X(Label40, 41, 755, 829, 22, 67, 42, 356, Label40_MouseDown, TOP_B,         Top_B1) \
    X(Label41, 42, 781, 829, 21, 68, 43, 356, Label41_MouseDown, TOP_C,         Top_C1) \
    X(Label35, 36, 801, 751,  8, 76, 37, 356, Label35_MouseDown, TOP_Csharp,    Top_Csharp1) \
    X(Label42, 43, 808, 829, 21, 67, 44, 356, Label42_MouseDown, TOP_D,         Top_D1) \
    X(Label36, 37, 829, 751,  8, 76, 38, 356, Label36_MouseDown, TOP_Eflat,     Top_Eflat1) \
    X(Label43, 44, 835, 829, 20, 67, 45, 356, Label43_MouseDown, TOP_E,         Top_E1) \
    X(Label44, 45, 861, 829, 22, 67, 46, 356, Label44_MouseDown, TOP_F,         Top_F1) \
    X(Label45, 46, 882, 750,  8, 76, 47, 356, Label45_MouseDown, TOP_Fsharp,    Top_Fsharp1) \
    X(Label48, 48, 889, 829, 21, 68, 50, 356, Label48_MouseDown, TOP_G,         Top_G1) \
    X(Label46, 47, 909, 750,  8, 76, 48, 356, Label46_MouseDown, TOP_Aflat,     Top_Aflat1) \
    X(Label49, 49, 916, 829, 20, 68, 51, 356, Label49_MouseDown, TOP_A,         Top_A1)

// The four image wells in creation order:
// X(well, created, left, top, width, height, tabIndex, listBytes, pictureAtOpen, handler)
// handler is a string, empty for the three wells that have none.
#define TOLVANE_REFERENCE_WELLS(X) \
    X(ImageWell2,  1,   9, 722, 995, 191, 13, 213, AA_Keyboard, "ImageWell2_KeyDown") \
    X(ImageWell1, 50, 299,   8, 415, 706,  0, 213, intro,       "") \
    X(ImageWell3, 51,   5,   9, 290, 705, 14, 213, saxleft,     "") \
    X(ImageWell4, 52, 718,   9, 290, 705, 15, 213, saxright,    "")

namespace tolvane::reference {

enum class ControlClass : std::uint8_t { ImageWell, Label };

// One control as plain data.
struct ControlRow {
    std::string_view name;
    ControlClass kind;
    std::size_t created; // 1 to 52
    std::int32_t left, top, width, height;
    std::int32_t tabIndex;
    std::size_t listBytes;
    std::string_view handler; // empty: none
    std::string_view picture; // a well's picture at open, a label's note picture
    std::string_view sound;   // a label's note recording
};

inline constexpr std::array<ControlRow, 48> kKeyLabels{{
#define TOLVANE_REFERENCE_LABEL_ROW(name, created, l, t, w, h, tab, bytes, handler, picture, sound) \
    {#name, ControlClass::Label, created, l, t, w, h, tab, bytes, #handler, #picture, #sound},
    TOLVANE_REFERENCE_KEY_LABELS(TOLVANE_REFERENCE_LABEL_ROW)
#undef TOLVANE_REFERENCE_LABEL_ROW
}};

inline constexpr std::array<ControlRow, 4> kWells{{
#define TOLVANE_REFERENCE_WELL_ROW(name, created, l, t, w, h, tab, bytes, picture, handler) \
    {#name, ControlClass::ImageWell, created, l, t, w, h, tab, bytes, handler, #picture, {}},
    TOLVANE_REFERENCE_WELLS(TOLVANE_REFERENCE_WELL_ROW)
#undef TOLVANE_REFERENCE_WELL_ROW
}};

// All 52 controls: the wells, then the labels.
inline constexpr std::array<ControlRow, 52> kControls = [] {
    std::array<ControlRow, 52> all{};
    std::copy(kWells.begin(), kWells.end(), all.begin());
    std::copy(kKeyLabels.begin(), kKeyLabels.end(), all.begin() + kWells.size());
    return all;
}();

// The window's own row.
struct WindowRow {
    std::int32_t width, height;
    std::string_view title;
    std::size_t listBytes;
};
inline constexpr WindowRow kWindow{1013, 917, "Tolvane", 274};

// Whole lists, byte for byte: the window's, the keyboard well's and the first
// label's. Adjacent literals keep a hex escape from running into the text
// after it.
using namespace std::string_view_literals;

inline constexpr std::string_view kWindowList =
    "Placement \0\0\0\0" "Width \0\0\x03\xF5" "Height \0\0\x03\x95" "MinWidth \0\0\0\x40" "MinHeight \0\0\0\x40"
    "MaxWidth \0\0\x7D\0" "MaxHeight \0\0\x7D\0" "Frame \0\0\0\0" "Composite \0" "HasBackColor \0"
    "BackColor \xFF\xFF\xFF" "Title \0\0\0\x07" "Tolvane" "Visible \x01" "FullScreen \0" "MenuBarVisible \x01"
    "CloseButton \0" "Resizeable \0" "LiveResize \0" "MaximizeButton \0" "MinimizeButton \0"
    "MacProcID \0\0\0\0"sv;

inline constexpr std::string_view kImageWell2List =
    "Name \0\0\0\x0A" "ImageWell2" "Index \x80\0\0\0" "Left \0\0\0\x09" "Top \0\0\x02\xD2"
    "Width \0\0\x03\xE3" "Height \0\0\0\xBF"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\x0D"
    "TabStop \x01" "InitialParent \0\0\0\0" "Visible \x01" "HelpTag \0\0\0\0" "AutoDeactivate \x01"
    "Enabled \x01"sv;

inline constexpr std::string_view kLabel1List =
    "Name \0\0\0\x06" "Label1" "Index \x80\0\0\0" "Left \0\0\0\xBF" "Top \0\0\x03\x3D"
    "Width \0\0\0\x13" "Height \0\0\0\x44"
    "LockLeft \x01" "LockTop \x01" "LockRight \0" "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\0"
    "Text \0\0\0\0" "TextAlign \0\0\0\0" "TextColor \0\0\0" "Multiline \0" "Enabled \x01" "Visible \x01"
    "Selectable \0" "Transparent \0" "HelpTag \0\0\0\0" "AutoDeactivate \x01" "TextFont \0\0\0\x06" "System"
    "Bold \0" "Italic \0" "Underline \0" "DataSource \0\0\0\0" "DataField \0\0\0\0"
    "InitialParent \0\0\0\x0A" "ImageWell2"sv;

} // namespace tolvane::reference
