#pragma once

#include <platform/FontActivation.h>
#include <platform/MacTypes.h>

#include <map>
#include <string>

namespace platform {

// The font files that this process activated, as fontconfig application
// fonts, and for the global context as copies in the user's font folder.
class FontActivator {
public:
    static FontActivator& Instance();

    OSStatus Activate(const std::string& path, uint32_t context);
    OSStatus Deactivate(const std::string& path);
    void SetListener(FontActivationListener listener) { listener_ = listener; }

private:
    struct Activation {
        std::string activePath;  // the file that fontconfig holds
        bool ownsCopy = false;   // activePath is a copy that this process made
    };

    OSStatus PlaceInUserFontFolder(const std::string& path, Activation& activation) const;
    bool IsInUse(const std::string& activePath) const;
    void Notify(const std::string& activePath, bool activated) const;

    std::map<std::string, Activation> activations_;  // by the path that was activated
    FontActivationListener listener_ = nullptr;
};

} // namespace platform
