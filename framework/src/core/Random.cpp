#include "rb/Random.h"

#include <random>
#include <utility>

namespace rb {
namespace {

std::int32_t SystemDraw(std::int32_t min, std::int32_t max)
{
    static std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<std::int32_t>(min, max)(engine);
}

RandomSource& Source()
{
    static RandomSource source = SystemDraw;
    return source;
}

} // namespace

void SetRandomSource(RandomSource source)
{
    Source() = source ? std::move(source) : RandomSource(SystemDraw);
}

std::int32_t DrawRandom(std::int32_t min, std::int32_t max)
{
    if (max < min)
        std::swap(min, max);
    return Source()(min, max);
}

std::int32_t Random::InRange(std::int32_t min, std::int32_t max)
{
    return DrawRandom(min, max);
}

} // namespace rb
