#include "rb/Dictionary.h"

namespace rb {

Dictionary::Dictionary(std::initializer_list<std::pair<Variant, Variant>> pairs)
{
    for (const auto& [key, value] : pairs)
        values_.insert_or_assign(key, value);
}

Variant Dictionary::Value(const Variant& key) const
{
    const auto found = values_.find(key);
    if (found == values_.end())
        throw KeyNotFoundException(key.StringValue());
    return found->second;
}

void Dictionary::Value(const Variant& key, Variant value)
{
    values_.insert_or_assign(key, std::move(value));
}

bool Dictionary::HasKey(const Variant& key) const
{
    return values_.contains(key);
}

std::int32_t Dictionary::Count() const noexcept
{
    return static_cast<std::int32_t>(values_.size());
}

} // namespace rb
