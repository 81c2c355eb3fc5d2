#include "core/ExitGuard.h"

#include "graphics/PicturePrefetch.h"

#include <cstdio>
#include <cstdlib>
#include <stdlib.h>

namespace rb {
namespace {

void EndAtOnce(int status, void*)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

// Thread-local objects end before any static one, so exit() reaches this
// first; a handler registered from here then runs before every earlier one,
// and on_exit hands it the status.
struct ExitWatch {
    bool armed = false;

    ~ExitWatch()
    {
        if (!armed)
            return;
        PicturePrefetch::Stop();
        on_exit(EndAtOnce, nullptr);
    }
};

thread_local ExitWatch watch;

} // namespace

void ExitGuard::Arm()
{
    watch.armed = true;
}

void ExitGuard::Disarm()
{
    watch.armed = false;
}

} // namespace rb
