#include "framework/Box.h"

#include "NativeClass_p.h"

namespace fw {

ClassRecord& Box::__Lookup()
{
    static ClassRecord& record = defineAbstractClass({.name = "Box", .base = &ObjectClass()});
    return record;
}

ClassRecord& ArgumentList::__Lookup()
{
    static ClassRecord& record = defineAbstractClass({.name = "ArgumentList", .base = &ObjectClass()});
    return record;
}

Ref<Box> box(Box::Value value)
{
    return make<Box>(Box::__Lookup(), std::move(value));
}

Ref<ArgumentList> arguments(std::vector<Ref<Object>> items)
{
    return make<ArgumentList>(ArgumentList::__Lookup(), std::move(items));
}

void raiseUnboxMismatch()
{
    RaiseNew(IllegalCastException::__Lookup(), "the boxed value is of another type");
}

const Box::Value& boxedValue(Object* boxed)
{
    Ref<Box> typed = RuntimeCheckCast<Box>(boxed);
    if (!typed)
        RaiseNilObjectException();
    return typed->value();
}

Object* unboxedObject(Object* boxed)
{
    // An object argument may come boxed or as itself.
    if (!boxed || !boxed->isKindOf(Box::__Lookup()))
        return boxed;
    const Box::Value& value = static_cast<Box*>(boxed)->value();
    if (const Ref<Object>* object = std::get_if<Ref<Object>>(&value))
        return object->get();
    raiseUnboxMismatch();
}

} // namespace fw
