#include "app/Lifecycle.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "chart/Window1.h"
#include "media/NoteTable.h"
#include "media/SoundItems.h"

#include "framework/Application.h"
#include "framework/Delegate.h"

namespace tolvane {

std::int32_t percent_main()
{
    fw::RuntimeInit();
    percent_initialize();
    _Main();
    percent_finalize();
    return fw::RuntimeExit();
}

void percent_initialize()
{
    fw::RuntimeInitializeFrameworkClasses();
    App::__ctblinit();
    Window1::__ctblinit();
    MenuBar1::__ctblinit();
}

void _Main()
{
    try {
        // Each routine goes to the framework as the code pointer of a
        // temporary delegate, which carries the routine's signature text.
        fw::Ref<fw::Delegate> helper = fw::RuntimeCreateDelegate(
            nullptr, fw::eraseOperation(&_CallFunctionWithExceptionHandling), nullptr, "( Ptr, Ptr ) as Object", 0);
        fw::_RuntimeSetExceptionHelper(helper ? helper->codePointer() : nullptr);
        helper = nullptr;

        fw::Ref<fw::Delegate> startup =
            fw::RuntimeCreateDelegate(nullptr, fw::eraseOperation(&_Startup), nullptr, "(  )", 0);
        fw::_RunFrameworkInitialization(startup ? startup->codePointer() : nullptr);
        startup = nullptr;

        fw::_RuntimeRun();
    } catch (...) {
        // The one catch of the program. If the report itself raises, that
        // exception leaves _Main and the shut-down does not run.
        fw::_UnhandledException(fw::RuntimeCurrentException().get());
    }
}

void percent_finalize()
{
#define TOLVANE_RELEASE_RECORDING(picture, pictureFile, sound, soundFile) media::sound.permaSound.__Exit();
    TOLVANE_FOR_EACH_NOTE(TOLVANE_RELEASE_RECORDING)
#undef TOLVANE_RELEASE_RECORDING
    fw::RuntimeFinalizeFrameworkStatics();
    MenuBar1::_implicitInstance.__Exit();
}

fw::Ref<fw::RuntimeException> _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument)
{
    try {
        if (!routine)
            fw::RaiseNilObjectException();
        routine(argument);
    } catch (const fw::RaisedException& raised) {
        return raised.exception();
    }
    return nullptr;
}

} // namespace tolvane
