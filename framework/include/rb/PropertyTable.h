#pragma once

#include "rb/FrameworkExport.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>

namespace rb {

class Designable;

// The designed properties of one object: each name with its type and what
// setting it does. Property lists carry no types; this table gives them.
class RB_FRAMEWORK_EXPORT PropertyTable {
public:
    enum class Type { Integer, Boolean, Color, String };
    struct Rgb {
        std::uint32_t value; // 0xRRGGBB
    };
    using Value = std::variant<std::int32_t, bool, Rgb, std::string>;

    struct Entry {
        Type type;
        std::function<void(const Value&)> set;
    };

    explicit PropertyTable(Designable& owner) : owner_(owner) {}

    void Integer(const std::string& name, std::function<void(std::int32_t)> set);
    void Boolean(const std::string& name, std::function<void(bool)> set);
    void Color(const std::string& name, std::function<void(std::uint32_t rgb)> set);
    void String(const std::string& name, std::function<void(const std::string&)> set);

    // A property that is accepted and kept (Designable::StoredProperty) but
    // has no effect here.
    void Stored(const std::string& name, Type type);

    // nullptr when the object has no such property.
    const Entry* Find(std::string_view name) const;

private:
    Designable& owner_;
    std::map<std::string, Entry, std::less<>> entries_;
};

} // namespace rb
