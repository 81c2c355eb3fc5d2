#pragma once
// A resolver over the host's own: every callback is the host's, and the spy
// notes the instances and strings that the plug-in asks for and the strings
// that it releases.

#include <rb/PluginABI.h>

#include <string>
#include <vector>

namespace kwxtest {

class CallbackSpy {
public:
    // The resolver to hand to the plug-in's entry point.
    static void* Resolve(const char* name);

    static void Clear();
    // Class names given to PluginNewInstance, in order.
    static const std::vector<std::string>& NewInstances();
    // Strings that REALBuildString made, and those passed to REALUnlockString.
    static const std::vector<const void*>& BuiltStrings();
    static const std::vector<const void*>& UnlockedStrings();
};

} // namespace kwxtest
