// The chart window as start-up creates it, control by control against the
// reference layout: the name at each creation position, the class, the
// rectangle in the window, the tab index, the picture at open and the bound
// handler with its delegate.
#include "ChartTestSupport.h"
#include "LayoutReference.h"

#include "media/PictureAccessors.h"

#include "framework/Picture.h"

#include <QWidget>

#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace tolvane;
using namespace tolvane::testing;
using reference::ControlClass;
using reference::ControlRow;

namespace {

// Each handler, reached by the name the reference gives it.
const std::map<std::string_view, fw::Operation>& handlers()
{
    static const std::map<std::string_view, fw::Operation> handlers{
#define TOLVANE_HANDLER_OF(name, created, l, t, w, h, tab, bytes, handler, picture, sound) \
    {#handler, fw::eraseOperation(&Window1::handler)},
        TOLVANE_REFERENCE_KEY_LABELS(TOLVANE_HANDLER_OF)
#undef TOLVANE_HANDLER_OF
        {"ImageWell2_KeyDown", fw::eraseOperation(&Window1::ImageWell2_KeyDown)},
    };
    return handlers;
}

// Each well's picture at open, from the accessor the reference names.
const std::map<std::string_view, media::PictureAccessor*>& wellPictures()
{
    static const std::map<std::string_view, media::PictureAccessor*> pictures{
#define TOLVANE_PICTURE_OF(name, created, l, t, w, h, tab, bytes, picture, handler) {#name, &media::picture},
        TOLVANE_REFERENCE_WELLS(TOLVANE_PICTURE_OF)
#undef TOLVANE_PICTURE_OF
    };
    return pictures;
}

using ChartLayout = ChartTest;

} // namespace

TEST_F(ChartLayout, EveryControlStandsAtItsCreationPositionAsItsRowSays)
{
    fw::Ref<Window1> window = openChart();
    QWidget* content = window->contentWidget();
    EXPECT_EQ(content->size(), QSize(reference::kWindow.width, reference::kWindow.height));
    EXPECT_EQ(window->widget()->windowTitle().toStdString(), reference::kWindow.title);

    const std::vector<fw::Ref<fw::Control>>& controls = window->controls();
    ASSERT_EQ(controls.size(), reference::kControls.size());
    for (const ControlRow& row : reference::kControls) {
        SCOPED_TRACE(std::string(row.name));
        ASSERT_LE(row.created, controls.size());
        fw::Control* atPosition = controls[row.created - 1].get();
        EXPECT_EQ(atPosition->name(), row.name);
        fw::Ref<fw::RectControl> control = controlNamed<fw::RectControl>(window.get(), fw::String(row.name));
        ASSERT_EQ(control.get(), atPosition);
        const bool label = row.kind == ControlClass::Label;
        EXPECT_EQ(control->classRecord().name.toStdString(), label ? "Label" : "ImageWell");

        // Where the window system actually placed the widget.
        QWidget* widget = control->widget();
        const QPoint at = widget->mapTo(content, QPoint(0, 0));
        EXPECT_EQ(std::tuple(at.x(), at.y(), widget->width(), widget->height()),
            std::tuple(row.left, row.top, row.width, row.height));
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(control->tabIndex, row.tabIndex);
        EXPECT_EQ(control->index, INT32_MIN);

        if (label) {
            EXPECT_EQ(fw::RuntimeCheckCast<fw::Label>(control.get())->textUnit, 0);
        } else {
            fw::Ref<fw::Picture> atOpen = (*wellPictures().at(row.name))();
            ASSERT_TRUE(atOpen);
            EXPECT_EQ(fw::RuntimeCheckCast<fw::ImageWell>(control.get())->image(), atOpen.get());
        }

        // The delegate holds the window weakly (flag 1), so that a press
        // after the window has gone cannot keep it alive.
        const fw::Control::EventBinding* bound = control->binding(label ? "MouseDown" : "KeyDown");
        ASSERT_EQ(bound != nullptr, !row.handler.empty());
        if (bound) {
            EXPECT_EQ(bound->delegate->codePointer(), handlers().at(row.handler));
            EXPECT_EQ(bound->delegate->signature(),
                label ? "( Label, Int32, Int32 ) as Boolean" : "( ImageWell, String ) as Boolean");
            EXPECT_EQ(bound->delegate->flag(), 1);
        }
    }
}
