// Property records for native properties, and the generic Int32 accessors of
// properties that a class stores in its run-time fields.
#pragma once

#include "framework/Box.h"

#include <cstdint>

namespace fw {

// `Int32.Get`, `Int32.Set` and their boxed forms: read and write the 32-bit
// field at the property record's recorded position.
namespace Int32 {
std::int32_t Get(Object* object, const PropertyRecord& property);
void Set(Object* object, const PropertyRecord& property, std::int32_t value);
namespace Introspection {
Ref<Object> GetValue(Object* object, const PropertyRecord& property);
void SetValue(Object* object, const PropertyRecord& property, Object* value);
} // namespace Introspection
} // namespace Int32

// A property record for a native property of type T, read and written
// through a getter and setter of the native class.
template<typename Native, typename T>
PropertyRecord nativeProperty(String name, String typeCode, std::uint32_t flags, T (*getter)(Native*),
    void (*setter)(Native*, T))
{
    PropertyRecord record;
    record.name = name;
    record.typeCode = typeCode;
    record.flags = flags;
    record.attributes = {publicScope()};
    record.getter = eraseOperation(getter);
    record.setter = setter ? eraseOperation(setter) : nullptr;
    record.boxedGetter = [](Object* target, const PropertyRecord& property) -> Ref<Object> {
        auto get = reinterpret_cast<T (*)(Native*)>(property.getter);
        Ref<Native> native = RuntimeCheckCast<Native>(target);
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::int32_t> || std::is_same_v<T, String>
            || std::is_same_v<T, Color>)
            return box(get(native.get()));
        else
            return box(Ref<Object>(get(native.get())));
    };
    record.boxedSetter = [](Object* target, const PropertyRecord& property, Object* value) {
        if (!property.setter)
            RaiseNew(IllegalCastException::__Lookup(), "the property is read-only");
        auto set = reinterpret_cast<void (*)(Native*, T)>(property.setter);
        Ref<Native> native = RuntimeCheckCast<Native>(target);
        set(native.get(), unbox<T>(value));
    };
    return record;
}

} // namespace fw
