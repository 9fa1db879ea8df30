#include "framework/MenuItem.h"

#include "CheckedSelf_p.h"
#include "KeyboardShortcut_p.h"
#include "MenuItemNative_p.h"
#include "QtText_p.h"
#include "RaiseEvent_p.h"
#include "StandardEditCommand_p.h"

#include <QApplication>
#include <QCursor>

namespace fw {

namespace {
bool haveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}
} // namespace

// --- choosing ---

void MenuItem::choose()
{
    RuntimeDeliverEvent(&MenuItem::deliverChoice, this);
}

void MenuItem::deliverChoice(void* item)
{
    // The handler may take the item out of its menu; it stays alive until
    // the choice is done.
    Ref<MenuItem> chosen(static_cast<MenuItem*>(item));
    chosen->triggered();
}

bool MenuItem::runActionEvent()
{
    return raiseEvent(this, MenuItemEvent::Action);
}

void MenuItem::triggered()
{
    if (runActionEvent())
        return;
    StandardEditCommand command = standardEditCommand(name().view());
    if (command != StandardEditCommand::None) {
        perform(command, QApplication::focusWidget());
        return;
    }
    if (Application* application = RuntimeAppObject())
        call(application, ApplicationSlot::_HandleMenuCommand, this);
}

void MenuItem::deliverMenuOpening(void* item)
{
    Ref<MenuItem> menu(static_cast<MenuItem*>(item));
    if (Application* application = RuntimeAppObject())
        call(application, ApplicationSlot::_EnableMenuItems, menu.get());
    for (const Ref<MenuItem>& child : menu->m_children) {
        child->applyAutomaticEnabling();
        raiseEvent(child.get(), MenuItemEvent::EnableMenu);
    }
}

// --- the native side ---

QAction* MenuItem::action()
{
    if (m_native)
        return m_native->action.get();
    if (!haveWidgets())
        return nullptr;
    m_native = std::make_unique<Native>();
    m_native->action = std::make_unique<QAction>();
    QAction* action = m_native->action.get();
    QObject::connect(action, &QAction::triggered, action, [this] { choose(); });
    if (standardEditCommand(name().view()) != StandardEditCommand::None) {
        // Shortcuts reach a disabled action never, so the state must follow
        // the focus, not only the opening of the menu.
        QObject::connect(qApp, &QApplication::focusChanged, action, [this] { applyAutomaticEnabling(); });
    }
    applyToNative();
    applyAutomaticEnabling();
    syncNativeChildren();
    return action;
}

QMenu* MenuItem::menu()
{
    if (m_children.empty() || !action())
        return nullptr;
    return m_native->menu.get();
}

void MenuItem::ensureMenu()
{
    if (m_native->menu)
        return;
    m_native->menu = std::make_unique<QMenu>();
    QMenu* menu = m_native->menu.get();
    menu->setTitle(m_native->action->text());
    QObject::connect(
        menu, &QMenu::aboutToShow, menu, [this] { RuntimeDeliverEvent(&MenuItem::deliverMenuOpening, this); });
    m_native->action->setMenu(menu);
}

void MenuItem::syncNativeChildren()
{
    if (!m_native || m_children.empty())
        return;
    ensureMenu();
    QMenu* menu = m_native->menu.get();
    menu->clear();
    for (const Ref<MenuItem>& child : m_children) {
        if (QAction* childAction = child->action())
            menu->addAction(childAction);
    }
}

void MenuItem::applyToNative()
{
    if (!m_native)
        return;
    const Properties& properties = m_properties;
    QAction& action = *m_native->action;
    action.setText(toQString(properties.text));
    action.setSeparator(isSeparator());
    // A separator is never chosen, so it takes no shortcut either.
    action.setShortcut(isSeparator() ? QKeySequence() : nativeKeySequence(properties.shortcut.view()));
    action.setEnabled(properties.enabled);
    action.setCheckable(properties.checked);
    action.setChecked(properties.checked);
    action.setVisible(properties.visible);
    action.setToolTip(toQString(properties.helpTag));
    action.setStatusTip(toQString(properties.helpTag));
    QFont font = action.font();
    font.setBold(properties.bold);
    font.setItalic(properties.italic);
    action.setFont(font);
    if (m_native->menu)
        m_native->menu->setTitle(action.text());
}

MenuItem* MenuItem::itemForAction(const QAction* chosen)
{
    if (!chosen)
        return nullptr;
    for (const Ref<MenuItem>& child : m_children) {
        if (child->m_native && child->m_native->action.get() == chosen)
            return child.get();
        if (MenuItem* found = child->itemForAction(chosen))
            return found;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::PopUpAt(MenuItem* item, std::int32_t x, std::int32_t y)
{
    QMenu* menu = checkedSelf(item).menu();
    if (!menu)
        return nullptr;
    return item->itemForAction(menu->exec(QPoint(x, y)));
}

Ref<MenuItem> MenuItem::PopUp(MenuItem* item)
{
    QPoint position = QCursor::pos();
    return PopUpAt(item, position.x(), position.y());
}

void MenuItem::Close(MenuItem* item)
{
    if (checkedSelf(item).m_native && item->m_native->menu)
        item->m_native->menu->close();
}

// --- the properties that read the Qt side ---

String MenuItem::ShortcutText_Get(MenuItem* item, std::int32_t)
{
    QKeySequence sequence = nativeKeySequence(checkedSelf(item).keyboardShortcut().view());
    return fromQString(sequence.toString(QKeySequence::PortableText));
}

String MenuItem::Mnemonic_Get(MenuItem* item, std::int32_t)
{
    QKeySequence mnemonic = QKeySequence::mnemonic(toQString(checkedSelf(item).text()));
    return fromQString(mnemonic.toString(QKeySequence::PortableText));
}

} // namespace fw
