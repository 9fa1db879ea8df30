#include "framework/MenuItem.h"

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
    if (!item)
        RaiseNilObjectException();
}

void MenuItem::ConstructorWithText(MenuItem* item, String text, Object* tag)
{
    Constructor(item);
    Text_Set(item, 0, std::move(text));
    item->m_tag = tag;
}

void MenuItem::ConstructorCopy(MenuItem* item, MenuItem* original)
{
    if (!item || !original)
        RaiseNilObjectException();
    item->m_name = original->m_name;
    item->m_text = original->m_text;
    item->m_shortcut = original->m_shortcut;
    item->m_helpTag = original->m_helpTag;
    item->m_autoEnable = original->m_autoEnable;
    item->m_enabled = original->m_enabled;
    item->m_checked = original->m_checked;
    item->m_visible = original->m_visible;
    item->m_bold = original->m_bold;
    item->m_italic = original->m_italic;
    item->m_tag = original->m_tag;
    item->applyToNative();
    for (const Ref<MenuItem>& child : original->m_children)
        Append(item, Clone(child.get()).get());
}

Ref<MenuItem> MenuItem::Clone(MenuItem* item)
{
    if (!item)
        RaiseNilObjectException();
    Ref<MenuItem> copy = RuntimeNewObjectOf<MenuItem>(item->classRecord());
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
    if (child->contains(this))
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
    if (!item || !child)
        RaiseNilObjectException();
    item->attachChild(item->m_children.size(), child);
}

void MenuItem::Insert(MenuItem* item, std::int32_t index, MenuItem* child)
{
    if (!item || !child)
        RaiseNilObjectException();
    item->attachChild(std::size_t(std::max(index, 0)), child);
}

void MenuItem::RemoveAt(MenuItem* item, std::int32_t index)
{
    if (!item)
        RaiseNilObjectException();
    if (index >= 0)
        item->detachChild(std::size_t(index));
}

void MenuItem::RemoveItem(MenuItem* item, MenuItem* child)
{
    if (!item || !child)
        RaiseNilObjectException();
    if (child->m_parent == item)
        item->detachChild(std::size_t(child->index()));
}

void MenuItem::RemoveNamed(MenuItem* item, String name)
{
    if (Ref<MenuItem> child = Child(item, std::move(name)))
        item->detachChild(std::size_t(child->index()));
}

Ref<MenuItem> MenuItem::Item(MenuItem* item, std::int32_t index)
{
    if (!item)
        RaiseNilObjectException();
    if (index < 0 || std::size_t(index) >= item->m_children.size())
        return nullptr;
    return item->m_children[std::size_t(index)];
}

std::int32_t MenuItem::Count(MenuItem* item)
{
    if (!item)
        RaiseNilObjectException();
    return std::int32_t(item->m_children.size());
}

Ref<MenuItem> MenuItem::Child(MenuItem* item, String name)
{
    if (!item)
        RaiseNilObjectException();
    for (const Ref<MenuItem>& child : item->m_children) {
        if (equalsIgnoringCase(child->m_name.view(), name.view()))
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_LookupIndexed(MenuItem* item, String name, std::int32_t index)
{
    if (!item)
        RaiseNilObjectException();
    std::int32_t remaining = index;
    // Depth first, in menu order: a menu's own items before the next menu.
    auto search = [&](auto& self, MenuItem* under) -> Ref<MenuItem> {
        for (const Ref<MenuItem>& child : under->m_children) {
            if (equalsIgnoringCase(child->m_name.view(), name.view()) && remaining-- == 0)
                return child;
            if (Ref<MenuItem> found = self(self, child.get()))
                return found;
        }
        return nullptr;
    };
    return index < 0 ? nullptr : search(search, item);
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
    if (!replacement)
        RaiseNilObjectException();
    std::size_t position = std::size_t(current->index());
    item->detachChild(position);
    item->attachChild(position, replacement);
}

// --- properties ---

template<typename T>
void MenuItem::assign(MenuItem* item, T MenuItem::*field, T value)
{
    if (!item)
        RaiseNilObjectException();
    item->*field = std::move(value);
    item->applyToNative();
}

void MenuItem::Name_Set(MenuItem* item, std::int32_t, String value)
{
    // The Name decides whether the item is a stock Edit command.
    assign(item, &MenuItem::m_name, std::move(value));
    item->applyAutomaticEnabling();
}

void MenuItem::AutoEnable_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_autoEnable, value);
    item->applyAutomaticEnabling();
}

void MenuItem::Text_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &MenuItem::m_text, std::move(value));
}

void MenuItem::KeyboardShortcut_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &MenuItem::m_shortcut, std::move(value));
}

void MenuItem::Enabled_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_enabled, value);
}

void MenuItem::Checked_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_checked, value);
}

void MenuItem::Visible_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_visible, value);
}

void MenuItem::HelpTag_Set(MenuItem* item, std::int32_t, String value)
{
    assign(item, &MenuItem::m_helpTag, std::move(value));
}

void MenuItem::Bold_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_bold, value);
}

void MenuItem::Italic_Set(MenuItem* item, std::int32_t, bool value)
{
    assign(item, &MenuItem::m_italic, value);
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
    if (!item)
        RaiseNilObjectException();
    item->applyAutomaticEnabling();
}

void MenuItem::applyAutomaticEnabling()
{
    if (!m_autoEnable)
        return;
    // A stock Edit command is there only while the focused widget can do it.
    StandardEditCommand command = standardEditCommand(m_name.view());
    m_enabled = command == StandardEditCommand::None || canPerform(command, QApplication::focusWidget());
    applyToNative();
}

void MenuItem::refreshAutomaticEnabling()
{
    applyAutomaticEnabling();
    for (const Ref<MenuItem>& child : m_children)
        child->refreshAutomaticEnabling();
}

} // namespace fw
