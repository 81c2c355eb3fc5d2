// The plug-in's one exported symbol.

#include "HostCallbacks.h"
#include "Registration.h"

extern "C" __attribute__((visibility("default"))) void REALPluginMain(RbResolver resolver)
{
    kwx::SetResolver(resolver);
    // Asked for once, uncached; a host without it gets the registrations alone.
    const auto registerVersion = reinterpret_cast<RbRegisterPluginVersionFn>(kwx::Resolve("RegisterPluginVersion"));
    if (registerVersion != nullptr)
        registerVersion(RB_PLUGIN_RECORD_VERSION);
    kwx::RegisterAll();
}
