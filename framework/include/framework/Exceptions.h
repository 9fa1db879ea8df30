// Exceptions are objects of the runtime, raised and caught as C++ exceptions.
//
// RuntimeException is the root class; NilObjectException is raised before a
// call through a nil reference, IllegalCastException by a failed verified
// down-cast, PropertyListException by a property list that cannot be read.
// A raised exception travels as RaisedException, which holds the object.
#pragma once

#include "framework/ClassRecord.h"

#include <exception>
#include <string>

namespace fw {

class RuntimeException : public Object {
public:
    explicit RuntimeException(ClassRecord& record) : Object(record) { }
    static ClassRecord& __Lookup();

    String message;
};

class NilObjectException final : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    static ClassRecord& __Lookup();
};

class IllegalCastException final : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    static ClassRecord& __Lookup();
};

class PropertyListException final : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    static ClassRecord& __Lookup();
};

// The C++ exception that carries a raised RuntimeException.
class RaisedException final : public std::exception {
public:
    explicit RaisedException(Ref<RuntimeException> exception);
    const Ref<RuntimeException>& exception() const { return m_exception; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    Ref<RuntimeException> m_exception;
    std::string m_what;
};

// A new exception of the given class with a message.
Ref<RuntimeException> newException(ClassRecord& exceptionClass, std::string_view message);

[[noreturn]] void Raise(Ref<RuntimeException> exception);
[[noreturn]] void RaiseNilObjectException();
// With a message that says what was nil, for a failure a user may have to
// act on (a missing folder or file).
[[noreturn]] void RaiseNilObjectException(std::string_view message);
// Raises a new exception of the given class with a message.
[[noreturn]] void RaiseNew(ClassRecord& exceptionClass, std::string_view message);

// Tests a reference before a call through it.
template<typename T>
T* requireObject(const Ref<T>& reference)
{
    if (!reference)
        RaiseNilObjectException();
    return reference.get();
}

// Verified down-cast: nil stays nil; an object of another class raises
// IllegalCastException. The result is a new reference.
Ref<Object> RuntimeCheckCast(Object* object, ClassRecord& record);

template<typename T>
Ref<T> RuntimeCheckCast(Object* object)
{
    Ref<Object> checked = RuntimeCheckCast(object, T::__Lookup());
    return Ref<T>(static_cast<T*>(checked.get()));
}

template<typename T>
Ref<T> RuntimeNewObjectOf(ClassRecord& record)
{
    Ref<Object> object = RuntimeNewObject(record);
    return Ref<T>(static_cast<T*>(object.get()));
}

// The framework's class records of Object and of the exceptions, so that
// every class chain ends in one root.
ClassRecord& ObjectClass();

} // namespace fw
