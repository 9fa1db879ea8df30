// Member rows for a native class definition: a class-table operation or a
// property, each written as one typed row from which the method records,
// the class-table entries and the property records all follow.
//
// An operation row is checked against its Slot, so a function can only sit
// in a place of its own type. A property row yields the property record and
// the method records of its accessors ("Text.Get", "Text.Set"), which
// reflection lists after the class's operations.
#pragma once

#include "NativeClass_p.h"
#include "framework/Introspection.h"
#include "framework/Property.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace fw {

// Reflection cannot unbox a bare Object (a Variant argument); such methods
// are listed without an invoker.
template<typename Signature>
struct TakesVariant;
template<typename Result, typename Self, typename... Args>
struct TakesVariant<Result(Self*, Args...)> : std::bool_constant<(std::is_same_v<Args, Object*> || ...)> { };

template<typename Signature>
ReflectionInvoker reflectionInvokerFor()
{
    if constexpr (TakesVariant<Signature>::value)
        return nullptr;
    else
        return Introspection::Invoke<Signature>;
}

struct NativeOperation {
    std::size_t slot;
    NativeMethod method;
};

template<typename Signature>
NativeOperation nativeOperation(Slot<Signature> slot, std::string_view name, std::string_view signature,
    Signature* function)
{
    return {slot.index, {name, 1, signature, eraseOperation(function), reflectionInvokerFor<Signature>()}};
}

struct NativeAccessor {
    PropertyRecord property;
    NativeMethod getter;
    NativeMethod setter; // no function: the property is read-only
};

// Keeps a composed method name ("Text.Get") for as long as the process runs.
std::string_view persistentMemberName(std::string name);

template<typename Native, typename T>
NativeAccessor nativeAccessor(
    std::string_view name, std::string_view typeCode, T (*getter)(Native*), void (*setter)(Native*, T) = nullptr)
{
    NativeAccessor accessor;
    accessor.property = nativeProperty<Native, T>(String(name), String(typeCode), setter ? 5 : 1, getter, setter);
    std::string code(typeCode);
    accessor.getter = {persistentMemberName(std::string(name) + ".Get"), 1,
        persistentMemberName("%" + code + "%"), eraseOperation(getter), Introspection::Invoke<T(Native*)>};
    if (setter) {
        accessor.setter = {persistentMemberName(std::string(name) + ".Set"), 1,
            persistentMemberName("%%" + code), eraseOperation(setter), Introspection::Invoke<void(Native*, T)>};
    }
    return accessor;
}

// Appends the rows to a definition: the operations' method records and
// class-table entries, then each property with its accessors' records.
void addNativeMembers(NativeClassDefinition& definition, const std::vector<NativeOperation>& operations,
    const std::vector<NativeAccessor>& accessors = {});

// Publishes each accessor in the plug-in entry registry under the class's
// name and the accessor's ("MenuItem.Text.Get").
void publishAccessorEntries(std::string_view className, const std::vector<NativeAccessor>& accessors);

// Defines a native class from its definition and its member rows, and
// publishes its accessors under the class's name.
template<typename Native>
ClassRecord& defineNativeClassWithMembers(NativeClassDefinition definition,
    const std::vector<NativeOperation>& operations, const std::vector<NativeAccessor>& accessors = {})
{
    addNativeMembers(definition, operations, accessors);
    publishAccessorEntries(definition.name, accessors);
    return defineNativeClass<Native>(std::move(definition));
}

} // namespace fw
