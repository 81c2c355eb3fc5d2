#pragma once

#include "plugin/PluginClass.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rb {

// Everything the loaded plug-ins registered, in the order they registered it.
// A record the host cannot use is refused with one line on standard error,
// and registration goes on.
class PluginRegistry {
public:
    static PluginRegistry& Instance();

    // Registrations that follow come from this plug-in file.
    void BeginPlugin(std::string file);

    void RegisterVersion(std::int32_t version);
    void RegisterClass(const RbClassDefinition* record);
    void RegisterExtension(const RbClassDefinition* record);
    void RegisterMethod(const RbMethodRecord* record);

    // Null when no class of that name is registered.
    std::shared_ptr<const PluginClass> Class(std::string_view name) const;
    // The function registered under "<extended class>.<declaration>", or
    // under the declaration of a global method; 0 when none.
    std::uintptr_t Entrypoint(std::string_view key) const;

    const std::vector<LoadedPlugin>& Plugins() const noexcept { return plugins_; }
    std::vector<std::string> ClassNames() const;
    std::vector<std::string> EntrypointKeys() const;

private:
    PluginRegistry() = default;

    void Refuse(const std::string& what, const std::string& reason) const;
    void AddEntrypoint(std::string key, std::uintptr_t function);
    std::string CurrentFile() const;

    std::vector<LoadedPlugin> plugins_;
    std::vector<std::shared_ptr<const PluginClass>> classes_;
    std::vector<PluginMethodEntry> entrypoints_;
};

} // namespace rb
