#pragma once
// How the framework learns of this process's font activations.

#include <platform/PlatformExport.h>

namespace platform {

// Called after every successful FMActivateFonts (activated true) and
// FMDeactivateFonts (false) with the path of the font file as fontconfig
// holds it: the file itself for the local context, its copy in the user's
// font folder for the global context. A deactivation names the same path as
// its activation. The path lives only for the call.
using FontActivationListener = void (*)(const char* path, bool activated);

// One listener at a time; null removes it.
RB_PLATFORM_EXPORT void SetFontActivationListener(FontActivationListener listener);

} // namespace platform
