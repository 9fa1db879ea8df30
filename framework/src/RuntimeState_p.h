// What the runtime keeps between its entry points: the GUI application it
// may have created, the exception helper, the application object, and the
// event loop's state and outcome.
#pragma once

#include "framework/Application.h"

#include <exception>
#include <memory>

class QApplication;

namespace fw {

struct RuntimeState {
    // Only a GUI application the framework created itself is deleted at
    // the runtime's end; one the host made (a test's) belongs to the host.
    std::unique_ptr<QApplication> ownedApplication;
    ExceptionHelper exceptionHelper = nullptr;
    Ref<Application> applicationObject;
    // An exception other than a RuntimeException that program code raised
    // while an event was delivered, kept until _RuntimeRun raises it again.
    std::exception_ptr pendingException;
    bool frameworkClassesReady = false;
    // Start-up runs once in each life of the runtime, from RuntimeInit on.
    bool startupDone = false;
    // An exception reached the program's own catch (_UnhandledException):
    // start-up or the event loop ended by it, and the run has failed.
    bool endedByException = false;
    bool quitRequested = false;
    bool loopRunning = false;
    std::int32_t exitStatus = 0;
};

RuntimeState& runtimeState();

} // namespace fw
