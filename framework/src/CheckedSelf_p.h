// The object that a framework operation is called on: the operations are
// static functions that program code calls with a pointer, and a nil one
// raises NilObjectException before anything is done.
#pragma once

#include "framework/Exceptions.h"

namespace fw {

template<typename T>
T& checkedSelf(T* object)
{
    if (!object)
        RaiseNilObjectException();
    return *object;
}

} // namespace fw
