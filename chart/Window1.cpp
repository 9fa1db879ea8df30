#include "chart/Window1.h"

#include "framework/Introspection.h"
#include "framework/Property.h"

#include <array>

namespace tolvane {
namespace {

// The class record, set at the start of the registration and never
// released.
fw::ClassRecord* s_classRecord = nullptr;

// Signature texts: "%", the result's type code, "%", the arguments' codes.
constexpr std::string_view kNoResult = "%%";
constexpr std::string_view kImageWellResult = "%o<ImageWell>%";
constexpr std::string_view kLabelResult = "%o<Label>%";
constexpr std::string_view kKeyDownSignature = "%b%o<ImageWell>s";
constexpr std::string_view kMouseDownSignature = "%b%o<Label>i4i4";

enum class Visibility : bool { Public, Hidden };

// One own operation: its place in the class table and what its method record
// says of it.
struct OwnOperation {
    std::size_t place;
    fw::Operation function;
    std::string_view signature;
    fw::ReflectionInvoker invoker;
    Visibility visibility;
};

// The slot fixes the function's type, and the reflection invoker is the one
// generated for that type.
template<typename Signature>
OwnOperation own(fw::Slot<Signature> slot, Signature* function, std::string_view signature,
    Visibility visibility = Visibility::Public)
{
    return {slot.index, fw::eraseOperation(function), signature, fw::Introspection::Invoke<Signature>, visibility};
}

// Fills the method record at the same place of the own records as the
// operation's place in the class table.
void describe(fw::ClassRecord& record, const OwnOperation& operation)
{
    const std::size_t index = operation.place - fw::WindowSlot::OperationCount;
    fw::MethodRecord& method = record.methods.at(fw::WindowSlot::MethodRecordCount + index);
    method.name = fw::String(Window1Slot::kOwnOperations.at(index));
    method.signature = fw::String(operation.signature);
    method.function = operation.function;
    method.invoker = operation.invoker;
    method.flags = 1;
    const bool hidden = operation.visibility == Visibility::Hidden;
    method.attributes = fw::RuntimeAllocateAttributeTable(hidden ? 2 : 1);
    method.attributes[0] = fw::publicScope();
    if (hidden)
        method.attributes[1] = fw::Attribute{"Hidden", fw::String(), false};
}

void defineUntitled(fw::ClassRecord& record, std::size_t fieldOffset)
{
    fw::PropertyRecord& untitled = record.properties.at(fw::WindowSlot::PropertyRecordCount);
    untitled.name = "Untitled";
    untitled.typeCode = "i4";
    untitled.fieldOffset = fieldOffset;
    untitled.flags = 5;
    untitled.attributes = fw::RuntimeAllocateAttributeTable(1);
    untitled.attributes[0] = fw::publicScope();
    untitled.getter = fw::eraseOperation(&fw::Int32::Get);
    untitled.setter = fw::eraseOperation(&fw::Int32::Set);
    untitled.boxedGetter = &fw::Int32::Introspection::GetValue;
    untitled.boxedSetter = &fw::Int32::Introspection::SetValue;
}

} // namespace

Window1::Window1(fw::ClassRecord& record) : fw::Window(record) { }

fw::ClassRecord& Window1::__Lookup()
{
    if (!s_classRecord)
        __ctblinit();
    return *s_classRecord;
}

void Window1::__ctblinit()
{
    if (s_classRecord)
        return;
    fw::ClassRecord& base = fw::Window::__Lookup();
    fw::ClassRecord& record = fw::RuntimeNewClass<Window1>(&base, Window1Slot::MethodRecordCount, 0,
        Window1Slot::EventRecordCount, 0, Window1Slot::PropertyRecordCount, Window1Slot::ClassAttributeCount);
    // Stored before it is filled in, as every class of the system is.
    s_classRecord = &record;

    record.name = fw::String(kClassName);
    const std::size_t untitledOffset = base.instanceSize;
    record.instanceSize = base.instanceSize + sizeof(std::int32_t);

    const std::array<OwnOperation, Window1Slot::OwnOperationCount> operations{{
        own(Window1Slot::Layout, &Layout, kNoResult),
        own(Window1Slot::CreateControls, &CreateControls, kNoResult),
        own(Window1Slot::_CreateControls0, &_CreateControls0, kNoResult, Visibility::Hidden),
        own(Window1Slot::_CreateControls1, &_CreateControls1, kNoResult, Visibility::Hidden),
#define TOLVANE_WELL_ACCESSOR(name, left, top, width, height, tabIndex, picture, handler) \
        own(Window1Slot::name, &name, kImageWellResult),
#define TOLVANE_LABEL_ACCESSOR(name, left, top, width, height, tabIndex, handler, picture, sound) \
        own(Window1Slot::name, &name, kLabelResult),
        TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_ACCESSOR, TOLVANE_LABEL_ACCESSOR)
#undef TOLVANE_WELL_ACCESSOR
#undef TOLVANE_LABEL_ACCESSOR
#define TOLVANE_WELL_HANDLER(name, left, top, width, height, tabIndex, picture, handler) \
        TOLVANE_IF_HANDLER(handler, own(Window1Slot::handler, &handler, kKeyDownSignature),)
#define TOLVANE_LABEL_HANDLER(name, left, top, width, height, tabIndex, handler, picture, sound) \
        own(Window1Slot::handler, &handler, kMouseDownSignature),
        TOLVANE_FOR_EACH_CONTROL(TOLVANE_WELL_HANDLER, TOLVANE_LABEL_HANDLER)
#undef TOLVANE_WELL_HANDLER
#undef TOLVANE_LABEL_HANDLER
#define TOLVANE_MENU_ITEM_ACCESSOR(name, resultClass) \
        own(Window1Slot::name, &name, "%o<" #resultClass ">%"),
        TOLVANE_FOR_EACH_MENU_ITEM(TOLVANE_MENU_ITEM_ACCESSOR)
#undef TOLVANE_MENU_ITEM_ACCESSOR
    }};

    record.vtable = fw::RuntimeNewVtable(Window1Slot::OperationCount);
    record.vtableCount = Window1Slot::OperationCount;
    for (const OwnOperation& operation : operations)
        record.vtable.at(operation.place) = operation.function;
    for (std::size_t place = 0; place < fw::WindowSlot::OperationCount; ++place)
        record.vtable[place] = base.vtable.at(place);

    for (const OwnOperation& operation : operations)
        describe(record, operation);

    fw::implementEvent(record, fw::WindowEvent::Layout, &Layout);
    fw::implementEvent(record, fw::WindowEvent::CreateControls, &CreateControls);
    defineUntitled(record, untitledOffset);
    record.classAttributes.at(0) = fw::publicScope();
}

} // namespace tolvane
