#pragma once

#include "FrameworkInternal.h"
#include "plugin/HostRecord.h"
#include "plugin/PluginClass.h"

#include <memory>

namespace rb {

// An instance of a registered class: the host object with the class's
// instance data 24 bytes in, zeroed, then given to the class's constructor.
// The class's destructor runs when the last reference goes.
class PluginObject : public HostRecord {
public:
    RB_FRAMEWORK_INTERNAL explicit PluginObject(std::shared_ptr<const PluginClass> pluginClass);
    ~PluginObject() override;

    const PluginClass& Class() const noexcept { return *class_; }
    RbHostObject* HostObject() const noexcept { return static_cast<RbHostObject*>(Record()); }

private:
    std::shared_ptr<const PluginClass> class_;
};

} // namespace rb
