#include "rb/Control.h"

#include "rb/PropertyTable.h"
#include "rb/Window.h"

namespace rb {

Ref<rb::Window> Control::Window() const
{
    return Ref<rb::Window>(window_);
}

std::string Control::DesignName() const
{
    const std::string prefix = window_ ? window_->DesignName() + "." : "";
    return prefix + (name_.empty() ? "unnamed control" : name_);
}

std::string Control::EventPath(const std::string& event) const
{
    return DesignName() + "." + event;
}

void Control::DescribeProperties(PropertyTable& table)
{
    table.String("Name", [this](const std::string& name) { Name(name); });
    table.Integer("Index", [this](std::int32_t index) { Index(index); });
}

} // namespace rb
