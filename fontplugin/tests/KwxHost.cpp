#include "KwxHost.h"

#include <stdexcept>

#include <dlfcn.h>

namespace kwxtest {

std::string PluginFile()
{
    return RB_BUNDLE_DIR "/Plugins/KWXFonts.so";
}

void LoadPluginWith(RbResolver resolver)
{
    static const bool loaded = [resolver] {
        void* handle = dlopen(PluginFile().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr)
            throw std::runtime_error(std::string("cannot load KWXFonts.so: ") + dlerror());
        const auto main = reinterpret_cast<RbPluginMainFn>(dlsym(handle, "REALPluginMain"));
        if (main == nullptr)
            throw std::runtime_error("KWXFonts.so has no REALPluginMain");
        main(resolver);
        return true;
    }();
    (void)loaded;
}

void* GlobalEntry(std::string_view declaration)
{
    void* entry = rb::RuntimeLookupPluginEntrypoint(declaration);
    if (entry == nullptr)
        throw std::runtime_error("no plug-in entry point '" + std::string(declaration) + "'");
    return entry;
}

void* SharedEntry(std::string_view className, std::string_view declaration)
{
    void* entry = rb::PluginSharedMethod(className, declaration);
    if (entry == nullptr)
        throw std::runtime_error("no shared method '" + std::string(declaration) + "' of " + std::string(className));
    return entry;
}

std::int32_t CallFileMethod(std::string_view declaration, const Ref<Object>& file, RbBoolean flag)
{
    const auto method = reinterpret_cast<std::int32_t (*)(void*, RbBoolean)>(
        GlobalEntry("folderitem." + std::string(declaration)));
    return method(rb::HostObjectOf(file), flag);
}

Ref<Object> FileObject(const std::string& path)
{
    return rb::HostFileObject(rb::New<rb::FolderItem>(path));
}

std::optional<std::string> PathOf(const Ref<Object>& file)
{
    const Ref<rb::FolderItem> item = rb::FolderItemOf(file);
    return item ? std::optional<std::string>(item->Path().string()) : std::nullopt;
}

Ref<Object> MacRomanString(std::string_view bytes)
{
    return rb::NewHostString(bytes, RB_ENCODING_MAC_ROMAN);
}

std::int32_t Handle(const Ref<Object>& object)
{
    return rb::IntegerProperty(object, "Handle");
}

} // namespace kwxtest
