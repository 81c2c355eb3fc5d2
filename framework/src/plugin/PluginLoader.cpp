#include "plugin/PluginLoader.h"

#include "plugin/FontActivationBridge.h"
#include "plugin/PluginLog.h"
#include "plugin/PluginRegistry.h"

#include "rb/Application.h"

#include <dlfcn.h>

#include <algorithm>
#include <vector>

namespace rb {
namespace {

std::vector<std::filesystem::path> SharedObjectsIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".so" && entry.is_regular_file(error))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void LoadPlugin(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    // Never closed: the plug-in's records and functions stay in use.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        qCWarning(lcPlugin).noquote() << QString::fromStdString("plugin '" + name + "': cannot be loaded (" +
                                                                dlerror() + "); skipped");
        return;
    }
    auto main = reinterpret_cast<RbPluginMainFn>(dlsym(handle, "REALPluginMain"));
    if (main == nullptr) {
        qCWarning(lcPlugin).noquote() << QString::fromStdString("plugin '" + name + "': no REALPluginMain; skipped");
        dlclose(handle);
        return;
    }
    PluginRegistry::Instance().BeginPlugin(name);
    main(&ResolvePluginCallback);
}

std::filesystem::path BundlePluginsFolder()
{
    const Ref<FolderItem> executable = ExecutableFile();
    const Ref<FolderItem> bin = executable ? executable->Parent() : nullptr;
    const Ref<FolderItem> bundle = bin ? bin->Parent() : nullptr;
    return bundle ? bundle->Path() / "Plugins" : std::filesystem::path();
}

} // namespace

void LoadPluginsFrom(const std::filesystem::path& folder)
{
    for (const auto& file : SharedObjectsIn(folder))
        LoadPlugin(file);
}

void InitializePlugins()
{
    static const bool initialized = [] {
        InstallFontActivationBridge();
        LoadPluginsFrom(BundlePluginsFolder());
        return true;
    }();
    (void)initialized;
}

} // namespace rb
