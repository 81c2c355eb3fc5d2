#pragma once

namespace rb {

// Guards the program's run, from the framework's initialisation to
// RuntimeExit. An exit() called on this thread meanwhile (Qt's own, when the
// connection to the display breaks) stops the picture workers and ends the
// process at once with the status given: the windows, sounds and pictures
// still held belong to a toolkit that exit() is already tearing down, and
// destroying them then would crash.
class ExitGuard {
public:
    static void Arm();
    static void Disarm();
};

} // namespace rb
