#include "framework/MenuItem.h"

#include "CheckedSelf_p.h"
#include "NativeMembers_p.h"

#include <QMenuBar>
#include <QPointer>

namespace fw {

// Every Qt menu bar made for a window, as long as its window keeps it.
struct MenuBar::NativeBars {
    std::vector<QPointer<QMenuBar>> bars;
};

ClassRecord& MenuBar::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<MenuBar>(
        {
            .name = "MenuBar",
            .base = &MenuItem::__Lookup(),
            .operationCount = MenuBarSlot::OperationCount,
        },
        {
            nativeOperation(MenuBarSlot::__DependencyList, "__DependencyList", "%%", &MenuBar::__DependencyList),
            nativeOperation(MenuBarSlot::_InstallClone, "_InstallClone", "%%o<MenuItem>", &MenuBar::_InstallClone),
        });
    return record;
}

MenuBar::MenuBar(ClassRecord& record)
    : MenuItem(record)
    , m_nativeBars(std::make_unique<NativeBars>())
{
}

MenuBar::~MenuBar() = default;

void MenuBar::__DependencyList(MenuBar* menuBar)
{
    // A menu bar depends on nothing beyond what it holds.
    checkedSelf(menuBar);
}

void MenuBar::_InstallClone(MenuBar* menuBar, MenuItem* item)
{
    Append(menuBar, Clone(item).get());
}

QMenuBar* MenuBar::createNativeMenuBar(QWidget* parent) const
{
    auto bar = std::make_unique<QMenuBar>(parent);
    // The bar belongs to its window on every platform, so that the window's
    // layout and its shortcuts do not depend on a desktop's global menu.
    bar->setNativeMenuBar(false);
    showMenus(*bar);
    m_nativeBars->bars.emplace_back(bar.get());
    // Qt's parent owns the bar from here on.
    return bar.release();
}

void MenuBar::syncNativeChildren()
{
    std::erase_if(m_nativeBars->bars, [](const QPointer<QMenuBar>& bar) { return bar.isNull(); });
    for (const QPointer<QMenuBar>& bar : m_nativeBars->bars) {
        bar->clear();
        showMenus(*bar);
    }
}

void MenuBar::showMenus(QMenuBar& bar) const
{
    for (const Ref<MenuItem>& menu : children()) {
        if (QAction* action = menu->action())
            bar.addAction(action);
    }
}

} // namespace fw
