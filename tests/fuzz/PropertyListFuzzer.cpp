// The property-list reader under libFuzzer. The first byte picks the object
// (a label, a window or an image well, none with a native widget), the rest
// is the list. Any input may be rejected with PropertyListException; any
// other exception, a crash or a read out of bounds is a fault.
#include "framework/Control.h"
#include "framework/PropertyList.h"
#include "framework/Window.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

fw::ClassRecord& targetClass(std::uint8_t selector)
{
    const std::array<fw::ClassRecord*, 3> classes{
        &fw::Label::__Lookup(), &fw::Window::__Lookup(), &fw::ImageWell::__Lookup()};
    return *classes[selector % classes.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    fw::Ref<fw::Object> target = fw::RuntimeNewObject(targetClass(data[0]));
    const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        fw::RuntimeMassPropertySetter(target.get(), list);
    } catch (const fw::RaisedException& raised) {
        if (!raised.exception() || !raised.exception()->isKindOf(fw::PropertyListException::__Lookup()))
            __builtin_trap();
    }
    return 0;
}
