// The window's creation: the implicit-instance accessor, the two
// construction events, and the 52 controls made one after another from the
// layout table, each by the same six steps.
#include "chart/Window1.h"

#include "app/MenuBar1.h"
#include "chart/ControlLookup.h"
#include "chart/EventGlue.h"
#include "chart/PropertyLists.h"
#include "media/PictureAccessors.h"

#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/PropertyList.h"

#include <array>

namespace tolvane {
namespace {

// The picture each image well shows when the window opens, by creation
// index; none for the labels.
constexpr std::array<media::PictureAccessor*, chart::kControlCount> kPicturesAtOpen{{
#define TOLVANE_WELL_PICTURE(name, left, top, width, height, tabIndex, picture, handler) &media::picture,
#define TOLVANE_LABEL_PICTURE(name, left, top, width, height, tabIndex, handler, picture, sound) nullptr,
    TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_PICTURE, TOLVANE_LABEL_PICTURE)
#undef TOLVANE_WELL_PICTURE
#undef TOLVANE_LABEL_PICTURE
}};

// The label's font size is in the framework's default unit.
constexpr std::int32_t kFontUnitsDefault = 0;

// What a control gets before its property list: a well its picture, passed
// on as it comes (nil too), a label its font unit.
void prepare(fw::ImageWell* well, std::size_t index)
{
    fw::Ref<fw::Picture> picture = (*kPicturesAtOpen[index])();
    fw::callPluginEntry(fw::PluginEntries::ImageWell_Image_Set, well, 0, picture.get());
}

void prepare(fw::Label* label, std::size_t)
{
    fw::Label::TextUnit_Set(label, 0, kFontUnitsDefault);
}

template<typename ControlClass>
void bindHandler(fw::Window* window, ControlClass* control, std::size_t handlerPlace)
{
    using Glue = EventGlue<ControlClass>;
    typename Glue::Handler* handler =
        fw::operationAt(window->classRecord(), fw::Slot<typename Glue::Handler>{handlerPlace});
    // Flag 1: the delegate reaches the window through a weak reference, so
    // the controls, which the window owns, do not keep it alive.
    fw::Ref<fw::Delegate> delegate =
        fw::RuntimeCreateDelegate(Glue::invoker, handler, window, fw::String(Glue::delegateSignature), 1);
    fw::RuntimeAddEventHandler(control, Glue::event, Glue::stub, delegate.get());
}

// Every step after the registration looks the control up afresh: from then
// on only the window holds it.
template<typename ControlClass>
void createControl(fw::Window* window, std::size_t index)
{
    const fw::String name(chart::kControls[index].name);
    {
        fw::Ref<fw::Control> made = fw::call(window, fw::WindowSlot::__New, &ControlClass::__Lookup());
        fw::Ref<ControlClass> control = fw::RuntimeCheckCast<ControlClass>(made.get());
        // Label and ImageWell construct through RectControl's place.
        fw::RectControl* constructed = control.get();
        fw::call(constructed, fw::RectControlSlot::Constructor);
        fw::call(window, fw::WindowSlot::_AddControl, name, control.get());
    }
    {
        fw::Ref<ControlClass> control = controlNamed<ControlClass>(window, name);
        prepare(control.get(), index);
    }
    {
        fw::Ref<ControlClass> control = controlNamed<ControlClass>(window, name);
        fw::_SetProperties(control.get(), chart::controlPropertyList(index));
    }
    if (const std::size_t handlerPlace = Window1Slot::kHandlerPlaces[index]) {
        fw::Ref<ControlClass> control = controlNamed<ControlClass>(window, name);
        bindHandler(window, control.get(), handlerPlace);
    }
}

// The creation routines take the window as the framework's events give it;
// they read Window1's own places of its class table, which a window of
// another class does not have, so they verify the class first.
fw::Ref<Window1> asChartWindow(fw::Window* window)
{
    fw::Ref<Window1> chartWindow = fw::RuntimeCheckCast<Window1>(window);
    fw::requireObject(chartWindow);
    return chartWindow;
}

void createControls(fw::Window* window, std::size_t first, std::size_t end)
{
    asChartWindow(window);
    for (std::size_t index = first; index < end; ++index) {
        if (chart::kControls[index].kind == chart::ControlKind::ImageWell)
            createControl<fw::ImageWell>(window, index);
        else
            createControl<fw::Label>(window, index);
    }
}

} // namespace

namespace implicit {

fw::Ref<::tolvane::Window1> Window1()
{
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow(fw::String(::tolvane::Window1::kClassName));
    if (!window) {
        // Construction runs Layout and CreateControls and makes the
        // framework hold the window as the class's implicit instance.
        window = fw::RuntimeNewObjectOf<::tolvane::Window1>(::tolvane::Window1::__Lookup());
        fw::call(window.get(), fw::WindowSlot::Constructor);
    }
    return fw::RuntimeCheckCast<::tolvane::Window1>(window.get());
}

} // namespace implicit

void Window1::Layout(fw::Window* window)
{
    {
        fw::Ref<MenuBar1> menuBar = implicit::MenuBar1();
        fw::Window::MenuBar_Set(window, 0, menuBar.get());
    }
    fw::_SetProperties(window, chart::windowPropertyList());
}

void Window1::CreateControls(fw::Window* window)
{
    asChartWindow(window);
    fw::call(window, Window1Slot::_CreateControls0);
    fw::call(window, Window1Slot::_CreateControls1);
}

void Window1::_CreateControls0(fw::Window* window)
{
    createControls(window, 0, chart::kFirstBatchSize);
}

void Window1::_CreateControls1(fw::Window* window)
{
    createControls(window, chart::kFirstBatchSize, chart::kControlCount);
}

} // namespace tolvane
