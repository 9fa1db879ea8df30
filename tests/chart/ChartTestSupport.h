// What the chart's tests share: a bundle holding the media generated for the
// build (less the files a test leaves out), the chart window opened as
// start-up opens it, and presses delivered through the window system as a
// user's are.
#pragma once

#include "RaisedBy.h"

#include "chart/ControlLookup.h"
#include "chart/Window1.h"

#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::testing {

class ChartTest : public ::testing::Test {
protected:
    // Makes the media accessors read from a bundle in a temporary folder
    // whose Resources link to the generated media, less the files left out.
    void useBundle(const std::vector<std::string>& leftOut = {});
    // The chart window, shown and exposed (over a full bundle unless the
    // test chose one).
    fw::Ref<Window1> openChart();
    // Releases what shut-down would: the windows, the menu bar and the
    // cached recordings.
    void TearDown() override;

private:
    std::optional<QTemporaryDir> m_bundle;
};

// A left click at a point of the window's content, or at the centre of a
// control's rectangle, routed to whatever widget lies there.
void clickAt(Window1* window, QPoint contentPoint);
void clickOn(Window1* window, std::string_view controlName);
fw::Picture* centrePicture(Window1* window);
// How many channels play the recording; a nil recording fails the test
// instead of crashing it (an earlier test in the same process may have
// closed the output or loaded the item already).
int channelsPlaying(const fw::Ref<fw::Sound>& recording);

} // namespace tolvane::testing
