#include "rb/PropertyTable.h"

#include "rb/Designable.h"

namespace rb {

void PropertyTable::Integer(const std::string& name, std::function<void(std::int32_t)> set)
{
    entries_[name] = {Type::Integer, [set = std::move(set)](const Value& value) { set(std::get<std::int32_t>(value)); }};
}

void PropertyTable::Boolean(const std::string& name, std::function<void(bool)> set)
{
    entries_[name] = {Type::Boolean, [set = std::move(set)](const Value& value) { set(std::get<bool>(value)); }};
}

void PropertyTable::Color(const std::string& name, std::function<void(std::uint32_t)> set)
{
    entries_[name] = {Type::Color, [set = std::move(set)](const Value& value) { set(std::get<Rgb>(value).value); }};
}

void PropertyTable::String(const std::string& name, std::function<void(const std::string&)> set)
{
    entries_[name] = {Type::String, [set = std::move(set)](const Value& value) { set(std::get<std::string>(value)); }};
}

void PropertyTable::Stored(const std::string& name, Type type)
{
    entries_[name] = {type, [&owner = owner_, name](const Value& value) {
                          std::visit(
                              [&](const auto& held) {
                                  using Held = std::decay_t<decltype(held)>;
                                  if constexpr (std::is_same_v<Held, Rgb>)
                                      owner.StoreProperty(name, static_cast<std::int32_t>(held.value));
                                  else
                                      owner.StoreProperty(name, held);
                              },
                              value);
                      }};
}

const PropertyTable::Entry* PropertyTable::Find(std::string_view name) const
{
    const auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace rb
