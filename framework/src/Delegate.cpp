#include "framework/Delegate.h"

#include "framework/Control.h"

#include "NativeClass_p.h"

namespace fw {

ClassRecord& Delegate::__Lookup()
{
    static ClassRecord& record = defineAbstractClass({
        .name = "Delegate",
        .base = &ObjectClass(),
        .methods = {{.name = "Invoke"}},
    });
    return record;
}

Delegate::Delegate(ClassRecord& record, Operation invoker, Operation routine, Object* target, String signature,
    std::int32_t flag)
    : Object(record)
    , m_invoker(invoker)
    , m_routine(routine)
    , m_signature(std::move(signature))
    , m_flag(flag)
{
    // Flag 1 is how a window binds its controls' events to itself: the
    // controls live inside the window, so holding it strongly would make a
    // cycle that keeps the window alive forever.
    if (flag == 1 && target)
        m_weakTarget = target->weakReference();
    else
        m_strongTarget = target;
}

Object* Delegate::target() const
{
    if (m_flag == 1)
        return m_weakTarget ? m_weakTarget->target() : nullptr;
    return m_strongTarget.get();
}

Ref<Delegate> RuntimeCreateDelegate(
    Operation invoker, Operation routine, Object* target, String signature, std::int32_t flag)
{
    return make<Delegate>(Delegate::__Lookup(), invoker, routine, target, std::move(signature), flag);
}

void RuntimeAddEventHandler(Object* control, std::string_view event, Operation stub, Delegate* delegate)
{
    Ref<Control> typed = RuntimeCheckCast<Control>(control);
    requireObject(typed)->bindEvent(event, stub, delegate);
}

Delegate* RuntimeEventDelegate(Object* control, std::string_view event)
{
    Ref<Control> typed = RuntimeCheckCast<Control>(control);
    const Control::EventBinding* binding = requireObject(typed)->binding(event);
    return binding ? binding->delegate.get() : nullptr;
}

} // namespace fw
