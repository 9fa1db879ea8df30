// Delegates: a routine bound to a target, with the invoker that calls it.
//
// With flag 1 the delegate does not hold its target: it holds a weak
// reference that empties when the target goes, and the invoker reads it
// afresh at every call. With any other flag it holds the target itself.
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>

namespace fw {

class Delegate final : public Object {
public:
    Delegate(ClassRecord& record, Operation invoker, Operation routine, Object* target, String signature,
        std::int32_t flag);
    static ClassRecord& __Lookup();

    // The target now: for flag 1 the weak referent, nil once it has gone.
    Object* target() const;
    const String& signature() const { return m_signature; }
    std::int32_t flag() const { return m_flag; }
    // The routine as a plain code pointer, for the hand-over of start-up
    // routines to the framework.
    Operation codePointer() const { return m_routine; }

    template<typename Signature>
    Signature* invokerAs() const
    {
        return reinterpret_cast<Signature*>(m_invoker);
    }
    template<typename Signature>
    Signature* routineAs() const
    {
        return reinterpret_cast<Signature*>(m_routine);
    }

private:
    Operation m_invoker;
    Operation m_routine;
    Ref<Object> m_strongTarget;
    Ref<WeakReference> m_weakTarget;
    String m_signature;
    std::int32_t m_flag;
};

Ref<Delegate> RuntimeCreateDelegate(
    Operation invoker, Operation routine, Object* target, String signature, std::int32_t flag);

template<typename Invoker, typename Routine>
Ref<Delegate> RuntimeCreateDelegate(
    Invoker* invoker, Routine* routine, Object* target, String signature, std::int32_t flag)
{
    return RuntimeCreateDelegate(eraseOperation(invoker), eraseOperation(routine), target, signature, flag);
}

// Binds an event of a control: the control keeps the stub as its
// implementation of the event and its own reference to the delegate.
void RuntimeAddEventHandler(Object* control, std::string_view event, Operation stub, Delegate* delegate);

template<typename Stub>
void RuntimeAddEventHandler(Object* control, std::string_view event, Stub* stub, Delegate* delegate)
{
    RuntimeAddEventHandler(control, event, eraseOperation(stub), delegate);
}

// The delegate bound to a control's event, or nil: what an event stub reads.
Delegate* RuntimeEventDelegate(Object* control, std::string_view event);

} // namespace fw
