#include "app/App.h"

#include "app/PublicMethodRecord.h"

#include <algorithm>

namespace tolvane {

fw::ClassRecord& App::__Lookup()
{
    __ctblinit();
    return *s_classRecord;
}

void App::__ctblinit()
{
    if (s_classRecord)
        return;
    fw::ClassRecord& base = fw::Application::__Lookup();
    fw::ClassRecord& record = fw::RuntimeNewClass<App>(&base, AppSlot::MethodRecordCount, 0,
        fw::ApplicationSlot::EventRecordCount, 0, fw::ApplicationSlot::PropertyRecordCount, 0);
    // Stored before it is filled in, so that a look-up from here on finds it.
    s_classRecord = &record;
    record.name = "App";
    record.instanceSize = base.instanceSize;

    record.vtable = fw::RuntimeNewVtable(AppSlot::OperationCount);
    record.vtableCount = AppSlot::OperationCount;
    std::copy_n(base.vtable.begin(), fw::ApplicationSlot::OperationCount, record.vtable.begin());
    fw::fill(record.vtable, AppSlot::Constructor, &App::Constructor);

    record.methods[fw::ApplicationSlot::MethodRecordCount] = publicMethodRecord("Constructor", "%%", &App::Constructor);
}

void App::Constructor(App*) { }

} // namespace tolvane
