#include "plugin/PluginRegistry.h"

#include "plugin/PluginLog.h"

#include <algorithm>

namespace rb {
namespace {

// A plug-in's name as it goes into the one line of a refusal.
std::string OnOneLine(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, '?');
    return name;
}

std::string Described(const char* kind, const RbClassDefinition* record)
{
    if (record != nullptr && record->version == RB_PLUGIN_RECORD_VERSION && record->name != 0)
        return std::string(kind) + " '" + OnOneLine(reinterpret_cast<const char*>(record->name)) + "'";
    return std::string(kind) + " record";
}

} // namespace

PluginRegistry& PluginRegistry::Instance()
{
    static PluginRegistry registry;
    return registry;
}

void PluginRegistry::BeginPlugin(std::string file)
{
    plugins_.push_back({std::move(file), 0});
}

void PluginRegistry::RegisterVersion(std::int32_t version)
{
    if (!plugins_.empty())
        plugins_.back().version = version;
}

void PluginRegistry::RegisterClass(const RbClassDefinition* record)
{
    std::string refusal;
    auto described = PluginClass::FromRecord(record, refusal);
    if (!described)
        return Refuse(Described("class", record), refusal);
    if (Class(described->Name()))
        return Refuse(Described("class", record), "a class of that name is already registered");
    classes_.push_back(std::move(described));
}

void PluginRegistry::RegisterExtension(const RbClassDefinition* record)
{
    std::string refusal;
    const auto described = PluginClass::FromRecord(record, refusal);
    if (!described)
        return Refuse(Described("extension", record), refusal);
    for (const PluginMethodEntry& method : described->Methods())
        AddEntrypoint(described->Name() + "." + method.declaration, method.function);
}

void PluginRegistry::RegisterMethod(const RbMethodRecord* record)
{
    if (record == nullptr || record->function == 0 || record->declaration == 0)
        return Refuse("global method record", record == nullptr ? "the record is null"
                                              : record->function == 0 ? "it has no function"
                                                                      : "it has no declaration");
    AddEntrypoint(reinterpret_cast<const char*>(record->declaration), record->function);
}

std::shared_ptr<const PluginClass> PluginRegistry::Class(std::string_view name) const
{
    const auto found = std::find_if(classes_.begin(), classes_.end(),
                                    [&](const auto& described) { return described->Name() == name; });
    return found == classes_.end() ? nullptr : *found;
}

std::uintptr_t PluginRegistry::Entrypoint(std::string_view key) const
{
    const auto found = std::find_if(entrypoints_.begin(), entrypoints_.end(),
                                    [&](const PluginMethodEntry& entry) { return entry.declaration == key; });
    return found == entrypoints_.end() ? 0 : found->function;
}

std::vector<std::string> PluginRegistry::ClassNames() const
{
    std::vector<std::string> names;
    for (const auto& described : classes_)
        names.push_back(described->Name());
    return names;
}

std::vector<std::string> PluginRegistry::EntrypointKeys() const
{
    std::vector<std::string> keys;
    for (const PluginMethodEntry& entry : entrypoints_)
        keys.push_back(entry.declaration);
    return keys;
}

void PluginRegistry::Refuse(const std::string& what, const std::string& reason) const
{
    qCWarning(lcPlugin).noquote() << QString::fromStdString("plugin '" + CurrentFile() + "': " + what + " refused: " + reason);
}

void PluginRegistry::AddEntrypoint(std::string key, std::uintptr_t function)
{
    if (Entrypoint(key) != 0)
        return Refuse("method '" + OnOneLine(key) + "'", "a method of that key is already registered");
    entrypoints_.push_back({std::move(key), function});
}

std::string PluginRegistry::CurrentFile() const
{
    return plugins_.empty() ? std::string("(none)") : plugins_.back().file;
}

} // namespace rb
