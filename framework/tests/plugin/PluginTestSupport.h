#pragma once
// What the tests of the host with the tests' own plug-in share.

#include "rb/PluginHost.h"

#include <stdexcept>
#include <string>

namespace rbtest {

// Loads the tests' plug-in into the host once per test program, whichever test
// asks first.
void LoadTestPlugin();

// A host callback as a plug-in gets it from the resolver.
template <class Function>
Function Callback(const char* name)
{
    void* function = rb::ResolvePluginCallback(name);
    if (function == nullptr)
        throw std::logic_error(std::string("the resolver has no ") + name);
    return reinterpret_cast<Function>(function);
}

// The function registered under the key, as a function of that type; throws
// when nothing is registered there.
template <class Function>
Function Entrypoint(const std::string& key)
{
    void* entry = rb::RuntimeLookupPluginEntrypoint(key);
    if (entry == nullptr)
        throw std::logic_error("nothing is registered under " + key);
    return reinterpret_cast<Function>(entry);
}

} // namespace rbtest
