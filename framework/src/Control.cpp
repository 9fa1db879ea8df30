#include "framework/Control.h"

#include "StoredProperty_p.h"

namespace fw {

ClassRecord& Control::__Lookup()
{
    static ClassRecord& record = [] () -> ClassRecord& {
        using i4 = std::int32_t;
        NativeClassDefinition definition{
            .name = "Control",
            .base = &ObjectClass(),
            .events = {"Open", "Close"},
        };
        addNativeMembers(definition, {},
            {
                nativeAccessor<Control, String>("Name", "s", +[](Control* control) { return control->name(); },
                    +[](Control* control, String name) { control->setName(std::move(name)); }),
                storedAccessor<Control, i4, &Control::index>("Index", "i4"),
                storedAccessor<Control, i4, &Control::tabPanelIndex>("TabPanelIndex", "i4"),
            });
        return defineAbstractClass(std::move(definition));
    }();
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
        if (equalsIgnoringCase(binding.event.view(), event)) {
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
        if (equalsIgnoringCase(binding.event.view(), event))
            return &binding;
    }
    return nullptr;
}

} // namespace fw
