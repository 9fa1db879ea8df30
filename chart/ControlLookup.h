// The one way the chart finds a control: by its name, through the window's
// class table, with a verified down-cast to the class the chart declared
// for it. No reference to a control is kept between uses.
#pragma once

#include "framework/Window.h"

namespace tolvane {

template<typename ControlClass>
fw::Ref<ControlClass> controlNamed(fw::Window* window, const fw::String& name)
{
    fw::Ref<fw::Control> found = fw::call(window, fw::WindowSlot::_ControlByName, name);
    return fw::RuntimeCheckCast<ControlClass>(found.get());
}

} // namespace tolvane
