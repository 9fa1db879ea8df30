// Properties whose value lives in a field of the native class: the getter
// reads the field, the setter writes it and then runs the class's hook that
// brings the native widget up to date. One row per property, no accessor
// functions written by hand.
#pragma once

#include "NativeMembers_p.h"

#include <string_view>
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

template<typename Native, typename T, T Native::*Field, void (Native::*Apply)() = nullptr>
NativeAccessor storedAccessor(std::string_view name, std::string_view typeCode)
{
    return nativeAccessor<Native, T>(
        name, typeCode, &readStoredField<Native, T, Field>, &writeStoredField<Native, T, Field, Apply>);
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
