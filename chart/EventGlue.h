// How a control's event reaches a handler of the window: the control calls
// the event stub bound to the event, the stub finds the delegate bound with
// it and calls the delegate's event invoker, and the invoker calls the
// handler on the window, which the delegate reaches through a weak
// reference. One stub and one invoker per signature serve every binding.
#pragma once

#include "framework/Control.h"
#include "framework/Delegate.h"

#include <cstdint>
#include <string_view>

namespace tolvane {

class Window1;

// Event invokers. A delegate whose window has gone raises
// NilObjectException without entering the handler.
bool Delegate_IM_Invoke(fw::Delegate* delegate, fw::ImageWell* well, fw::String key);
bool Delegate_IM_Invoke(fw::Delegate* delegate, fw::Label* label, std::int32_t x, std::int32_t y);

// Event stubs: what a control's KeyDown and MouseDown events call.
bool AddHandler_Stub_13(fw::ImageWell* well, fw::String key);
bool AddHandler_Stub_16(fw::Label* label, std::int32_t x, std::int32_t y);

// What binding a handler to a control of each kind takes: the event, the
// handler's type, the delegate's signature text, the invoker and the stub.
template<typename ControlClass>
struct EventGlue;

template<>
struct EventGlue<fw::ImageWell> {
    using Handler = bool(Window1*, fw::ImageWell*, fw::String);
    using Invoker = bool(fw::Delegate*, fw::ImageWell*, fw::String);
    using Stub = bool(fw::ImageWell*, fw::String);
    static constexpr std::string_view event = "KeyDown";
    static constexpr std::string_view delegateSignature = "( ImageWell, String ) as Boolean";
    static constexpr Invoker* invoker = &Delegate_IM_Invoke;
    static constexpr Stub* stub = &AddHandler_Stub_13;
};

template<>
struct EventGlue<fw::Label> {
    using Handler = bool(Window1*, fw::Label*, std::int32_t, std::int32_t);
    using Invoker = bool(fw::Delegate*, fw::Label*, std::int32_t, std::int32_t);
    using Stub = bool(fw::Label*, std::int32_t, std::int32_t);
    static constexpr std::string_view event = "MouseDown";
    static constexpr std::string_view delegateSignature = "( Label, Int32, Int32 ) as Boolean";
    static constexpr Invoker* invoker = &Delegate_IM_Invoke;
    static constexpr Stub* stub = &AddHandler_Stub_16;
};

} // namespace tolvane
