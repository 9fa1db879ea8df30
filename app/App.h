// The application class: the framework's Application with nothing of its
// own but an empty constructor, so the framework's defaults decide how the
// application object opens, activates, quits and reports exceptions.
#pragma once

#include "framework/Application.h"

namespace tolvane {

class App final : public fw::Application {
public:
    using Application::Application;

    // The class record; registers the class first if that has not happened.
    static fw::ClassRecord& __Lookup();
    // Registers the class; does nothing once it is registered.
    static void __ctblinit();
    // Calls no base constructor and sets nothing.
    static void Constructor(App* application);

private:
    // The module global of the class record: nil until registered.
    static inline fw::ClassRecord* s_classRecord = nullptr;
};

// App keeps Application's 17 operations in their places and appends its
// constructor.
namespace AppSlot {
inline constexpr fw::Slot<void(App*)> Constructor{fw::ApplicationSlot::OperationCount};
inline constexpr std::size_t OperationCount = fw::ApplicationSlot::OperationCount + 1;
inline constexpr std::size_t MethodRecordCount = fw::ApplicationSlot::MethodRecordCount + 1;
static_assert(OperationCount == 18 && MethodRecordCount == 48);
} // namespace AppSlot

} // namespace tolvane
