#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "chart/Window1.h"

#include "framework/Application.h"

namespace tolvane {

void _Startup()
{
    fw::_RuntimeInitExternalClasses();
    fw::_InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitFileTypes() { }

void _NewAppInstance()
{
    fw::Ref<App> application = fw::RuntimeNewObjectOf<App>(App::__Lookup());
    fw::call(application.get(), AppSlot::Constructor);
    // A new object is never nil, so this guards only the constructor's
    // contract; it stays as the start-up's one check of its own.
    if (!application)
        fw::RaiseNilObjectException();

    fw::Ref<MenuBar1> menuBar = implicit::MenuBar1();
    fw::Application::MenuBar_Set(application.get(), 0, menuBar.get());
    // The module global and the application keep their own references.
    menuBar = nullptr;

    fw::_RuntimeRegisterAppObject(application.get());
    // From here on the framework holds the application object.
    application = nullptr;
}

void _ApplicationAddMenuHandlers() { }

void _MakeDefaultView()
{
    // The framework holds the window among its implicit windows; the
    // reference handed to us goes at once.
    fw::Ref<Window1> window = implicit::Window1();
    window = nullptr;
}

} // namespace tolvane
