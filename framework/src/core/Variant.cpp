#include "rb/Variant.h"

#include "rb/Text.h"

#include <functional>

namespace rb {

bool Variant::IsNil() const noexcept
{
    if (const auto* object = std::get_if<Ref<Object>>(&value_))
        return object->IsNil();
    return std::holds_alternative<std::monostate>(value_);
}

std::string Variant::StringValue() const
{
    struct Text {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(const std::string& text) const { return text; }
        std::string operator()(std::int32_t number) const { return Str(number); }
        std::string operator()(double number) const { return Str(number); }
        std::string operator()(bool flag) const { return flag ? "True" : "False"; }
        std::string operator()(const Ref<Object>&) const { return {}; }
    };
    return std::visit(Text{}, value_);
}

std::size_t Variant::Hash() const noexcept
{
    struct Hasher {
        std::size_t operator()(std::monostate) const { return 0; }
        std::size_t operator()(const std::string& text) const { return std::hash<std::string>{}(text); }
        std::size_t operator()(std::int32_t number) const { return std::hash<std::int32_t>{}(number); }
        std::size_t operator()(double number) const { return std::hash<double>{}(number); }
        std::size_t operator()(bool flag) const { return std::hash<bool>{}(flag); }
        std::size_t operator()(const Ref<Object>& object) const { return std::hash<const void*>{}(object.Get()); }
    };
    return std::visit(Hasher{}, value_) ^ value_.index();
}

} // namespace rb
