// How the framework registers its own classes: one definition, data only,
// turned into a class record by defineNativeClass().
#pragma once

#include "framework/ClassRecord.h"
#include "framework/Exceptions.h"

#include <string_view>
#include <utility>
#include <vector>

namespace fw {

struct NativeMethod {
    std::string_view name = {};
    std::uint32_t flags = 1; // 3 for the "__Shared" ones
    std::string_view signature = "%%";
    Operation function = nullptr;
    ReflectionInvoker invoker = nullptr;
};

struct NativeClassDefinition {
    std::string_view name = {};
    ClassRecord* base = nullptr;
    std::vector<NativeMethod> methods = {};      // own records, after the base's
    std::vector<std::string_view> events = {};   // own records, after the base's
    std::vector<PropertyRecord> properties = {}; // own records, after the base's
    std::size_t operationCount = 0;         // the whole class table, the base's part included
    std::vector<std::pair<std::size_t, Operation>> operations = {}; // own or overriding entries
    std::size_t ownFieldSize = 0;
    InstanceHook initializer = nullptr;
    InstanceHook finalizer = nullptr;
};

ClassRecord& defineNativeClass(NativeClassDefinition definition, InstanceFactory factory);

template<typename Native>
ClassRecord& defineNativeClass(NativeClassDefinition definition)
{
    InstanceFactory factory = [](ClassRecord& record) -> Ref<Object> { return make<Native>(record); };
    return defineNativeClass(std::move(definition), factory);
}

// For a class that is never instantiated through RuntimeNewObject.
ClassRecord& defineAbstractClass(NativeClassDefinition definition);

} // namespace fw
