// Native event handlers run program code through the framework's event
// delivery, so that an exception leaving a handler is reported and the event
// loop goes on.
#pragma once

#include "framework/Application.h"

namespace fw {

template<typename Function>
void deliverEvent(Function function)
{
    RuntimeDeliverEvent([](void* argument) { (*static_cast<Function*>(argument))(); }, &function);
}

} // namespace fw
