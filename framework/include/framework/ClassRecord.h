// Class records and class tables: how a class is registered with the runtime.
//
// A class record names its base, holds the member records that reflection
// reads (methods, events, properties, each by name), the class table through
// which operations are called, and the size of the run-time fields an
// instance carries. A subclass keeps its base's records and operations in the
// base's order and appends its own.
//
// Class-table entries are stored type-erased. Code never casts them: each
// place in a table is a named Slot constant that carries the operation's C++
// type, and call() / fill() are the only code that converts.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace fw {

class ClassRecord;
class ArgumentList;

// A class-table entry, a method's function or an event implementation, with
// its type erased.
using Operation = void (*)();

template<typename Function>
Operation eraseOperation(Function* function)
{
    return reinterpret_cast<Operation>(function);
}

// Reflection invoker: calls a method's function on a target with boxed
// arguments and hands back the boxed result (nil for none).
using ReflectionInvoker = Ref<Object> (*)(Operation function, Object* target, const ArgumentList* arguments);

struct Attribute {
    String name;
    String value; // nil for a marker attribute such as "Hidden"
    bool flag = false;
};
using AttributeTable = std::vector<Attribute>;

struct MethodRecord {
    String name;
    std::uint32_t flags = 0;
    AttributeTable attributes;
    String signature;
    Operation function = nullptr;
    ReflectionInvoker invoker = nullptr;
};

struct EventRecord {
    String name;
    Operation implementation = nullptr; // nil: the class does not handle the event
};

struct PropertyRecord;
using BoxedGetter = Ref<Object> (*)(Object* target, const PropertyRecord& property);
using BoxedSetter = void (*)(Object* target, const PropertyRecord& property, Object* value);

struct PropertyRecord {
    String name;
    String typeCode; // "i4", "b", "s", "c" (Color), "o<Class>"
    std::uint32_t flags = 0;
    AttributeTable attributes;
    std::size_t fieldOffset = 0; // for properties stored in run-time fields
    Operation getter = nullptr;
    Operation setter = nullptr;
    BoxedGetter boxedGetter = nullptr;
    BoxedSetter boxedSetter = nullptr;
};

using Vtable = std::vector<Operation>;
using InstanceHook = void (*)(Object*);
using InstanceFactory = Ref<Object> (*)(ClassRecord&);

class ClassRecord {
public:
    String name;
    ClassRecord* base = nullptr;
    std::vector<MethodRecord> methods;
    std::vector<EventRecord> events;
    std::vector<PropertyRecord> properties;
    AttributeTable classAttributes;
    Vtable vtable;
    std::size_t vtableCount = 0;
    std::size_t instanceSize = 0; // bytes of run-time fields, the base's included
    InstanceHook initializer = nullptr;
    InstanceHook finalizer = nullptr;
    InstanceFactory factory = nullptr;

    bool isSubclassOf(const ClassRecord& other) const;
    // Finds a property among this class's records and its bases', ignoring
    // letter case. Nil when there is none.
    const PropertyRecord* findProperty(std::string_view name) const;
    const MethodRecord* findMethod(std::string_view name) const;
    const EventRecord* findEvent(std::string_view name) const;
};

// A typed place in a class table.
template<typename Signature>
struct Slot;
template<typename Result, typename Self, typename... Args>
struct Slot<Result(Self*, Args...)> {
    using Function = Result(Self*, Args...);
    std::size_t index;
};

[[noreturn]] void RaiseNilObjectException();
// Raises for a place that the object's class table does not fill.
[[noreturn]] void raiseMissingOperation(const ClassRecord& record, std::size_t index);

// Calls the operation at a slot of the object's own class table. A nil
// object raises NilObjectException, a place the table lacks a
// RuntimeException: never a call through nothing.
template<typename Result, typename Self, typename... Args, typename... Passed>
Result call(Self* self, Slot<Result(Self*, Args...)> slot, Passed&&... args)
{
    if (!self)
        RaiseNilObjectException();
    const Vtable& table = self->classRecord().vtable;
    if (slot.index >= table.size() || !table[slot.index])
        raiseMissingOperation(self->classRecord(), slot.index);
    auto function = reinterpret_cast<Result (*)(Self*, Args...)>(table[slot.index]);
    return function(self, std::forward<Passed>(args)...);
}

// Reads the operation at a slot, typed.
template<typename Result, typename Self, typename... Args>
auto operationAt(const ClassRecord& record, Slot<Result(Self*, Args...)> slot)
{
    return reinterpret_cast<Result (*)(Self*, Args...)>(record.vtable.at(slot.index));
}

// Writes an operation into a class table at a slot; the function must have
// exactly the slot's type.
template<typename Signature>
void fill(Vtable& table, Slot<Signature> slot, Signature* function)
{
    table.at(slot.index) = eraseOperation(function);
}

// Class registration. RuntimeNewClass copies the base's member records into
// the first places of the new record's tables; the caller fills the rest. The
// two counts that are always 0 are accepted and ignored. Native is the C++
// type whose objects RuntimeNewObject makes for the class.
ClassRecord& RuntimeNewClassRecord(ClassRecord* base, std::size_t methodCount, std::size_t unused1,
    std::size_t eventCount, std::size_t unused2, std::size_t propertyCount, std::size_t classAttributeCount,
    InstanceFactory factory);

template<typename Native>
ClassRecord& RuntimeNewClass(ClassRecord* base, std::size_t methodCount, std::size_t unused1, std::size_t eventCount,
    std::size_t unused2, std::size_t propertyCount, std::size_t classAttributeCount)
{
    InstanceFactory factory = [](ClassRecord& record) -> Ref<Object> { return make<Native>(record); };
    return RuntimeNewClassRecord(
        base, methodCount, unused1, eventCount, unused2, propertyCount, classAttributeCount, factory);
}

Vtable RuntimeNewVtable(std::size_t count);
AttributeTable RuntimeAllocateAttributeTable(std::size_t count);

// A new, not yet constructed instance of the class; never nil. Runs the
// instance initialisers of the class and its bases, the base's first.
Ref<Object> RuntimeNewObject(ClassRecord& record);

// The "__Scope" = "Public" attribute every public member carries.
Attribute publicScope();

} // namespace fw
