#include "framework/Control.h"

#include "framework/Property.h"

#include "NativeClass_p.h"

namespace fw {

namespace {
String nameOf(Control* control) { return control->nameProperty; }
void setName(Control* control, String value) { control->nameProperty = value; }
std::int32_t indexOf(Control* control) { return control->index; }
void setIndex(Control* control, std::int32_t value) { control->index = value; }
std::int32_t tabPanelIndexOf(Control* control) { return control->tabPanelIndex; }
void setTabPanelIndex(Control* control, std::int32_t value) { control->tabPanelIndex = value; }
} // namespace

ClassRecord& Control::__Lookup()
{
    static ClassRecord& record = defineAbstractClass({
        .name = "Control",
        .base = &ObjectClass(),
        .properties = {
            nativeProperty<Control, String>("Name", "s", 5, nameOf, setName),
            nativeProperty<Control, std::int32_t>("Index", "i4", 5, indexOf, setIndex),
            nativeProperty<Control, std::int32_t>("TabPanelIndex", "i4", 5, tabPanelIndexOf, setTabPanelIndex),
        },
    });
    return record;
}

Control::Control(ClassRecord& record) : Object(record) { }
Control::~Control() = default;

void Control::attach(Window* window, String name)
{
    m_window = window;
    if (!name.isNil())
        m_name = std::move(name);
}

void Control::bindEvent(std::string_view event, Operation stub, Delegate* delegate)
{
    for (EventBinding& binding : m_bindings) {
        if (binding.event == event) {
            binding.stub = stub;
            binding.delegate = delegate;
            return;
        }
    }
    m_bindings.push_back(EventBinding{String(event), stub, Ref<Delegate>(delegate)});
}

const Control::EventBinding* Control::binding(std::string_view event) const
{
    for (const EventBinding& binding : m_bindings) {
        if (binding.event == event)
            return &binding;
    }
    return nullptr;
}

} // namespace fw
