#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <any>
#include <functional>
#include <string>

namespace rb {

// A callable with the signature text it was made with ("( Int32, Int32 ) as
// Boolean"). Events check the text before they accept a delegate; the C++ type
// is checked as well when the callable is taken out.
class RB_FRAMEWORK_EXPORT Delegate : public Object {
public:
    template <class R, class... Args>
    Delegate(std::function<R(Args...)> function, std::string signature)
        : function_(std::move(function)), signature_(std::move(signature))
    {
    }

    const std::string& Signature() const noexcept { return signature_; }

    template <class R, class... Args>
    std::function<R(Args...)> Function() const
    {
        if (const auto* function = std::any_cast<std::function<R(Args...)>>(&function_))
            return *function;
        throw UsageException("the delegate '" + signature_ + "' does not have the handler's parameter types");
    }

private:
    std::any function_;
    std::string signature_;
};

template <class R, class... Args>
Ref<Delegate> RuntimeCreateDelegate(std::function<R(Args...)> function, std::string signature)
{
    return New<Delegate>(std::move(function), std::move(signature));
}

// A delegate of a method bound to its target. The target is not retained: a
// window owns its controls, which hold the delegates of the window's methods.
template <class C, class R, class... Args>
Ref<Delegate> RuntimeCreateDelegate(C* target, R (C::*method)(Args...), std::string signature)
{
    std::function<R(Args...)> function = [target, method](Args... args) { return (target->*method)(args...); };
    return RuntimeCreateDelegate(std::move(function), std::move(signature));
}

} // namespace rb
