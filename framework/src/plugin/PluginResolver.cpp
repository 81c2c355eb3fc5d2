// The host callbacks that plug-ins reach through the resolver. None lets an
// exception out into a plug-in: a failure gives the callback's null result.
#include "plugin/HostFile.h"
#include "plugin/HostString.h"
#include "plugin/PluginLog.h"
#include "plugin/PluginObject.h"
#include "plugin/PluginRegistry.h"

#include "rb/PluginHost.h"

#include <platform/FileSpecs.h>

#include <cstring>
#include <exception>
#include <type_traits>

namespace rb {
namespace {

template <class Callback>
auto Shielded(const char* name, Callback callback) noexcept -> decltype(callback())
{
    try {
        return callback();
    } catch (const std::exception& error) {
        qCWarning(lcPlugin) << "callback" << name << "failed:" << error.what();
    } catch (...) {
        qCWarning(lcPlugin) << "callback" << name << "failed";
    }
    if constexpr (!std::is_void_v<decltype(callback())>)
        return {};
}

void RegisterPluginVersion(std::int32_t version)
{
    Shielded("RegisterPluginVersion", [&] { PluginRegistry::Instance().RegisterVersion(version); });
}

void PluginRegisterClass(const RbClassDefinition* record)
{
    Shielded("PluginRegisterClass", [&] { PluginRegistry::Instance().RegisterClass(record); });
}

void PluginRegisterClassExtension(const RbClassDefinition* record)
{
    Shielded("PluginRegisterClassExtension", [&] { PluginRegistry::Instance().RegisterExtension(record); });
}

void PluginRegisterMethod(const RbMethodRecord* record)
{
    Shielded("PluginRegisterMethod", [&] { PluginRegistry::Instance().RegisterMethod(record); });
}

RbHostObject* PluginNewInstance(const char* className)
{
    return Shielded("PluginNewInstance", [&]() -> RbHostObject* {
        const auto described = className == nullptr ? nullptr : PluginRegistry::Instance().Class(className);
        if (!described) {
            qCWarning(lcPlugin) << "PluginNewInstance: no class named" << QString::fromUtf8(className ? className : "(null)");
            return nullptr;
        }
        return static_cast<RbHostObject*>((new PluginObject(described))->PassToPlugin());
    });
}

RbHostString* REALBuildString(const void* bytes, std::uint32_t count)
{
    return Shielded("REALBuildString", [&]() -> RbHostString* {
        if (bytes == nullptr && count != 0)
            return nullptr;
        const std::string_view text(static_cast<const char*>(bytes), bytes == nullptr ? 0 : count);
        return static_cast<RbHostString*>((new HostString(text, RB_ENCODING_NONE))->PassToPlugin());
    });
}

void REALSetStringEncoding(RbHostString* string, std::uint32_t encoding)
{
    Shielded("REALSetStringEncoding", [&] {
        if (auto* found = HostRecord::Find<HostString>(string))
            found->SetEncoding(encoding);
    });
}

RbHostString* REALConvertString(RbHostString* string, std::uint32_t encoding)
{
    return Shielded("REALConvertString", [&]() -> RbHostString* {
        const auto* found = HostRecord::Find<HostString>(string);
        Ref<HostString> converted = found == nullptr ? nullptr : found->Converted(encoding);
        return converted ? static_cast<RbHostString*>(converted->PassToPlugin()) : nullptr;
    });
}

void REALUnlockString(RbHostString* string)
{
    Shielded("REALUnlockString", [&] {
        if (auto* found = HostRecord::Find<HostString>(string))
            found->Release();
    });
}

RbHostObject* FolderItemFromFSSpec(const FSSpec* spec)
{
    return Shielded("FolderItemFromFSSpec", [&]() -> RbHostObject* {
        const auto path = spec == nullptr ? std::nullopt : platform::PathFromFSSpec(*spec);
        if (!path)
            return nullptr;
        return static_cast<RbHostObject*>((new HostFile(New<FolderItem>(*path)))->PassToPlugin());
    });
}

RbBoolean REALFSSpecFromFolderItem(FSSpec* spec, RbHostObject* file)
{
    return Shielded("REALFSSpecFromFolderItem", [&]() -> RbBoolean {
        const auto* found = HostRecord::Find<HostFile>(file);
        return spec != nullptr && found != nullptr && platform::FSSpecFromPath(found->Item()->Path().string(), spec);
    });
}

struct Callback {
    const char* name;
    void* function;
};

const Callback kCallbacks[] = {
    {"RegisterPluginVersion", reinterpret_cast<void*>(&RegisterPluginVersion)},
    {"PluginRegisterClass", reinterpret_cast<void*>(&PluginRegisterClass)},
    {"PluginRegisterClassExtension", reinterpret_cast<void*>(&PluginRegisterClassExtension)},
    {"PluginRegisterMethod", reinterpret_cast<void*>(&PluginRegisterMethod)},
    {"PluginNewInstance", reinterpret_cast<void*>(&PluginNewInstance)},
    {"REALBuildString", reinterpret_cast<void*>(&REALBuildString)},
    {"REALSetStringEncoding", reinterpret_cast<void*>(&REALSetStringEncoding)},
    {"REALConvertString", reinterpret_cast<void*>(&REALConvertString)},
    {"REALUnlockString", reinterpret_cast<void*>(&REALUnlockString)},
    {"FolderItemFromFSSpec", reinterpret_cast<void*>(&FolderItemFromFSSpec)},
    {"REALFSSpecFromFolderItem", reinterpret_cast<void*>(&REALFSSpecFromFolderItem)},
};

// The types the header gives the plug-ins, checked against the functions.
static_assert(std::is_same_v<decltype(&RegisterPluginVersion), RbRegisterPluginVersionFn>);
static_assert(std::is_same_v<decltype(&PluginRegisterClass), RbPluginRegisterClassFn>);
static_assert(std::is_same_v<decltype(&PluginRegisterClassExtension), RbPluginRegisterClassExtensionFn>);
static_assert(std::is_same_v<decltype(&PluginRegisterMethod), RbPluginRegisterMethodFn>);
static_assert(std::is_same_v<decltype(&PluginNewInstance), RbPluginNewInstanceFn>);
static_assert(std::is_same_v<decltype(&REALBuildString), RbREALBuildStringFn>);
static_assert(std::is_same_v<decltype(&REALSetStringEncoding), RbREALSetStringEncodingFn>);
static_assert(std::is_same_v<decltype(&REALConvertString), RbREALConvertStringFn>);
static_assert(std::is_same_v<decltype(&REALUnlockString), RbREALUnlockStringFn>);
static_assert(std::is_same_v<decltype(&FolderItemFromFSSpec), RbFolderItemFromFSSpecFn>);
static_assert(std::is_same_v<decltype(&REALFSSpecFromFolderItem), RbREALFSSpecFromFolderItemFn>);

} // namespace

void* ResolvePluginCallback(const char* name)
{
    if (name == nullptr)
        return nullptr;
    for (const Callback& callback : kCallbacks)
        if (std::strcmp(callback.name, name) == 0)
            return callback.function;
    return nullptr;
}

} // namespace rb
