#include "chart/EventGlue.h"

#include "chart/Window1.h"

namespace tolvane {
namespace {

template<typename Control, typename... Arguments>
bool invokeHandler(fw::Delegate* delegate, Control* control, Arguments... arguments)
{
    using Handler = typename EventGlue<Control>::Handler;
    if (!delegate)
        fw::RaiseNilObjectException();
    // Read afresh at every call: with flag 1 the delegate only knows the
    // window through a weak reference, which is empty once the window has
    // gone.
    fw::Ref<Window1> window = fw::RuntimeCheckCast<Window1>(delegate->target());
    if (!window)
        fw::RaiseNilObjectException();
    Handler* handler = delegate->routineAs<Handler>();
    return handler(window.get(), control, std::move(arguments)...);
}

template<typename Control, typename... Arguments>
bool forwardEvent(std::string_view event, Control* control, Arguments... arguments)
{
    // Held for the call, so that nothing the handler does can free it.
    fw::Ref<fw::Delegate> delegate = fw::RuntimeEventDelegate(control, event);
    if (!delegate)
        fw::RaiseNilObjectException();
    auto invoker = delegate->invokerAs<typename EventGlue<Control>::Invoker>();
    return invoker(delegate.get(), control, std::move(arguments)...);
}

} // namespace

bool Delegate_IM_Invoke(fw::Delegate* delegate, fw::ImageWell* well, fw::String key)
{
    return invokeHandler(delegate, well, std::move(key));
}

bool Delegate_IM_Invoke(fw::Delegate* delegate, fw::Label* label, std::int32_t x, std::int32_t y)
{
    return invokeHandler(delegate, label, x, y);
}

bool AddHandler_Stub_13(fw::ImageWell* well, fw::String key)
{
    return forwardEvent(EventGlue<fw::ImageWell>::event, well, std::move(key));
}

bool AddHandler_Stub_16(fw::Label* label, std::int32_t x, std::int32_t y)
{
    return forwardEvent(EventGlue<fw::Label>::event, label, x, y);
}

} // namespace tolvane
