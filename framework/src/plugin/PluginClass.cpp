#include "plugin/PluginClass.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace rb {
namespace {

constexpr std::uintptr_t kMaxInstanceDataSize = 1 << 20;

const char* TextAt(std::uintptr_t word)
{
    return reinterpret_cast<const char*>(word);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

bool TableIsSane(std::uintptr_t table, std::uintptr_t count, const std::string& what, std::string& refusal)
{
    if (count > RB_PLUGIN_MAX_TABLE_COUNT)
        refusal = what + " count " + std::to_string(count) + " is over " + std::to_string(RB_PLUGIN_MAX_TABLE_COUNT);
    else if (count > 0 && table == 0)
        refusal = what + " table is null with a count of " + std::to_string(count);
    return refusal.empty();
}

std::optional<std::vector<PluginMethodEntry>> ReadMethods(std::uintptr_t table, std::uintptr_t count,
                                                     const std::string& what, std::string& refusal)
{
    if (!TableIsSane(table, count, what, refusal))
        return std::nullopt;
    const auto* records = reinterpret_cast<const RbMethodRecord*>(table);
    std::vector<PluginMethodEntry> methods;
    for (std::uintptr_t i = 0; i < count; ++i) {
        if (records[i].function == 0 || records[i].declaration == 0) {
            refusal = what + " " + std::to_string(i) + " has no " + (records[i].function == 0 ? "function" : "declaration");
            return std::nullopt;
        }
        methods.push_back({TextAt(records[i].declaration), records[i].function});
    }
    return methods;
}

std::string PropertyFault(const RbPropertyRecord& record, std::uintptr_t dataSize)
{
    if (record.name == 0)
        return "has no name";
    if (record.type == 0)
        return "has no type";
    if (record.getter == 0)
        return "has no getter";
    if (record.getter != RB_STANDARD_GETTER)
        return {};
    if (!EqualsIgnoringCase(TextAt(record.type), "integer"))
        return "uses the standard getter but is not an Integer";
    if (record.valueOffset > dataSize || dataSize - record.valueOffset < sizeof(std::int32_t))
        return "is read past the " + std::to_string(dataSize) + " bytes of instance data";
    return {};
}

std::optional<std::vector<PluginProperty>> ReadProperties(const RbClassDefinition& record, std::string& refusal)
{
    if (!TableIsSane(record.properties, record.propertyCount, "property", refusal))
        return std::nullopt;
    const auto* records = reinterpret_cast<const RbPropertyRecord*>(record.properties);
    std::vector<PluginProperty> properties;
    for (std::uintptr_t i = 0; i < record.propertyCount; ++i) {
        if (const std::string fault = PropertyFault(records[i], record.instanceDataSize); !fault.empty()) {
            refusal = "property " + std::to_string(i) + " " + fault;
            return std::nullopt;
        }
        properties.push_back({TextAt(records[i].name), TextAt(records[i].type), records[i].getter, records[i].valueOffset});
    }
    return properties;
}

std::string RecordFault(const RbClassDefinition* record)
{
    if (record == nullptr)
        return "the record is null";
    if (record->version != RB_PLUGIN_RECORD_VERSION)
        return "version " + std::to_string(record->version) + ", not " + std::to_string(RB_PLUGIN_RECORD_VERSION);
    if (record->name == 0)
        return "the record has no name";
    if (record->instanceDataSize > kMaxInstanceDataSize)
        return "instance data of " + std::to_string(record->instanceDataSize) + " bytes";
    return {};
}

std::uintptr_t FunctionOf(const std::vector<PluginMethodEntry>& methods, std::string_view declaration)
{
    const auto found = std::find_if(methods.begin(), methods.end(),
                                    [&](const PluginMethodEntry& method) { return method.declaration == declaration; });
    return found == methods.end() ? 0 : found->function;
}

} // namespace

bool PluginProperty::IsInteger() const
{
    return EqualsIgnoringCase(type, "integer");
}

bool PluginProperty::IsString() const
{
    return EqualsIgnoringCase(type, "string");
}

std::shared_ptr<const PluginClass> PluginClass::FromRecord(const RbClassDefinition* record, std::string& refusal)
{
    refusal = RecordFault(record);
    if (!refusal.empty())
        return nullptr;
    auto properties = ReadProperties(*record, refusal);
    if (!properties)
        return nullptr;
    auto methods = ReadMethods(record->methods, record->methodCount, "method", refusal);
    if (!methods)
        return nullptr;
    auto shared = ReadMethods(record->sharedMethods, record->sharedMethodCount, "shared method", refusal);
    if (!shared)
        return nullptr;
    std::shared_ptr<PluginClass> described(new PluginClass);
    described->name_ = TextAt(record->name);
    described->instanceDataSize_ = record->instanceDataSize;
    described->constructor_ = reinterpret_cast<RbObjectHook>(record->constructor);
    described->destructor_ = reinterpret_cast<RbObjectHook>(record->destructor);
    described->properties_ = std::move(*properties);
    described->methods_ = std::move(*methods);
    described->sharedMethods_ = std::move(*shared);
    return described;
}

std::uintptr_t PluginClass::Method(std::string_view declaration) const
{
    return FunctionOf(methods_, declaration);
}

std::uintptr_t PluginClass::SharedMethod(std::string_view declaration) const
{
    return FunctionOf(sharedMethods_, declaration);
}

const PluginProperty* PluginClass::Property(std::string_view name) const
{
    const auto found = std::find_if(properties_.begin(), properties_.end(),
                                    [&](const PluginProperty& property) { return property.name == name; });
    return found == properties_.end() ? nullptr : &*found;
}

} // namespace rb
