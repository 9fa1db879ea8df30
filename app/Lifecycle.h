// The spine of the program, from the process entry to its exit status:
// start the runtime, build every class table, run start-up and the event
// loop inside the one catch, shut down in a fixed order, end the runtime.
#pragma once

#include "framework/Exceptions.h"

#include <cstdint>

namespace tolvane {

// The whole life of the process; the result is the exit status. An
// exception that the framework's unhandled-exception routine raises itself
// leaves it, and then neither the shut-down nor the runtime's end runs.
std::int32_t percent_main();

// Builds every class table once: the framework's, then App, Window1 and
// MenuBar1.
void percent_initialize();

// Installs the exception helper, runs the framework's initialisation with
// _Startup, then the event loop. Whatever escapes them is handed to the
// framework's unhandled-exception routine, and _Main returns normally.
void _Main();

// The shut-down releases: every note's cached recording, lowest note first,
// then the framework's statics, and last the menu bar.
void percent_finalize();

// The framework's exception helper for program code: calls the routine with
// the argument and hands back the RuntimeException it raised, or nil. Any
// other exception passes on.
fw::Ref<fw::RuntimeException> _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument);

} // namespace tolvane
