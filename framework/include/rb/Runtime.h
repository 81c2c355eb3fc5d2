#pragma once

#include "rb/Delegate.h"
#include "rb/FrameworkExport.h"

#include <cstdint>
#include <functional>

namespace rb {

// The largest window that the program shows, in design units: its content,
// below its menu bar. Where it would not fit the screen with its menu bar
// and frame, the whole program is scaled down to fit; every coordinate the
// program sees stays in design units. 0 x 0: nothing is scaled.
struct RB_FRAMEWORK_EXPORT LargestWindow {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The framework's life: RuntimeInit first, then RunFrameworkInitialization with
// the program's start-up routine, RuntimeRun until the application quits, and
// RuntimeExit last.
RB_FRAMEWORK_EXPORT void RuntimeInit(int& argc, char** argv, LargestWindow largest = {});

// Initialises the framework (loads the bundle's plug-ins) and runs the start-up
// routine, a delegate of the signature "(  )". An exception escaping the
// routine reaches the caller: the program's run does not go on half built.
RB_FRAMEWORK_EXPORT void RunFrameworkInitialization(const Ref<Delegate>& startup);

// Raises the application's Open event, then the Open events of the windows
// made during start-up, and runs the event loop. Returns the exit code given
// to Quit; returns 0 at once when start-up made no window.
RB_FRAMEWORK_EXPORT int RuntimeRun();

RB_FRAMEWORK_EXPORT void RuntimeExit();

// Runs the work at once when the application has opened, or right after its
// Open event when it has not: windows made during start-up open after it.
RB_FRAMEWORK_EXPORT void RuntimeWhenOpen(std::function<void()> work);

// Quits the application: every window is asked to close, front to back, and the
// quit is given up when one refuses.
RB_FRAMEWORK_EXPORT void Quit(int exitCode = 0);

} // namespace rb
