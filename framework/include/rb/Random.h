#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <functional>

namespace rb {

// Every random draw of the framework (Random.InRange, StringArray.Shuffle)
// comes from one source: an Integer from min to max, both ends included.
// Tests replace it to make a deal or a serve repeatable; an empty function
// puts back the system-seeded source.
using RandomSource = std::function<std::int32_t(std::int32_t min, std::int32_t max)>;
RB_FRAMEWORK_EXPORT void SetRandomSource(RandomSource source);
RB_FRAMEWORK_EXPORT std::int32_t DrawRandom(std::int32_t min, std::int32_t max);

class RB_FRAMEWORK_EXPORT Random : public Object {
public:
    // An Integer from min to max, both included (the bounds are taken in
    // either order).
    std::int32_t InRange(std::int32_t min, std::int32_t max);
};

} // namespace rb
