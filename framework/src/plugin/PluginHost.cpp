#include "rb/PluginHost.h"

#include "plugin/HostFile.h"
#include "plugin/HostString.h"
#include "plugin/PluginObject.h"
#include "plugin/PluginRegistry.h"

#include "rb/PluginABI.h"

#include <cstring>

namespace rb {
namespace {

void* EntryOf(std::uintptr_t function)
{
    return reinterpret_cast<void*>(function);
}

const PluginObject& PluginObjectOf(const Ref<Object>& object)
{
    const auto* found = dynamic_cast<const PluginObject*>(&*object);
    if (found == nullptr)
        throw UsageException("the object is no instance of a plug-in class");
    return *found;
}

const PluginProperty& PropertyOf(const PluginObject& object, std::string_view name, bool integer)
{
    const PluginProperty* property = object.Class().Property(name);
    if (property == nullptr || property->IsInteger() != integer)
        throw UsageException("the plug-in class '" + object.Class().Name() + "' has no " +
                             (integer ? "Integer" : "String or object") + " property '" + std::string(name) + "'");
    return *property;
}

const HostString* HostStringOf(const Ref<Object>& string)
{
    return dynamic_cast<const HostString*>(string.Get());
}

} // namespace

PluginEntrypointTable RuntimeAllocatePluginEntrypointsTable(std::size_t count)
{
    return PluginEntrypointTable(count, nullptr);
}

void* RuntimeLookupPluginEntrypoint(std::string_view key)
{
    return EntryOf(PluginRegistry::Instance().Entrypoint(key));
}

std::int32_t CallFolderItemMethod(void* entry, const Ref<FolderItem>& item, bool flag)
{
    if (entry == nullptr || !item)
        throw NilObjectException();
    const Ref<Object> file = HostFileObject(item);
    // Called as the plug-in wrote it, not through a void* parameter.
    const auto method = reinterpret_cast<std::int32_t (*)(RbHostObject*, RbBoolean)>(entry);
    return method(static_cast<RbHostObject*>(HostObjectOf(file)), flag ? 1 : 0);
}

std::vector<LoadedPlugin> LoadedPlugins()
{
    return PluginRegistry::Instance().Plugins();
}

std::vector<std::string> PluginClassNames()
{
    return PluginRegistry::Instance().ClassNames();
}

std::vector<std::string> PluginEntrypointKeys()
{
    return PluginRegistry::Instance().EntrypointKeys();
}

Ref<Object> NewPluginInstance(std::string_view className)
{
    const auto described = PluginRegistry::Instance().Class(className);
    return described ? Ref<Object>(new PluginObject(described)) : Ref<Object>();
}

void* HostObjectOf(const Ref<Object>& object)
{
    if (!object)
        return nullptr;
    const auto* record = dynamic_cast<const HostRecord*>(object.Get());
    if (record == nullptr)
        throw UsageException("the object is not one that plug-ins know");
    return record->Record();
}

Ref<Object> HostFileObject(const Ref<FolderItem>& item)
{
    return item ? New<HostFile>(item) : Ref<Object>();
}

Ref<FolderItem> FolderItemOf(const Ref<Object>& object)
{
    const auto* file = dynamic_cast<const HostFile*>(object.Get());
    return file == nullptr ? Ref<FolderItem>() : file->Item();
}

Ref<Object> AdoptPluginResult(void* reference)
{
    HostRecord* record = HostRecord::Find<HostRecord>(reference);
    if (record == nullptr)
        return {};
    Ref<Object> adopted(record);
    record->Release();
    return adopted;
}

Ref<Object> NewHostString(std::string_view bytes, std::uint32_t encoding)
{
    return New<HostString>(bytes, encoding);
}

std::optional<std::string> HostStringBytes(const Ref<Object>& string)
{
    const HostString* found = HostStringOf(string);
    return found == nullptr ? std::nullopt : std::optional<std::string>(found->Bytes());
}

std::optional<std::uint32_t> HostStringEncoding(const Ref<Object>& string)
{
    const HostString* found = HostStringOf(string);
    return found == nullptr ? std::nullopt : std::optional<std::uint32_t>(found->Encoding());
}

void* PluginMethod(const Ref<Object>& object, std::string_view declaration)
{
    const auto* found = dynamic_cast<const PluginObject*>(object.Get());
    return found == nullptr ? nullptr : EntryOf(found->Class().Method(declaration));
}

void* PluginSharedMethod(std::string_view className, std::string_view declaration)
{
    const auto described = PluginRegistry::Instance().Class(className);
    return described ? EntryOf(described->SharedMethod(declaration)) : nullptr;
}

std::int32_t IntegerProperty(const Ref<Object>& object, std::string_view name)
{
    const PluginObject& found = PluginObjectOf(object);
    const PluginProperty& property = PropertyOf(found, name, true);
    if (property.getter != RB_STANDARD_GETTER)
        return reinterpret_cast<std::int32_t (*)(RbHostObject*)>(property.getter)(found.HostObject());
    std::int32_t value = 0;
    std::memcpy(&value, static_cast<const unsigned char*>(RbInstanceData(found.HostObject())) + property.valueOffset,
                sizeof value);
    return value;
}

Ref<Object> ObjectProperty(const Ref<Object>& object, std::string_view name)
{
    const PluginObject& found = PluginObjectOf(object);
    const PluginProperty& property = PropertyOf(found, name, false);
    // Called as the getter was written: returning a string, or else an object.
    if (property.IsString())
        return AdoptPluginResult(reinterpret_cast<RbHostString* (*)(RbHostObject*)>(property.getter)(found.HostObject()));
    return AdoptPluginResult(reinterpret_cast<RbHostObject* (*)(RbHostObject*)>(property.getter)(found.HostObject()));
}

} // namespace rb
