// Member rows for a native class definition: a class-table operation or a
// property, each written as one typed row from which the method records,
// the class-table entries and the property records all follow.
//
// An operation row is checked against its Slot, so a function can only sit
// in a place of its own type. A property row yields the property record and
// the method records of its accessors ("Text.Get", "Text.Set"), which
// reflection lists after the class's operations. A published row is also a
// plug-in entry, under the class's name and its own ("MenuItem.Text.Set").
#pragma once

#include "NativeClass_p.h"
#include "framework/Introspection.h"
#include "framework/Property.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

// Reflection cannot unbox a bare Object (a Variant argument) or a code
// pointer; methods that take one are listed without an invoker.
template<typename Argument>
inline constexpr bool kUnboxable = !std::is_same_v<Argument, Object*> && !std::is_same_v<Argument, Operation>;

template<typename Signature>
struct Reflectable;
template<typename Result, typename Self, typename... Args>
struct Reflectable<Result(Self*, Args...)> : std::bool_constant<(kUnboxable<Args> && ...)> { };

template<typename Signature>
ReflectionInvoker reflectionInvokerFor()
{
    if constexpr (Reflectable<Signature>::value)
        return Introspection::Invoke<Signature>;
    else
        return nullptr;
}

struct NativeOperation {
    std::size_t slot;
    NativeMethod method;
    bool published = false;
};

template<typename Signature>
NativeOperation nativeOperation(Slot<Signature> slot, std::string_view name, std::string_view signature,
    Signature* function)
{
    return {slot.index, {name, 1, signature, eraseOperation(function), reflectionInvokerFor<Signature>()}};
}

template<typename Signature>
NativeOperation publishedOperation(Slot<Signature> slot, std::string_view name, std::string_view signature,
    Signature* function)
{
    NativeOperation operation = nativeOperation(slot, name, signature, function);
    operation.published = true;
    return operation;
}

struct NativeAccessor {
    PropertyRecord property;
    NativeMethod getter;
    NativeMethod setter; // no function: the property is read-only
    // The plug-in entries of a published property; nil when it is not.
    Operation publishedGetter = nullptr;
    Operation publishedSetter = nullptr;
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

// The plug-in convention for property accessors: the getter takes the
// object and an Int32 that callers pass as 0, the setter the object, the
// Int32 and the value.
template<typename Getter>
struct PluginGetter;
template<typename Native, typename Result>
struct PluginGetter<Result (*)(Native*, std::int32_t)> {
    using Self = Native;
};
template<typename Setter>
struct PluginSetter;
template<typename Native, typename T>
struct PluginSetter<void (*)(Native*, std::int32_t, T)> {
    using Value = T;
};

// Reflection hands objects over plainly. The object a property's getter
// returns is held by the object that has the property, so the plain pointer
// stays valid after the getter's reference goes.
template<typename T>
T plainValue(T value)
{
    return value;
}
template<typename T>
T* plainValue(const Ref<T>& value)
{
    return value.get();
}

// A property whose accessors follow the plug-in convention, published as
// they are; reflection reaches them through adapters that pass the 0.
template<auto Getter, auto Setter = nullptr>
NativeAccessor publishedAccessor(std::string_view name, std::string_view typeCode)
{
    using Native = typename PluginGetter<decltype(Getter)>::Self;
    using Plain = decltype(plainValue(Getter(std::declval<Native*>(), 0)));
    auto get = +[](Native* object) { return plainValue(Getter(object, 0)); };
    NativeAccessor accessor;
    if constexpr (std::is_null_pointer_v<decltype(Setter)>) {
        accessor = nativeAccessor<Native, Plain>(name, typeCode, get);
    } else {
        using T = typename PluginSetter<decltype(Setter)>::Value;
        auto set = +[](Native* object, T value) { Setter(object, 0, std::move(value)); };
        accessor = nativeAccessor<Native, T>(name, typeCode, get, set);
        accessor.publishedSetter = eraseOperation(Setter);
    }
    accessor.publishedGetter = eraseOperation(Getter);
    return accessor;
}

// Appends the rows to a definition: the operations' method records and
// class-table entries, then each property with its accessors' records.
void addNativeMembers(NativeClassDefinition& definition, const std::vector<NativeOperation>& operations,
    const std::vector<NativeAccessor>& accessors = {});

// Publishes the published rows as plug-in entries under the class's name.
void publishNativeMembers(std::string_view className, const std::vector<NativeOperation>& operations,
    const std::vector<NativeAccessor>& accessors);

// Defines a native class from its definition and its member rows, and
// publishes what they publish.
template<typename Native>
ClassRecord& defineNativeClassWithMembers(NativeClassDefinition definition,
    const std::vector<NativeOperation>& operations, const std::vector<NativeAccessor>& accessors = {})
{
    addNativeMembers(definition, operations, accessors);
    publishNativeMembers(definition.name, operations, accessors);
    return defineNativeClass<Native>(std::move(definition));
}

} // namespace fw
