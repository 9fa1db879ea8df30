// Raising an event on an object: the implementation that the object's class
// gives the event runs; an event the class does not handle yields the
// result's default (False, 0, nil).
#pragma once

#include "framework/Application.h"

#include <type_traits>
#include <utility>

namespace fw {

template<typename Result, typename Self, typename... Args, typename... Passed>
Result raiseEvent(Self* self, EventPlace<Result(Self*, Args...)> place, Passed&&... args)
{
    auto implementation = eventImplementation(self->classRecord(), place);
    if (!implementation) {
        if constexpr (std::is_void_v<Result>)
            return;
        else
            return Result{};
    }
    return implementation(self, std::forward<Passed>(args)...);
}

} // namespace fw
