// The method record of one of the system's own methods, as the framework's
// reflection reads it: flags 1, the signature text, the function, the
// framework's invoker for the function's C++ signature, and the one
// attribute "__Scope" = "Public" that every member of the system carries.
#pragma once

#include "framework/ClassRecord.h"
#include "framework/Introspection.h"

namespace tolvane {

template<typename Signature>
fw::MethodRecord publicMethodRecord(fw::String name, fw::String signature, Signature* function)
{
    fw::AttributeTable attributes = fw::RuntimeAllocateAttributeTable(1);
    attributes[0] = fw::publicScope();
    return fw::MethodRecord{
        .name = std::move(name),
        .flags = 1,
        .attributes = std::move(attributes),
        .signature = std::move(signature),
        .function = fw::eraseOperation(function),
        .invoker = fw::Introspection::Invoke<Signature>,
    };
}

} // namespace tolvane
