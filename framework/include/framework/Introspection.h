// Reflection invokers: one per C++ signature, generated from the signature.
//
// Introspection::Invoke<R(Self*, Args...)> calls a method of that type on a
// target with a list of boxed arguments: the target is checked against nil
// and down-cast to Self, each argument is unboxed (objects with a verified
// down-cast), and the result comes back boxed (nil for no result).
// Introspection::InvokeShared<R(Args...)> does the same for a shared method,
// which has no target.
#pragma once

#include "framework/Box.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace fw::Introspection {

// A result as reflection hands it back: a value or an object in a Box.
template<typename Result>
Ref<Object> boxResult(Result result)
{
    if constexpr (std::is_same_v<Result, bool> || std::is_same_v<Result, std::int32_t>
        || std::is_same_v<Result, String> || std::is_same_v<Result, Color>)
        return box(std::move(result));
    else
        return box(Ref<Object>(std::move(result)));
}

// Unboxes the arguments for a function of those parameters, calls it and
// boxes what it returns.
template<typename Result, typename... Args, typename Function, std::size_t... I>
Ref<Object> callUnboxed(Function function, const ArgumentList* arguments, std::index_sequence<I...>)
{
    if constexpr (sizeof...(Args) > 0) {
        if (!arguments)
            RaiseNilObjectException();
        if (arguments->items().size() != sizeof...(Args))
            RaiseNew(IllegalCastException::__Lookup(), "wrong number of arguments");
    }
    if constexpr (std::is_void_v<Result>) {
        function(unbox<Args>(arguments->items()[I].get())...);
        return nullptr;
    } else {
        return boxResult(function(unbox<Args>(arguments->items()[I].get())...));
    }
}

template<typename Signature>
struct Invoker;

template<typename Result, typename Self, typename... Args>
struct Invoker<Result(Self*, Args...)> {
    static Ref<Object> invoke(Operation function, Object* target, const ArgumentList* arguments)
    {
        if (!target)
            RaiseNilObjectException();
        Ref<Self> self = RuntimeCheckCast<Self>(target);
        auto typed = reinterpret_cast<Result (*)(Self*, Args...)>(function);
        return callUnboxed<Result, Args...>([&](Args... unboxed) { return typed(self.get(), std::move(unboxed)...); },
            arguments, std::index_sequence_for<Args...>());
    }
};

template<typename Signature>
struct SharedInvoker;

template<typename Result, typename... Args>
struct SharedInvoker<Result(Args...)> {
    static Ref<Object> invoke(Operation function, Object*, const ArgumentList* arguments)
    {
        return callUnboxed<Result, Args...>(
            reinterpret_cast<Result (*)(Args...)>(function), arguments, std::index_sequence_for<Args...>());
    }
};

template<typename Signature>
inline constexpr ReflectionInvoker Invoke = &Invoker<Signature>::invoke;

template<typename Signature>
inline constexpr ReflectionInvoker InvokeShared = &SharedInvoker<Signature>::invoke;

} // namespace fw::Introspection
