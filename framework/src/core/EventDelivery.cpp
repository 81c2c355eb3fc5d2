#include "rb/EventDelivery.h"

#include "rb/Exceptions.h"

#include <cstdio>

namespace rb {
namespace {

thread_local std::string currentEvent;

const char* ClassNameOf(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeException*>(&error))
        return runtime->ClassName();
    return "std::exception";
}

} // namespace

EventScope::EventScope(std::string_view where) : previous_(std::exchange(currentEvent, std::string(where))) {}

EventScope::~EventScope()
{
    currentEvent = std::move(previous_);
}

std::string CurrentEvent()
{
    return currentEvent;
}

void UnhandledException(const std::exception& error)
{
    const std::string where = currentEvent.empty() ? "start-up" : currentEvent;
    std::fprintf(stderr, "rb: unhandled %s in %s: %s\n", ClassNameOf(error), where.c_str(), error.what());
    std::fflush(stderr);
}

} // namespace rb
