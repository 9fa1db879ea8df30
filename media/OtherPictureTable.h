// The four pictures of the chart that are not notes: the keyboard along the
// bottom, a saxophone at either side and the opening picture of the centre.
// Like the note table, the one list from which their accessors, the media
// generator and the build's list of bundle files are all expanded.
//
// X(pictureAccessor, pictureFile)
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#define TOLVANE_FOR_EACH_OTHER_PICTURE(X) \
    X(AA_Keyboard, "AA_Keyboard.gif") \
    X(saxleft,     "saxleft.jpg") \
    X(saxright,    "saxright.jpg") \
    X(intro,       "intro.jpg")

namespace tolvane::media {

inline constexpr std::size_t kOtherPictureCount = 4;

struct OtherPictureFile {
    std::string_view pictureAccessor;
    std::string_view pictureFile;
};

inline constexpr std::array<OtherPictureFile, kOtherPictureCount> kOtherPictureFiles{{
#define TOLVANE_OTHER_PICTURE_ROW(picture, pictureFile) {#picture, pictureFile},
    TOLVANE_FOR_EACH_OTHER_PICTURE(TOLVANE_OTHER_PICTURE_ROW)
#undef TOLVANE_OTHER_PICTURE_ROW
}};
#define TOLVANE_COUNT_OTHER_PICTURE(picture, pictureFile) +1
static_assert(0 TOLVANE_FOR_EACH_OTHER_PICTURE(TOLVANE_COUNT_OTHER_PICTURE) == kOtherPictureCount);
#undef TOLVANE_COUNT_OTHER_PICTURE

// The file of the picture an accessor shows, for code that names the picture
// by its accessor; a name that is no accessor's does not compile.
consteval std::string_view otherPictureFileOf(std::string_view pictureAccessor)
{
    for (const OtherPictureFile& row : kOtherPictureFiles) {
        if (row.pictureAccessor == pictureAccessor)
            return row.pictureFile;
    }
    throw "no picture accessor of that name";
}

} // namespace tolvane::media
