#include "framework/Property.h"

#include "CheckedSelf_p.h"

#include <bit>
#include <cstring>

namespace fw::Int32 {

static std::byte* fieldOf(Object* object, const PropertyRecord& property)
{
    std::byte* field = checkedSelf(object).fieldAt(property.fieldOffset, sizeof(std::int32_t));
    if (!field)
        RaiseNew(IllegalCastException::__Lookup(), "the property's field lies outside the instance");
    return field;
}

std::int32_t Get(Object* object, const PropertyRecord& property)
{
    std::int32_t value;
    std::memcpy(&value, fieldOf(object, property), sizeof value);
    return value;
}

void Set(Object* object, const PropertyRecord& property, std::int32_t value)
{
    std::memcpy(fieldOf(object, property), &value, sizeof value);
}

Ref<Object> Introspection::GetValue(Object* object, const PropertyRecord& property)
{
    return box(Get(object, property));
}

void Introspection::SetValue(Object* object, const PropertyRecord& property, Object* value)
{
    Set(object, property, unbox<std::int32_t>(value));
}

} // namespace fw::Int32
