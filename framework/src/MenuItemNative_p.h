// The Qt side of a menu item, made the first time a menu shows the item.
#pragma once

#include "framework/MenuItem.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace fw {

// The menu is declared first so that the action goes first: an action
// takes itself out of every menu and menu bar that shows it.
struct MenuItem::Native {
    std::unique_ptr<QMenu> menu;
    std::unique_ptr<QAction> action;
};

} // namespace fw
