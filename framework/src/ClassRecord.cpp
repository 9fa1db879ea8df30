#include "framework/ClassRecord.h"

#include "NativeClass_p.h"
#include "NeverDestroyed_p.h"

#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

namespace fw {

static std::deque<ClassRecord>& registry()
{
    static NeverDestroyed<std::deque<ClassRecord>> records;
    return records.get();
}

bool ClassRecord::isSubclassOf(const ClassRecord& other) const
{
    for (const ClassRecord* record = this; record; record = record->base) {
        if (record == &other)
            return true;
    }
    return false;
}

namespace {

// A name with its ASCII letters in lower case: what equalsIgnoringCase
// compares.
std::string foldedName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// A class's property names, each folded once, with the place of the first
// property of that name in the class's table.
struct FoldedPropertyNames {
    std::size_t propertyCount = 0;
    std::unordered_map<std::string, std::size_t> places;
};

// Built at a class's first property look-up, by which time the class has
// filled its records; built again should the table have grown since.
const FoldedPropertyNames& foldedPropertyNames(const ClassRecord& record)
{
    // Records are never destroyed, so their addresses name them for good.
    static NeverDestroyed<std::unordered_map<const ClassRecord*, FoldedPropertyNames>> indexes;
    FoldedPropertyNames& names = indexes.get()[&record];
    if (names.propertyCount != record.properties.size()) {
        names.propertyCount = record.properties.size();
        names.places.clear();
        for (std::size_t place = 0; place < record.properties.size(); ++place)
            names.places.try_emplace(foldedName(record.properties[place].name.view()), place);
    }
    return names;
}

} // namespace

const PropertyRecord* ClassRecord::findProperty(std::string_view wanted) const
{
    const std::string folded = foldedName(wanted);
    // A record's table already holds its bases' records first; searching the
    // chain too covers classes whose tables were sized before a base grew.
    for (const ClassRecord* record = this; record; record = record->base) {
        const FoldedPropertyNames& names = foldedPropertyNames(*record);
        if (auto found = names.places.find(folded); found != names.places.end())
            return &record->properties[found->second];
    }
    return nullptr;
}

const MethodRecord* ClassRecord::findMethod(std::string_view wanted) const
{
    for (const MethodRecord& method : methods) {
        if (method.name == wanted)
            return &method;
    }
    return nullptr;
}

const EventRecord* ClassRecord::findEvent(std::string_view wanted) const
{
    for (const EventRecord& event : events) {
        if (event.name == wanted)
            return &event;
    }
    return nullptr;
}

ClassRecord& RuntimeNewClassRecord(ClassRecord* base, std::size_t methodCount, std::size_t,
    std::size_t eventCount, std::size_t, std::size_t propertyCount, std::size_t classAttributeCount,
    InstanceFactory factory)
{
    ClassRecord& record = registry().emplace_back();
    record.base = base;
    record.factory = factory;
    record.methods.resize(methodCount);
    record.events.resize(eventCount);
    record.properties.resize(propertyCount);
    record.classAttributes.resize(classAttributeCount);
    if (base) {
        // The base's records keep their places; the class fills the rest.
        for (std::size_t i = 0; i < base->methods.size() && i < methodCount; ++i)
            record.methods[i] = base->methods[i];
        for (std::size_t i = 0; i < base->events.size() && i < eventCount; ++i)
            record.events[i] = base->events[i];
        for (std::size_t i = 0; i < base->properties.size() && i < propertyCount; ++i)
            record.properties[i] = base->properties[i];
        record.instanceSize = base->instanceSize;
    }
    return record;
}

void raiseMissingOperation(const ClassRecord& record, std::size_t index)
{
    RaiseNew(RuntimeException::__Lookup(),
        record.name.toStdString() + " has no operation at place " + std::to_string(index));
}

Vtable RuntimeNewVtable(std::size_t count)
{
    return Vtable(count, nullptr);
}

AttributeTable RuntimeAllocateAttributeTable(std::size_t count)
{
    return AttributeTable(count);
}

Ref<Object> RuntimeNewObject(ClassRecord& record)
{
    if (!record.factory)
        RaiseNew(RuntimeException::__Lookup(), record.name.toStdString() + " has no instances of its own");
    Ref<Object> object = record.factory(record);
    // Initialisers run from the root class down, so a class sees its base's
    // fields ready.
    std::vector<ClassRecord*> chain;
    for (ClassRecord* link = &record; link; link = link->base)
        chain.push_back(link);
    for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
        if ((*link)->initializer)
            (*link)->initializer(object.get());
    }
    return object;
}

Attribute publicScope()
{
    return Attribute{"__Scope", "Public", true};
}

ClassRecord& defineNativeClass(NativeClassDefinition definition, InstanceFactory factory)
{
    ClassRecord* base = definition.base;
    std::size_t baseMethods = base ? base->methods.size() : 0;
    std::size_t baseEvents = base ? base->events.size() : 0;
    std::size_t baseProperties = base ? base->properties.size() : 0;
    ClassRecord& record = RuntimeNewClassRecord(base, baseMethods + definition.methods.size(), 0,
        baseEvents + definition.events.size(), 0, baseProperties + definition.properties.size(), 0, factory);
    record.name = String(definition.name);
    record.instanceSize += definition.ownFieldSize;
    record.initializer = definition.initializer;
    record.finalizer = definition.finalizer;

    for (std::size_t i = 0; i < definition.methods.size(); ++i) {
        const NativeMethod& method = definition.methods[i];
        MethodRecord& target = record.methods[baseMethods + i];
        target.name = String(method.name);
        target.flags = method.flags;
        target.signature = String(method.signature);
        target.function = method.function;
        target.invoker = method.invoker;
        target.attributes = {publicScope()};
        if (method.flags == 3)
            target.attributes.push_back(Attribute{"__Shared", {}, true});
    }
    for (std::size_t i = 0; i < definition.events.size(); ++i)
        record.events[baseEvents + i].name = String(definition.events[i]);
    for (std::size_t i = 0; i < definition.properties.size(); ++i)
        record.properties[baseProperties + i] = std::move(definition.properties[i]);

    record.vtable = RuntimeNewVtable(definition.operationCount);
    if (base) {
        for (std::size_t i = 0; i < base->vtable.size() && i < definition.operationCount; ++i)
            record.vtable[i] = base->vtable[i];
    }
    for (auto& [index, operation] : definition.operations)
        record.vtable.at(index) = operation;
    record.vtableCount = definition.operationCount;
    record.classAttributes = {publicScope()};
    return record;
}

ClassRecord& defineAbstractClass(NativeClassDefinition definition)
{
    return defineNativeClass(std::move(definition), nullptr);
}

} // namespace fw
