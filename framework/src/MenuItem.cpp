#include "framework/MenuItem.h"

#include "CheckedSelf_p.h"
#include "MenuItemNative_p.h"
#include "StandardEditCommand_p.h"

#include <QApplication>

#include <algorithm>

namespace fw {

MenuItem::MenuItem(ClassRecord& record) : Object(record) { }

MenuItem::~MenuItem()
{
    for (const Ref<MenuItem>& child : m_children)
        child->m_parent = nullptr;
}

// --- the model ---

void MenuItem::Constructor(MenuItem* item)
{
    // Every property starts at its default when the object is made; the
    // native action waits until a menu shows the item.
    checkedSelf(item);
}

void MenuItem::ConstructorWithText(MenuItem* item, String text, Object* tag)
{
    Text_Set(item, 0, std::move(text));
    item->m_properties.tag = tag;
}

void MenuItem::ConstructorCopy(MenuItem* item, MenuItem* original)
{
    checkedSelf(item).m_properties = checkedSelf(original).m_properties;
    item->applyToNative();
    for (const Ref<MenuItem>& child : original->m_children)
        Append(item, Clone(child.get()).get());
}

Ref<MenuItem> MenuItem::Clone(MenuItem* item)
{
    Ref<MenuItem> copy = RuntimeNewObjectOf<MenuItem>(checkedSelf(item).classRecord());
    ConstructorCopy(copy.get(), item);
    return copy;
}

std::int32_t MenuItem::index() const
{
    if (!m_parent)
        return -1;
    const auto& siblings = m_parent->m_children;
    auto found = std::find_if(
        siblings.begin(), siblings.end(), [this](const Ref<MenuItem>& sibling) { return sibling.get() == this; });
    return std::int32_t(found - siblings.begin());
}

bool MenuItem::contains(const MenuItem* other) const
{
    for (const MenuItem* link = other; link; link = link->m_parent) {
        if (link == this)
            return true;
    }
    return false;
}

void MenuItem::attachChild(std::size_t position, MenuItem* child)
{
    if (checkedSelf(child).contains(this))
        RaiseNew(RuntimeException::__Lookup(), "a menu item cannot hold itself or a menu above it");
    Ref<MenuItem> kept(child);
    if (MenuItem* previous = child->m_parent)
        previous->detachChild(std::size_t(child->index()));
    position = std::min(position, m_children.size());
    m_children.insert(m_children.begin() + std::ptrdiff_t(position), kept);
    child->m_parent = this;
    syncNativeChildren();
}

void MenuItem::detachChild(std::size_t position)
{
    if (position >= m_children.size())
        return;
    Ref<MenuItem> child = m_children[position];
    m_children.erase(m_children.begin() + std::ptrdiff_t(position));
    child->m_parent = nullptr;
    syncNativeChildren();
}

void MenuItem::Append(MenuItem* item, MenuItem* child)
{
    checkedSelf(item).attachChild(item->m_children.size(), child);
}

void MenuItem::Insert(MenuItem* item, std::int32_t index, MenuItem* child)
{
    checkedSelf(item).attachChild(std::size_t(std::max(index, 0)), child);
}

void MenuItem::RemoveAt(MenuItem* item, std::int32_t index)
{
    if (index >= 0)
        checkedSelf(item).detachChild(std::size_t(index));
}

void MenuItem::RemoveItem(MenuItem* item, MenuItem* child)
{
    if (checkedSelf(child).m_parent == &checkedSelf(item))
        item->detachChild(std::size_t(child->index()));
}

void MenuItem::RemoveNamed(MenuItem* item, String name)
{
    if (Ref<MenuItem> child = Child(item, std::move(name)))
        item->detachChild(std::size_t(child->index()));
}

Ref<MenuItem> MenuItem::Item(MenuItem* item, std::int32_t index)
{
    const auto& children = checkedSelf(item).m_children;
    if (index < 0 || std::size_t(index) >= children.size())
        return nullptr;
    return children[std::size_t(index)];
}

std::int32_t MenuItem::Count(MenuItem* item)
{
    return std::int32_t(checkedSelf(item).m_children.size());
}

Ref<MenuItem> MenuItem::Child(MenuItem* item, String name)
{
    for (const Ref<MenuItem>& child : checkedSelf(item).m_children) {
        if (equalsIgnoringCase(child->name().view(), name.view()))
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_LookupIndexed(MenuItem* item, String name, std::int32_t index)
{
    std::int32_t remaining = index;
    // Depth first, in menu order: a menu's own items before the next menu.
    auto search = [&](auto& self, MenuItem* under) -> Ref<MenuItem> {
        for (const Ref<MenuItem>& child : under->m_children) {
            if (equalsIgnoringCase(child->name().view(), name.view()) && remaining-- == 0)
                return child;
            if (Ref<MenuItem> found = self(self, child.get()))
                return found;
        }
        return nullptr;
    };
    return index < 0 ? nullptr : search(search, &checkedSelf(item));
}

Ref<MenuItem> MenuItem::_Lookup(MenuItem* item, String name)
{
    return _LookupIndexed(item, std::move(name), 0);
}

void MenuItem::_Swap(MenuItem* item, String name, MenuItem* replacement)
{
    Ref<MenuItem> current = Child(item, std::move(name));
    if (!current || current.get() == replacement)
        return;
    std::size_t position = std::size_t(current->index());
    checkedSelf(replacement);
    item->detachChild(position);
    item->attachChild(position, replacement);
}

// --- properties ---

String MenuItem::Name_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.name; }
String MenuItem::Text_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.text; }
String MenuItem::KeyboardShortcut_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.shortcut; }
bool MenuItem::AutoEnable_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.autoEnable; }
bool MenuItem::Enabled_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.enabled; }
bool MenuItem::Checked_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.checked; }
bool MenuItem::Visible_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.visible; }
String MenuItem::HelpTag_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.helpTag; }
bool MenuItem::Bold_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.bold; }
bool MenuItem::Italic_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_properties.italic; }
std::int32_t MenuItem::Index_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).index(); }
Ref<MenuItem> MenuItem::Parent_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).m_parent; }
bool MenuItem::IsSeparator_Get(MenuItem* item, std::int32_t) { return checkedSelf(item).isSeparator(); }
bool MenuItem::HasChildren_Get(MenuItem* item, std::int32_t) { return !checkedSelf(item).m_children.empty(); }

template<typename T>
void MenuItem::assign(MenuItem* item, T Properties::*field, T value)
{
    checkedSelf(item).m_properties.*field = std::move(value);
    item->applyToNative();
}

void MenuItem::Name_Set(MenuItem* item, std::int32_t, String value)
{
    // The Name decides whether the item is a stock Edit command.
    assign(item, &Properties::name, std::move(value));
    item->applyAutomaticEnabling();
}

void MenuItem::Text_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &Properties::text, std::move(value));
}

void MenuItem::KeyboardShortcut_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &Properties::shortcut, std::move(value));
}

void MenuItem::AutoEnable_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::autoEnable, value);
    item->applyAutomaticEnabling();
}

void MenuItem::Enabled_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::enabled, value);
}

void MenuItem::Checked_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::checked, value);
}

void MenuItem::Visible_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::visible, value);
}

void MenuItem::HelpTag_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &Properties::helpTag, std::move(value));
}

void MenuItem::Bold_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::bold, value);
}

void MenuItem::Italic_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &Properties::italic, value);
}

// --- enabling ---

void MenuItem::Enable(MenuItem* item)
{
    Enabled_Set(item, 0, true);
}

void MenuItem::_DisableEntirely(MenuItem* item)
{
    Enabled_Set(item, 0, false);
    for (const Ref<MenuItem>& child : item->m_children)
        _DisableEntirely(child.get());
}

void MenuItem::_SelfEnable(MenuItem* item)
{
    checkedSelf(item).applyAutomaticEnabling();
}

void MenuItem::applyAutomaticEnabling()
{
    if (!m_properties.autoEnable)
        return;
    // A stock Edit command is there only while the focused widget can do it.
    StandardEditCommand command = standardEditCommand(name().view());
    m_properties.enabled = command == StandardEditCommand::None || canPerform(command, QApplication::focusWidget());
    applyToNative();
}

void MenuItem::refreshAutomaticEnabling()
{
    applyAutomaticEnabling();
    for (const Ref<MenuItem>& child : m_children)
        child->refreshAutomaticEnabling();
}

} // namespace fw
