// The chart window's 52 controls in the order in which the window creates
// them: the one list from which the controls, their property lists, their
// accessors, the key handlers and the key-to-note binding are expanded.
//
// WELL(name, left, top, width, height, tabIndex, pictureAtOpen, handler)
// LABEL(name, left, top, width, height, tabIndex, handler, pictureAccessor, soundItem)
//
// Coordinates are the window's, also for the labels, whose parent is
// ImageWell2. The label numbers follow neither the keyboard nor the creation
// order, and no label bears the number 47: a label is bound to its note by its
// row here and nowhere else.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#define TOLVANE_FOR_EACH_CONTROL(WELL, LABEL) \
    WELL(ImageWell2,  9,   722, 995, 191, 13, AA_Keyboard, ImageWell2_KeyDown) \
    LABEL(Label1,  191, 829, 19, 68, 0,  Label1_MouseDown,  Low_B,         Low_B1) \
    LABEL(Label2,  214, 829, 23, 68, 1,  Label2_MouseDown,  Low_C,         Low_C1) \
    LABEL(Label3,  183, 748, 9,  76, 2,  Label3_MouseDown,  Low_Bflat,     Low_Bflat1) \
    LABEL(Label4,  243, 829, 23, 68, 3,  Label4_MouseDown,  Low_D,         Low_D1) \
    LABEL(Label5,  272, 829, 18, 68, 4,  Label5_MouseDown,  Low_E,         Low_E1) \
    LABEL(Label6,  236, 748, 10, 76, 5,  Label6_MouseDown,  Low_Csharp,    Low_Csharp1) \
    LABEL(Label7,  264, 748, 9,  76, 6,  Label7_MouseDown,  Low_Eflat,     Low_Eflat1) \
    LABEL(Label8,  296, 829, 22, 68, 7,  Label8_MouseDown,  Low_F,         Low_F1) \
    LABEL(Label9,  317, 748, 9,  76, 8,  Label9_MouseDown,  Low_Fsharp,    Low_Fsharp1) \
    LABEL(Label10, 324, 829, 22, 68, 9,  Label10_MouseDown, Low_G,         Low_G1) \
    LABEL(Label11, 344, 748, 9,  76, 10, Label11_MouseDown, Low_Aflat,     Low_Aflat1) \
    LABEL(Label12, 351, 829, 23, 68, 11, Label12_MouseDown, Low_A,         Low_A1) \
    LABEL(Label13, 372, 748, 8,  76, 12, Label13_MouseDown, Middle_Bflat,  Middle_Bflat1) \
    LABEL(Label14, 379, 829, 18, 68, 13, Label14_MouseDown, Middle_B,      Middle_B1) \
    LABEL(Label15, 403, 829, 22, 68, 14, Label15_MouseDown, Middle_C,      Middle_C1) \
    LABEL(Label16, 425, 748, 8,  76, 15, Label16_MouseDown, Middle_Csharp, Middle_Csharp1) \
    LABEL(Label18, 430, 829, 24, 68, 17, Label18_MouseDown, Middle_D,      Middle_D1) \
    LABEL(Label19, 459, 829, 19, 68, 18, Label19_MouseDown, Middle_E,      Middle_E1) \
    LABEL(Label20, 484, 829, 22, 68, 19, Label20_MouseDown, Middle_F,      Middle_F1) \
    LABEL(Label17, 452, 749, 8,  76, 21, Label17_MouseDown, Middle_Eflat,  Middle_Eflat1) \
    LABEL(Label21, 506, 750, 8,  76, 22, Label21_MouseDown, Middle_Fsharp, Middle_Fsharp1) \
    LABEL(Label22, 533, 750, 8,  76, 23, Label22_MouseDown, Middle_Aflat,  Middle_Aflat1) \
    LABEL(Label23, 560, 750, 8,  76, 24, Label23_MouseDown, High_Bflat,    High_Bflat1) \
    LABEL(Label24, 613, 750, 8,  76, 25, Label24_MouseDown, High_Csharp,   High_Csharp1) \
    LABEL(Label25, 640, 750, 8,  76, 26, Label25_MouseDown, High_Eflat,    High_Eflat1) \
    LABEL(Label27, 512, 829, 20, 68, 28, Label27_MouseDown, Middle_G,      Middle_G1) \
    LABEL(Label28, 540, 829, 21, 68, 29, Label28_MouseDown, Middle_A,      Middle_A1) \
    LABEL(Label29, 567, 829, 22, 68, 30, Label29_MouseDown, High_B,        High_B1) \
    LABEL(Label30, 595, 829, 18, 68, 31, Label30_MouseDown, High_C,        High_C1) \
    LABEL(Label31, 619, 829, 23, 68, 32, Label31_MouseDown, High_D,        High_D1) \
    LABEL(Label32, 646, 829, 20, 68, 33, Label32_MouseDown, High_E,        High_E1) \
    LABEL(Label26, 694, 750, 8,  76, 34, Label26_MouseDown, High_Fsharp,   High_Fsharp1) \
    LABEL(Label33, 721, 751, 8,  76, 35, Label33_MouseDown, High_Aflat,    High_Aflat1) \
    LABEL(Label34, 748, 751, 8,  76, 36, Label34_MouseDown, TOP_Bflat,     Top_Bflat1) \
    LABEL(Label35, 801, 751, 8,  76, 37, Label35_MouseDown, TOP_Csharp,    Top_Csharp1) \
    LABEL(Label36, 829, 751, 8,  76, 38, Label36_MouseDown, TOP_Eflat,     Top_Eflat1) \
    LABEL(Label37, 674, 829, 21, 67, 39, Label37_MouseDown, High_F,        High_F1) \
    LABEL(Label38, 701, 829, 20, 67, 40, Label38_MouseDown, High_G,        High_G1) \
    LABEL(Label39, 727, 829, 22, 67, 41, Label39_MouseDown, High_A,        High_A1) \
    LABEL(Label40, 755, 829, 22, 67, 42, Label40_MouseDown, TOP_B,         Top_B1) \
    LABEL(Label41, 781, 829, 21, 68, 43, Label41_MouseDown, TOP_C,         Top_C1) \
    LABEL(Label42, 808, 829, 21, 67, 44, Label42_MouseDown, TOP_D,         Top_D1) \
    LABEL(Label43, 835, 829, 20, 67, 45, Label43_MouseDown, TOP_E,         Top_E1) \
    LABEL(Label44, 861, 829, 22, 67, 46, Label44_MouseDown, TOP_F,         Top_F1) \
    LABEL(Label45, 882, 750, 8,  76, 47, Label45_MouseDown, TOP_Fsharp,    Top_Fsharp1) \
    LABEL(Label46, 909, 750, 8,  76, 48, Label46_MouseDown, TOP_Aflat,     Top_Aflat1) \
    LABEL(Label48, 889, 829, 21, 68, 50, Label48_MouseDown, TOP_G,         Top_G1) \
    LABEL(Label49, 916, 829, 20, 68, 51, Label49_MouseDown, TOP_A,         Top_A1) \
    WELL(ImageWell1,  299, 8,   415, 706, 0,  intro,       NoHandler) \
    WELL(ImageWell3,  5,   9,   290, 705, 14, saxleft,     NoHandler) \
    WELL(ImageWell4,  718, 9,   290, 705, 15, saxright,    NoHandler)

namespace tolvane::chart {

inline constexpr std::size_t kControlCount = 52;
inline constexpr std::size_t kLabelCount = 48;
// _CreateControls0 creates positions 1 to 30, _CreateControls1 the rest.
inline constexpr std::size_t kFirstBatchSize = 30;

enum class ControlKind : std::uint8_t { ImageWell, Label };

struct Rect {
    std::int32_t left, top, width, height;
    constexpr std::int32_t right() const { return left + width; }
    constexpr std::int32_t bottom() const { return top + height; }
};

// One control as plain data, for code that walks the controls (the encoder
// of the property lists, the media generator, the tests).
struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    Rect rect;
    std::int32_t tabIndex;
    std::string_view handler;         // empty: no handler is bound
    std::string_view pictureAccessor; // wells: the picture at open; labels: the note's picture
    std::string_view soundItem;       // labels only
};

inline constexpr std::array<ControlLayout, kControlCount> kControls{{
#define TOLVANE_LAYOUT_WELL(name, l, t, w, h, tab, picture, handler) \
    {#name, ControlKind::ImageWell, {l, t, w, h}, tab, \
     std::string_view(#handler) == "NoHandler" ? std::string_view() : std::string_view(#handler), #picture, {}},
#define TOLVANE_LAYOUT_LABEL(name, l, t, w, h, tab, handler, picture, sound) \
    {#name, ControlKind::Label, {l, t, w, h}, tab, #handler, #picture, #sound},
    TOLVANE_FOR_EACH_CONTROL(TOLVANE_LAYOUT_WELL, TOLVANE_LAYOUT_LABEL)
#undef TOLVANE_LAYOUT_WELL
#undef TOLVANE_LAYOUT_LABEL
}};

// The window's own values.
inline constexpr std::int32_t kWindowWidth = 1013;
inline constexpr std::int32_t kWindowHeight = 917;
inline constexpr std::string_view kWindowTitle = "Tolvane";
inline constexpr std::string_view kKeyboardWell = "ImageWell2";
inline constexpr std::string_view kCentreWell = "ImageWell1";

} // namespace tolvane::chart
