// SIGTERM, SIGINT and SIGHUP end the program the way File ▸ Quit does: the
// event loop ends, the program's shut-down runs, and the exit status is a
// quit's. A signal handler may do almost nothing safely, so it only writes a
// byte into a pipe; the event loop reads the pipe and quits.
#pragma once

namespace fw {

namespace QuitSignals {
// From here on each of the three signals quits the event loop, also one that
// arrives before the loop runs (the loop then ends as soon as it starts); a
// signal the process was started with ignored stays ignored.
// Needs the Qt application; installing again does nothing. The same signal
// a second time before the loop has read the first takes its default effect,
// so a program too busy to answer can still be ended from the keyboard.
void install();
// Gives the three signals back the handling they had before install.
void remove();
} // namespace QuitSignals

} // namespace fw
