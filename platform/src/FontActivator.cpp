#include "FontActivator.h"

#include "FaceReader.h"
#include "FileBytes.h"
#include "FontDatabase.h"
#include "FontconfigCatalog.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace platform {

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> UserFontFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / "fonts";
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute())
        return fs::path(home) / ".local/share/fonts";
    return std::nullopt;
}

bool SameBytes(const std::string& a, const std::string& b)
{
    const auto first = ReadFileBytes(a);
    return first && first == ReadFileBytes(b);
}

} // namespace

FontActivator& FontActivator::Instance()
{
    static FontActivator activator;
    return activator;
}

OSStatus FontActivator::Activate(const std::string& path, uint32_t context)
{
    if (activations_.contains(path))
        return noErr;
    std::error_code error;
    if (!fs::exists(path, error))
        return fnfErr;
    if (FaceReader::Instance().FaceCount(path) == 0) {
        std::fprintf(stderr, "platform.fonts: font file '%s': not a font file; not activated\n", path.c_str());
        return kFMFontContainerAccessErr;
    }
    Activation activation{path, false};
    if (context == kFMGlobalActivationContext) {
        if (const OSStatus status = PlaceInUserFontFolder(path, activation); status != noErr)
            return status;
    }
    if (!FontconfigCatalog::Instance().AddApplicationFont(activation.activePath)) {
        if (activation.ownsCopy)
            fs::remove(activation.activePath, error);
        return kFMFontContainerAccessErr;
    }
    activations_.emplace(path, activation);
    FontDatabase::Instance().Changed();
    Notify(activation.activePath, true);
    return noErr;
}

OSStatus FontActivator::Deactivate(const std::string& path)
{
    const auto found = activations_.find(path);
    if (found == activations_.end())
        return kFMFontNotActivatedErr;
    const Activation activation = found->second;
    activations_.erase(found);
    FontconfigCatalog::Instance().RemoveApplicationFont(activation.activePath);
    std::error_code error;
    if (activation.ownsCopy && !IsInUse(activation.activePath))
        fs::remove(activation.activePath, error);
    FontDatabase::Instance().Changed();
    Notify(activation.activePath, false);
    return noErr;
}

// A file of the same name and other content already in the folder is the
// user's own: it is never overwritten.
OSStatus FontActivator::PlaceInUserFontFolder(const std::string& path, Activation& activation) const
{
    const auto folder = UserFontFolder();
    if (!folder)
        return kFMFontContainerAccessErr;
    std::error_code error;
    fs::create_directories(*folder, error);
    if (error)
        return kFMFontContainerAccessErr;
    const fs::path target = *folder / fs::path(path).filename();
    activation.activePath = target.string();
    if (fs::exists(target, error))
        return fs::equivalent(path, target, error) || SameBytes(path, target) ? noErr : dupFNErr;
    if (!fs::copy_file(path, target, error))
        return kFMFontContainerAccessErr;
    activation.ownsCopy = true;
    return noErr;
}

bool FontActivator::IsInUse(const std::string& activePath) const
{
    for (const auto& entry : activations_) {
        if (entry.second.activePath == activePath)
            return true;
    }
    return false;
}

void FontActivator::Notify(const std::string& activePath, bool activated) const
{
    if (listener_ != nullptr)
        listener_(activePath.c_str(), activated);
}

void SetFontActivationListener(FontActivationListener listener)
{
    FontActivator::Instance().SetListener(listener);
}

} // namespace platform
