#include "sound/SoundBackend.h"

#include <dlfcn.h>

namespace rb {
namespace {

// The module stands beside the framework library that loads it.
std::filesystem::path ModulePath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&LoadedSoundBackend), &info) == 0 || info.dli_fname == nullptr)
        return SoundBackendModuleName;
    return std::filesystem::path(info.dli_fname).parent_path() / SoundBackendModuleName;
}

SoundBackend* Load()
{
    const std::filesystem::path path = ModulePath();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto* entry = module ? reinterpret_cast<SoundBackendEntry*>(dlsym(module, SoundBackendEntryName)) : nullptr;
    if (entry == nullptr) {
        const char* error = dlerror();
        qCWarning(rbSound, "no sound back end (%s): %s; playing silently", path.c_str(), error ? error : "no entry point");
        return nullptr;
    }
    return entry();
}

} // namespace

SoundBackend* LoadedSoundBackend()
{
    static SoundBackend* const backend = Load();
    return backend;
}

} // namespace rb
