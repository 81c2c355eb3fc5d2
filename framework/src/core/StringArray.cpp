#include "rb/StringArray.h"

#include "rb/Random.h"
#include "rb/Text.h"

#include <algorithm>
#include <utility>

namespace rb {

StringArray::StringArray(std::int32_t ubound) : elements_(static_cast<std::size_t>(std::max(ubound + 1, 0))) {}

std::int32_t StringArray::Ubound() const noexcept
{
    return static_cast<std::int32_t>(elements_.size()) - 1;
}

std::size_t StringArray::Checked(std::int32_t index) const
{
    if (index < 0 || index > Ubound())
        throw OutOfBoundsException("index " + Str(index) + " is outside the array 0.." + Str(Ubound()));
    return static_cast<std::size_t>(index);
}

const std::string& StringArray::Element(std::int32_t index) const
{
    return elements_[Checked(index)];
}

void StringArray::Element(std::int32_t index, std::string value)
{
    elements_[Checked(index)] = std::move(value);
}

void StringArray::Append(std::string value)
{
    elements_.push_back(std::move(value));
}

void StringArray::Remove(std::int32_t index)
{
    elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(Checked(index)));
}

std::int32_t StringArray::IndexOf(const std::string& value, std::int32_t start) const
{
    for (std::int32_t index = std::max(start, 0); index <= Ubound(); ++index)
        if (elements_[static_cast<std::size_t>(index)] == value)
            return index;
    return -1;
}

void StringArray::Shuffle()
{
    for (std::int32_t last = Ubound(); last > 0; --last)
        std::swap(elements_[static_cast<std::size_t>(last)],
                  elements_[static_cast<std::size_t>(DrawRandom(0, last))]);
}

Ref<StringArray> CreateArray(std::int32_t ubound)
{
    return New<StringArray>(ubound);
}

} // namespace rb
