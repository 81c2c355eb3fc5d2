#pragma once

#include "FrameworkInternal.h"
#include "rb/PluginABI.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rb {

struct PluginMethodEntry {
    std::string declaration;
    std::uintptr_t function;
};

struct PluginProperty {
    std::string name;
    std::string type;
    std::uintptr_t getter;  // a plug-in function, or RB_STANDARD_GETTER
    std::size_t valueOffset;

    bool IsInteger() const;
    bool IsString() const;
};

// What a class definition or class extension record says, copied and checked
// when the plug-in registers it.
class PluginClass {
public:
    // The class the record describes; null, with the reason in refusal, when
    // the record is not one the host can use.
    RB_FRAMEWORK_INTERNAL static std::shared_ptr<const PluginClass> FromRecord(const RbClassDefinition* record,
                                                                              std::string& refusal);

    const std::string& Name() const noexcept { return name_; }
    std::size_t InstanceDataSize() const noexcept { return instanceDataSize_; }
    RbObjectHook Constructor() const noexcept { return constructor_; }
    RbObjectHook Destructor() const noexcept { return destructor_; }
    const std::vector<PluginMethodEntry>& Methods() const noexcept { return methods_; }

    // The function of the instance or shared method of that declaration; 0 when none.
    std::uintptr_t Method(std::string_view declaration) const;
    RB_FRAMEWORK_INTERNAL std::uintptr_t SharedMethod(std::string_view declaration) const;
    // Null when the class has no property of that name.
    const PluginProperty* Property(std::string_view name) const;

private:
    PluginClass() = default;

    std::string name_;
    std::size_t instanceDataSize_ = 0;
    RbObjectHook constructor_ = nullptr;
    RbObjectHook destructor_ = nullptr;
    std::vector<PluginProperty> properties_;
    std::vector<PluginMethodEntry> methods_;
    std::vector<PluginMethodEntry> sharedMethods_;
};

} // namespace rb
