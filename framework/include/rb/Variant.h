#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <string>
#include <variant>

namespace rb {

// A value of one of the framework's types, or nil.
class RB_FRAMEWORK_EXPORT Variant {
public:
    Variant() = default;
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(std::string(text)) {}
    Variant(std::int32_t number) : value_(number) {}
    Variant(double number) : value_(number) {}
    Variant(bool flag) : value_(flag) {}
    template <class T>
    Variant(Ref<T> object) : value_(Ref<Object>(object))
    {
    }

    bool IsNil() const noexcept;
    // The text of the value: a String as it is, a number in decimal.
    std::string StringValue() const;

    // The object held, as a T: nil for nil, IllegalCastException for a value
    // of another kind.
    template <class T>
    Ref<T> ObjectValue() const
    {
        if (IsNil())
            return {};
        const auto* object = std::get_if<Ref<Object>>(&value_);
        if (object == nullptr)
            throw IllegalCastException();
        return object->Cast<T>();
    }

    bool operator==(const Variant& other) const = default;
    std::size_t Hash() const noexcept;

private:
    std::variant<std::monostate, std::string, std::int32_t, double, bool, Ref<Object>> value_;
};

inline Variant StringToVariant(std::string text)
{
    return Variant(std::move(text));
}

} // namespace rb
