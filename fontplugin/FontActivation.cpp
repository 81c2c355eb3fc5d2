#include "FontActivation.h"

#include "HostCallbacks.h"

#include <platform/FontManager.h>

namespace kwx {

namespace {

constexpr int32_t kNoFileSpec = -1;

} // namespace

int32_t FontActivateKWX(RbHostObject* file, RbBoolean onlyLocal)
{
    FSSpec spec{};
    if (!FSSpecFromFolderItem(&spec, file))
        return kNoFileSpec;
    const uint32_t context = onlyLocal != 0 ? kFMLocalActivationContext : kFMGlobalActivationContext;
    return FMActivateFonts(&spec, nullptr, nullptr, context);
}

// Deactivation undoes this process's activation whatever its context was.
int32_t FontDeactivateKWX(RbHostObject* file, RbBoolean)
{
    FSSpec spec{};
    if (!FSSpecFromFolderItem(&spec, file))
        return kNoFileSpec;
    return FMDeactivateFonts(&spec, nullptr, nullptr, kFMLocalActivationContext);
}

} // namespace kwx
