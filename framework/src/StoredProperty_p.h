// Properties whose value lives in a field of the native class: the getter
// reads the field, the setter writes it and then runs the class's hook that
// brings the native widget up to date. One row per property, no accessor
// functions written by hand.
#pragma once

#include "NativeMembers_p.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace fw {

template<typename Native, typename T, T Native::*Field>
T readStoredField(Native* object)
{
    return object->*Field;
}

// Apply may be nil for a value that only the program reads back.
template<typename Native, typename T, T Native::*Field, void (Native::*Apply)()>
void writeStoredField(Native* object, T value)
{
    object->*Field = std::move(value);
    if constexpr (Apply != nullptr)
        (object->*Apply)();
}

// Reflection's generic invoker boxes Boolean, Int32, String and objects; a
// Color getter is boxed here.
template<typename Native>
Ref<Object> invokeColorGetter(Operation function, Object* target, const ArgumentList*)
{
    if (!target)
        RaiseNilObjectException();
    Ref<Native> native = RuntimeCheckCast<Native>(target);
    auto getter = reinterpret_cast<Color (*)(Native*)>(function);
    return box(getter(native.get()));
}

// A property with its "X.Get" / "X.Set" method records.
template<typename Native, typename T>
NativeAccessor accessor(
    std::string_view name, std::string_view typeCode, T (*getter)(Native*), void (*setter)(Native*, T) = nullptr)
{
    if constexpr (std::is_same_v<T, Color>) {
        NativeAccessor colour;
        std::string code(typeCode);
        colour.property = nativeProperty<Native, Color>(String(name), String(typeCode), setter ? 5 : 1, getter, setter);
        colour.getter = {persistentMemberName(std::string(name) + ".Get"), 1, persistentMemberName("%" + code + "%"),
            eraseOperation(getter), &invokeColorGetter<Native>};
        if (setter) {
            colour.setter = {persistentMemberName(std::string(name) + ".Set"), 1, persistentMemberName("%%" + code),
                eraseOperation(setter), Introspection::Invoke<void(Native*, Color)>};
        }
        return colour;
    } else {
        return nativeAccessor<Native, T>(name, typeCode, getter, setter);
    }
}

template<typename Native, typename T, T Native::*Field, void (Native::*Apply)() = nullptr>
NativeAccessor storedAccessor(std::string_view name, std::string_view typeCode)
{
    return accessor<Native, T>(name, typeCode, &readStoredField<Native, T, Field>,
        &writeStoredField<Native, T, Field, Apply>);
}

// A property that only a property list sets, before the object is shown: a
// record without accessor methods.
template<typename Native, typename T, T Native::*Field, void (Native::*Apply)() = nullptr>
PropertyRecord designTimeProperty(std::string_view name, std::string_view typeCode)
{
    return nativeProperty<Native, T>(String(name), String(typeCode), 5, &readStoredField<Native, T, Field>,
        &writeStoredField<Native, T, Field, Apply>);
}

} // namespace fw
