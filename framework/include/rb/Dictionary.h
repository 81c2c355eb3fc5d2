#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"
#include "rb/Variant.h"

#include <initializer_list>
#include <unordered_map>
#include <utility>

namespace rb {

class RB_FRAMEWORK_EXPORT Dictionary : public Object {
public:
    Dictionary(std::initializer_list<std::pair<Variant, Variant>> pairs = {});

    // The value under the key; KeyNotFoundException when there is none.
    Variant Value(const Variant& key) const;
    void Value(const Variant& key, Variant value);
    bool HasKey(const Variant& key) const;
    std::int32_t Count() const noexcept;

private:
    struct KeyHash {
        std::size_t operator()(const Variant& key) const noexcept { return key.Hash(); }
    };
    std::unordered_map<Variant, Variant, KeyHash> values_;
};

} // namespace rb
