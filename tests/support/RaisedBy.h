// The class name of the exception that a routine raises through the
// framework, "nil" for a nil exception, or "" when it raises none.
#pragma once

#include "framework/Exceptions.h"

#include <string>

namespace tolvane::testing {

template<typename Routine>
std::string raisedBy(Routine&& routine)
{
    try {
        routine();
    } catch (const fw::RaisedException& raised) {
        return raised.exception() ? raised.exception()->classRecord().name.toStdString() : "nil";
    }
    return "";
}

} // namespace tolvane::testing
