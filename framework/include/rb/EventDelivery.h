#pragma once

#include "rb/FrameworkExport.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace rb {

// Reports an exception that no handler caught: one line on standard error
// naming the exception's class, the event it escaped from and its message.
// The event loop goes on.
RB_FRAMEWORK_EXPORT void UnhandledException(const std::exception& error);

// The event being delivered, as "Window1.Canvas1.Paint"; empty outside events.
RB_FRAMEWORK_EXPORT std::string CurrentEvent();

// Marks the event being delivered for the length of its handler.
class RB_FRAMEWORK_EXPORT EventScope {
public:
    explicit EventScope(std::string_view where);
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    std::string previous_;
};

// Runs an event handler so that an exception escaping it ends that handler
// only: it goes to UnhandledException and the caller gets a default result.
template <class Handler>
auto DeliverEvent(std::string_view where, Handler&& handler) -> std::invoke_result_t<Handler>
{
    using Result = std::invoke_result_t<Handler>;
    EventScope scope(where);
    try {
        return std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException(std::runtime_error("an exception of unknown type"));
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

} // namespace rb
