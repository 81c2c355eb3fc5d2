#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rb {

// A one-dimensional array of Strings indexed from 0 to Ubound(); -1 when empty.
// An index outside it throws OutOfBoundsException.
class RB_FRAMEWORK_EXPORT StringArray : public Object {
public:
    explicit StringArray(std::int32_t ubound);

    std::int32_t Ubound() const noexcept;
    const std::string& Element(std::int32_t index) const;
    void Element(std::int32_t index, std::string value);
    void Append(std::string value);
    void Remove(std::int32_t index);
    // The index of the first element equal to the value from start on; -1 when none.
    std::int32_t IndexOf(const std::string& value, std::int32_t start = 0) const;
    // Puts the elements in a random order drawn from the framework's source.
    void Shuffle();

private:
    std::size_t Checked(std::int32_t index) const;
    std::vector<std::string> elements_;
};

// A new array of the given upper bound (-1 for an empty one), all elements empty.
RB_FRAMEWORK_EXPORT Ref<StringArray> CreateArray(std::int32_t ubound);

} // namespace rb
