// Reflection invokers: one per C++ signature, generated from the signature.
//
// Introspection::Invoke<R(Self*, Args...)> calls a method of that type on a
// target with a list of boxed arguments: the target is checked against nil
// and down-cast to Self, each argument is unboxed (objects with a verified
// down-cast), and the result comes back boxed (nil for no result).
#pragma once

#include "framework/Box.h"

#include <cstddef>
#include <utility>

namespace fw::Introspection {

template<typename Signature>
struct Invoker;

template<typename Result, typename Self, typename... Args>
struct Invoker<Result(Self*, Args...)> {
    static Ref<Object> invoke(Operation function, Object* target, const ArgumentList* arguments)
    {
        if (!target)
            RaiseNilObjectException();
        if constexpr (sizeof...(Args) > 0) {
            if (!arguments)
                RaiseNilObjectException();
        }
        Ref<Self> self = RuntimeCheckCast<Self>(target);
        auto typed = reinterpret_cast<Result (*)(Self*, Args...)>(function);
        return callUnboxed(typed, self.get(), arguments, std::index_sequence_for<Args...>());
    }

private:
    template<std::size_t... I>
    static Ref<Object> callUnboxed(
        Result (*function)(Self*, Args...), Self* self, const ArgumentList* arguments, std::index_sequence<I...>)
    {
        if constexpr (sizeof...(Args) > 0) {
            if (arguments->items().size() != sizeof...(Args))
                RaiseNew(IllegalCastException::__Lookup(), "wrong number of arguments");
        }
        if constexpr (std::is_void_v<Result>) {
            function(self, unbox<Args>(arguments->items()[I].get())...);
            return nullptr;
        } else {
            Result result = function(self, unbox<Args>(arguments->items()[I].get())...);
            if constexpr (std::is_same_v<Result, bool> || std::is_same_v<Result, std::int32_t>
                || std::is_same_v<Result, String>)
                return box(std::move(result));
            else
                return box(Ref<Object>(std::move(result)));
        }
    }
};

template<typename Signature>
inline constexpr ReflectionInvoker Invoke = &Invoker<Signature>::invoke;

} // namespace fw::Introspection
