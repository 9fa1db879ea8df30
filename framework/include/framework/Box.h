// Boxed values and argument lists: how reflection passes values untyped.
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace fw {

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

class Box final : public Object {
public:
    using Value = std::variant<bool, std::int32_t, String, Color, Ref<Object>>;

    Box(ClassRecord& record, Value value) : Object(record), m_value(std::move(value)) { }
    static ClassRecord& __Lookup();

    const Value& value() const { return m_value; }

private:
    Value m_value;
};

Ref<Box> box(Box::Value value);

// Unboxes a value of type T; a nil box or one of another type raises
// IllegalCastException (an object argument is checked with RuntimeCheckCast).
template<typename T>
T unbox(Object* boxed);

class ArgumentList final : public Object {
public:
    ArgumentList(ClassRecord& record, std::vector<Ref<Object>> items) : Object(record), m_items(std::move(items)) { }
    static ClassRecord& __Lookup();

    const std::vector<Ref<Object>>& items() const { return m_items; }

private:
    std::vector<Ref<Object>> m_items;
};

Ref<ArgumentList> arguments(std::vector<Ref<Object>> items);

// --- implementation of unbox ---

Object* unboxedObject(Object* boxed);
const Box::Value& boxedValue(Object* boxed);
[[noreturn]] void raiseUnboxMismatch();

template<typename T>
T unbox(Object* boxed)
{
    if constexpr (std::is_pointer_v<T>) {
        using Pointee = std::remove_pointer_t<T>;
        Object* object = unboxedObject(boxed);
        // Borrowed: the argument list keeps the object alive for the call.
        return RuntimeCheckCast<Pointee>(object).get();
    } else {
        const Box::Value& value = boxedValue(boxed);
        if (const T* typed = std::get_if<T>(&value))
            return *typed;
        raiseUnboxMismatch();
    }
}

} // namespace fw
