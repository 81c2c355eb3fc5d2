#include "CallbackSpy.h"

#include <rb/PluginHost.h>

#include <cstring>

namespace kwxtest {

namespace {

struct Notes {
    std::vector<std::string> newInstances;
    std::vector<const void*> builtStrings;
    std::vector<const void*> unlockedStrings;
};

Notes& notes()
{
    static Notes kept;
    return kept;
}

template <typename Function>
Function HostCallback(const char* name)
{
    return reinterpret_cast<Function>(rb::ResolvePluginCallback(name));
}

RbHostObject* NewInstance(const char* className)
{
    notes().newInstances.emplace_back(className == nullptr ? "" : className);
    return HostCallback<RbPluginNewInstanceFn>("PluginNewInstance")(className);
}

RbHostString* BuildString(const void* bytes, uint32_t count)
{
    RbHostString* string = HostCallback<RbREALBuildStringFn>("REALBuildString")(bytes, count);
    notes().builtStrings.push_back(string);
    return string;
}

void UnlockString(RbHostString* string)
{
    notes().unlockedStrings.push_back(string);
    HostCallback<RbREALUnlockStringFn>("REALUnlockString")(string);
}

} // namespace

void* CallbackSpy::Resolve(const char* name)
{
    if (name != nullptr && std::strcmp(name, "PluginNewInstance") == 0)
        return reinterpret_cast<void*>(&NewInstance);
    if (name != nullptr && std::strcmp(name, "REALBuildString") == 0)
        return reinterpret_cast<void*>(&BuildString);
    if (name != nullptr && std::strcmp(name, "REALUnlockString") == 0)
        return reinterpret_cast<void*>(&UnlockString);
    return rb::ResolvePluginCallback(name);
}

void CallbackSpy::Clear()
{
    notes() = Notes{};
}

const std::vector<std::string>& CallbackSpy::NewInstances()
{
    return notes().newInstances;
}

const std::vector<const void*>& CallbackSpy::BuiltStrings()
{
    return notes().builtStrings;
}

const std::vector<const void*>& CallbackSpy::UnlockedStrings()
{
    return notes().unlockedStrings;
}

} // namespace kwxtest
