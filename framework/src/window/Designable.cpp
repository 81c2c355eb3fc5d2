#include "rb/Designable.h"

namespace rb {

Variant Designable::StoredProperty(const std::string& name) const
{
    const auto found = stored_.find(name);
    return found == stored_.end() ? Variant() : found->second;
}

void Designable::StoreProperty(const std::string& name, Variant value)
{
    stored_[name] = std::move(value);
}

} // namespace rb
