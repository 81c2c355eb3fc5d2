#pragma once
// Watches the Font Manager calls that the plug-in makes: this test program
// defines them itself, notes each call and hands it on to the platform's own.
// The generation count alone can be set, to reach counts no run would.

#include <platform/MacTypes.h>

#include <cstdint>
#include <optional>

namespace kwxtest {

struct FontManagerCalls {
    int disposeFont = 0;
    int disposeFamily = 0;
    int disposeFamilyInstance = 0;
    int resetFont = 0;
    int resetFamily = 0;
    int resetFamilyInstance = 0;
    int nextFamilyInstance = 0;
    // The style and size that the last instance lookup, resource or container call received.
    FMFontStyle style = 0;
    FMFontSize size = 0;
};

class FontManagerSpy {
public:
    static FontManagerCalls& Calls();
    static void Clear();
    // What FMGetGeneration answers; nullopt for the platform's own count.
    static void SetGeneration(std::optional<uint32_t> generation);
    static std::optional<uint32_t> Generation();
};

} // namespace kwxtest
