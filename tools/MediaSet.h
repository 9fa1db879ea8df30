// The whole sample media set, written into one folder: the 48 note pictures
// and recordings under the note table's names, the keyboard, the two
// saxophones and the opening picture. Needs a running QGuiApplication.
#pragma once

#include <filesystem>
#include <string_view>

namespace tolvane::mediagen {

inline constexpr std::string_view kKeyboardFile = "AA_Keyboard.gif";
inline constexpr std::string_view kSaxophoneLeftFile = "saxleft.jpg";
inline constexpr std::string_view kSaxophoneRightFile = "saxright.jpg";
inline constexpr std::string_view kIntroFile = "intro.jpg";

// Creates the folder when needed and replaces the files it holds. Throws
// std::runtime_error when a file cannot be made or written.
void writeMediaSet(const std::filesystem::path& folder);

} // namespace tolvane::mediagen
