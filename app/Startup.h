// Start-up, which the framework runs once during its initialisation, before
// the event loop: the application object with its menu bar, then the chart
// window. None of these catches anything; an exception ends start-up where
// it happens and reaches the framework's initialisation.
#pragma once

namespace tolvane {

// The six start-up calls, in their order.
void _Startup();
// The application's document file types: there are none.
void _InitFileTypes();
// Creates the App object, gives it the MenuBar1 instance as its menu bar and
// registers it with the framework, which holds it from then on.
void _NewAppInstance();
// Application-level menu handlers: there are none; Quit and the Edit items
// work through the framework's stock behaviour.
void _ApplicationAddMenuHandlers();
// Opens the chart window, which the framework then holds.
void _MakeDefaultView();

} // namespace tolvane
