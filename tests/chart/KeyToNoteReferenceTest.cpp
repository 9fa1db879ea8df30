// A real press on each key, from the left end of the keyboard to the right,
// against the reference: the centre well shows the picture of the accessor
// the key's row names and the recording of the row's sound accessor plays,
// over the recordings of the keys pressed before.
#include "ChartTestSupport.h"
#include "LayoutReference.h"

#include "media/PictureAccessors.h"
#include "media/SoundItems.h"

#include "framework/Picture.h"
#include "framework/Sound.h"

#include <algorithm>
#include <array>
#include <string>

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// The real accessors the reference rows name, in the rows' order.
struct KeyMedia {
    media::PictureAccessor* picture;
    media::SoundItem* sound;
};
const std::array<KeyMedia, 48> kKeyMedia{{
#define TOLVANE_MEDIA_OF(name, created, l, t, w, h, tab, bytes, handler, picture, sound) \
    {&media::picture, &media::sound},
    TOLVANE_REFERENCE_KEY_LABELS(TOLVANE_MEDIA_OF)
#undef TOLVANE_MEDIA_OF
}};

std::size_t recordingsAskedFor()
{
    return static_cast<std::size_t>(std::count_if(
        kKeyMedia.begin(), kKeyMedia.end(), [](const KeyMedia& key) { return key.sound->loaded(); }));
}

using KeyToNote = ChartTest;

} // namespace

TEST_F(KeyToNote, EachKeyShowsAndPlaysTheNoteItsRowNamesAndStopsNoEarlierOne)
{
    fw::Ref<Window1> window = openChart();
    for (std::size_t key = 0; key < reference::kKeyLabels.size(); ++key) {
        const reference::ControlRow& row = reference::kKeyLabels[key];
        SCOPED_TRACE(std::string(row.name));
        clickAt(window.get(), QPoint(row.left + row.width / 2, row.top + row.height / 2));

        fw::Ref<fw::Picture> picture = (*kKeyMedia[key].picture)();
        ASSERT_TRUE(picture);
        EXPECT_EQ(centrePicture(window.get()), picture.get());
        // The press asked for its own recording and no other.
        EXPECT_TRUE(kKeyMedia[key].sound->loaded());
        EXPECT_EQ(recordingsAskedFor(), key + 1);
        fw::Ref<fw::Sound> recording = (*kKeyMedia[key].sound)();
        ASSERT_TRUE(recording);
        EXPECT_GT(recording->playingChannels(), 0);
        if (key > 0) {
            EXPECT_GT(channelsPlaying((*kKeyMedia[key - 1].sound)()), 0) << "a press stops no recording";
        }
        fw::Ref<fw::Label> label = controlNamed<fw::Label>(window.get(), fw::String(row.name));
        ASSERT_TRUE(label);
        EXPECT_FALSE(label->_MouseDown(1, 1));
    }
}
