#include "NativeMembers_p.h"

#include "NeverDestroyed_p.h"
#include "PluginEntries_p.h"

#include <deque>

namespace fw {

std::string_view persistentMemberName(std::string name)
{
    // A deque never moves what it holds, so the views stay valid.
    static NeverDestroyed<std::deque<std::string>> names;
    return names->emplace_back(std::move(name));
}

void addNativeMembers(NativeClassDefinition& definition, const std::vector<NativeOperation>& operations,
    const std::vector<NativeAccessor>& accessors)
{
    for (const NativeOperation& operation : operations) {
        definition.methods.push_back(operation.method);
        definition.operations.emplace_back(operation.slot, operation.method.function);
    }
    for (const NativeAccessor& accessor : accessors) {
        definition.properties.push_back(accessor.property);
        definition.methods.push_back(accessor.getter);
        if (accessor.setter.function)
            definition.methods.push_back(accessor.setter);
    }
}

void publishNativeMembers(std::string_view className, const std::vector<NativeOperation>& operations,
    const std::vector<NativeAccessor>& accessors)
{
    const std::string prefix = std::string(className) + ".";
    for (const NativeOperation& operation : operations) {
        if (operation.published)
            registerPluginEntry(prefix + std::string(operation.method.name), operation.method.function);
    }
    for (const NativeAccessor& accessor : accessors) {
        const std::string property = prefix + accessor.property.name.toStdString();
        if (accessor.publishedGetter)
            registerPluginEntry(property + ".Get", accessor.publishedGetter);
        if (accessor.publishedSetter)
            registerPluginEntry(property + ".Set", accessor.publishedSetter);
    }
}

} // namespace fw
