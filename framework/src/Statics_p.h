// The framework's statics: each unit that owns class records or process-wide
// state registers itself here, with a rank, so that start-up can build every
// framework class record and shut-down can release every static in a fixed
// order without the runtime's core naming each unit.
#pragma once

namespace fw {

enum class StaticsRank : int {
    Runtime = 0,   // objects, exceptions, boxes, delegates
    Application,   // application, menus
    Files,         // folder items, pictures, sounds
    Controls,      // controls
    Windows,       // window lists, introspection maps, implicit windows (released last)
};

struct StaticsRegistration {
    // initialize builds the unit's class records; finalize releases what the
    // unit holds. Either may be nil. Registrations of one rank run in the
    // order the program's static initialisation gives them; ranks run in
    // ascending order at start-up and at shut-down alike, so the implicit
    // windows go last.
    StaticsRegistration(StaticsRank rank, void (*initialize)(), void (*finalize)());
};

void runStaticsInitializers();
void runStaticsFinalizers();

} // namespace fw
