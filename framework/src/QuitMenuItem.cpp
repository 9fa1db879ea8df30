#include "framework/MenuItem.h"

#include "NativeClass_p.h"

namespace fw {

ClassRecord& QuitMenuItem::__Lookup()
{
    static ClassRecord& record = defineNativeClass<QuitMenuItem>({
        .name = "QuitMenuItem",
        .base = &MenuItem::__Lookup(),
        .operationCount = MenuItemSlot::OperationCount,
    });
    return record;
}

void QuitMenuItem::triggered()
{
    if (runActionEvent())
        return;
    RuntimeRequestQuit();
}

} // namespace fw
