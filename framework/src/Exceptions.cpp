#include "framework/Exceptions.h"

#include "NativeClass_p.h"

namespace fw {

ClassRecord& ObjectClass()
{
    static ClassRecord& record = defineAbstractClass({.name = "Object"});
    return record;
}

ClassRecord& RuntimeException::__Lookup()
{
    static ClassRecord& record = defineNativeClass<RuntimeException>({
        .name = "RuntimeException",
        .base = &ObjectClass(),
        .methods = {{.name = "Message"}, {.name = "Stack"}, {.name = "Constructor"}},
    });
    return record;
}

ClassRecord& NilObjectException::__Lookup()
{
    static ClassRecord& record =
        defineNativeClass<NilObjectException>({.name = "NilObjectException", .base = &RuntimeException::__Lookup()});
    return record;
}

ClassRecord& IllegalCastException::__Lookup()
{
    static ClassRecord& record = defineNativeClass<IllegalCastException>(
        {.name = "IllegalCastException", .base = &RuntimeException::__Lookup()});
    return record;
}

ClassRecord& PropertyListException::__Lookup()
{
    static ClassRecord& record = defineNativeClass<PropertyListException>(
        {.name = "PropertyListException", .base = &RuntimeException::__Lookup()});
    return record;
}

RaisedException::RaisedException(Ref<RuntimeException> exception)
    : m_exception(std::move(exception))
{
    m_what = m_exception ? m_exception->classRecord().name.toStdString() : std::string("nil exception");
    if (m_exception && !m_exception->message.view().empty())
        m_what += ": " + m_exception->message.toStdString();
}

void Raise(Ref<RuntimeException> exception)
{
    throw RaisedException(std::move(exception));
}

Ref<RuntimeException> newException(ClassRecord& exceptionClass, std::string_view message)
{
    Ref<RuntimeException> exception = RuntimeNewObjectOf<RuntimeException>(exceptionClass);
    exception->message = String(message);
    return exception;
}

void RaiseNew(ClassRecord& exceptionClass, std::string_view message)
{
    Raise(newException(exceptionClass, message));
}

void RaiseNilObjectException()
{
    RaiseNew(NilObjectException::__Lookup(), "");
}

void RaiseNilObjectException(std::string_view message)
{
    RaiseNew(NilObjectException::__Lookup(), message);
}

Ref<Object> RuntimeCheckCast(Object* object, ClassRecord& record)
{
    if (!object)
        return nullptr;
    if (!object->isKindOf(record)) {
        RaiseNew(IllegalCastException::__Lookup(),
            object->classRecord().name.toStdString() + " is not a " + record.name.toStdString());
    }
    return Ref<Object>(object);
}

} // namespace fw
