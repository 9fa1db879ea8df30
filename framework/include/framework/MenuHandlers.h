// The menu handlers a window or the application registers for menu items by
// their Name, which a chosen item is matched against without regard to
// letter case.
#pragma once

#include "framework/ClassRecord.h"

#include <utility>
#include <vector>

namespace fw {

template<typename Owner>
class MenuHandlers {
public:
    using Handler = bool (*)(Owner*);

    // A second handler for the same Name replaces the first.
    void add(String itemName, Operation handler)
    {
        for (auto& [name, registered] : m_handlers) {
            if (equalsIgnoringCase(name.view(), itemName.view())) {
                registered = handler;
                return;
            }
        }
        m_handlers.emplace_back(std::move(itemName), handler);
    }

    // Runs the item's handler and hands back its result; false when the
    // item has none.
    bool dispatch(Owner* owner, const String& itemName) const
    {
        for (const auto& [name, handler] : m_handlers) {
            if (equalsIgnoringCase(name.view(), itemName.view()))
                return reinterpret_cast<Handler>(handler)(owner);
        }
        return false;
    }

    void clear() { m_handlers.clear(); }

private:
    std::vector<std::pair<String, Operation>> m_handlers;
};

} // namespace fw
