#include "framework/Application.h"

#include "RaiseEvent_p.h"
#include "RuntimeState_p.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

namespace fw {

namespace {
Ref<RuntimeException> callCatchingRuntimeExceptions(void (*routine)(void*), void* argument)
{
    try {
        routine(argument);
    } catch (const RaisedException& raised) {
        return raised.exception();
    }
    return nullptr;
}

std::string readableTypeName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

Ref<RuntimeException> describedException(std::string_view description)
{
    return newException(RuntimeException::__Lookup(), description);
}

// The application object sees the exception first; unless it says it dealt
// with it, its class and message go to standard error.
void report(RuntimeException* exception)
{
    Ref<RuntimeException> reported(exception);
    Ref<Application> application = RuntimeAppObject();
    if (application && raiseEvent(application.get(), ApplicationEvent::UnhandledException, reported.get()))
        return;
    std::string className = reported ? reported->classRecord().name.toStdString() : std::string("nil exception");
    std::string message = reported ? reported->message.toStdString() : std::string();
    std::fprintf(stderr, "Unhandled exception %s%s%s\n", className.c_str(), message.empty() ? "" : ": ",
        message.c_str());
    std::fflush(stderr);
}
} // namespace

void _RuntimeSetExceptionHelper(Operation helper)
{
    runtimeState().exceptionHelper = reinterpret_cast<ExceptionHelper>(helper);
}

void RuntimeDeliverEvent(void (*routine)(void*), void* argument)
{
    RuntimeState& state = runtimeState();
    try {
        Ref<RuntimeException> raised = state.exceptionHelper ? state.exceptionHelper(routine, argument)
                                                             : callCatchingRuntimeExceptions(routine, argument);
        // A handler's failure is reported and the loop goes on: the run
        // has not failed.
        if (raised)
            report(raised.get());
    } catch (...) {
        // Unwinding through Qt's event dispatch is undefined: keep the
        // exception, end the loop, and let _RuntimeRun raise it again on
        // the far side of Qt.
        if (!state.pendingException)
            state.pendingException = std::current_exception();
        RuntimeQuit();
    }
}

void _UnhandledException(RuntimeException* exception)
{
    // Only the program's own catch hands an exception here, so it has ended
    // start-up or the event loop: the run ends with a failure status, also
    // when the application object deals with the report.
    runtimeState().endedByException = true;
    report(exception);
}

Ref<RuntimeException> RuntimeCurrentException()
{
    try {
        throw;
    } catch (const RaisedException& raised) {
        if (raised.exception())
            return raised.exception();
        return describedException("a raised exception without an object");
    } catch (const std::exception& exception) {
        return describedException(readableTypeName(typeid(exception)) + ": " + exception.what());
    } catch (...) {
        return describedException("an exception of an unknown type");
    }
}

} // namespace fw
