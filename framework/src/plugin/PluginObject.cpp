#include "plugin/PluginObject.h"

namespace rb {

PluginObject::PluginObject(std::shared_ptr<const PluginClass> pluginClass)
    : HostRecord(RB_INSTANCE_DATA_OFFSET + pluginClass->InstanceDataSize()), class_(std::move(pluginClass))
{
    if (class_->Constructor() != nullptr)
        class_->Constructor()(HostObject());
}

PluginObject::~PluginObject()
{
    if (class_->Destructor() != nullptr)
        class_->Destructor()(HostObject());
}

} // namespace rb
