#pragma once

#include "rb/Exceptions.h"
#include "rb/FrameworkExport.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace rb {

// Base of every framework object: an intrusive reference count. An object is
// deleted when the last Ref to it goes.
class RB_FRAMEWORK_EXPORT Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    void Retain() const noexcept { ++references_; }
    void Release() const noexcept
    {
        if (--references_ == 0)
            delete this;
    }
    int ReferenceCount() const noexcept { return references_; }

private:
    mutable int references_ = 0;
};

// A counted handle to an object, or nil. Using a nil Ref (->, *) throws
// NilObjectException; copying or comparing one is always safe.
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T* object) noexcept : object_(object) { RetainObject(); }
    Ref(const Ref& other) noexcept : object_(other.object_) { RetainObject(); }
    Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) noexcept : object_(other.Get()) { RetainObject(); }
    ~Ref() { ReleaseObject(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    T* operator->() const { return &Deref(); }
    T& operator*() const { return Deref(); }
    T* Get() const noexcept { return object_; }
    bool IsNil() const noexcept { return object_ == nullptr; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // The same object seen as a U; nil stays nil, an object of another class
    // throws IllegalCastException.
    template <class U>
    Ref<U> Cast() const
    {
        if (object_ == nullptr)
            return {};
        auto* cast = dynamic_cast<U*>(object_);
        if (cast == nullptr)
            throw IllegalCastException();
        return Ref<U>(cast);
    }

    // The same object seen as a U, or nil when it is not one.
    template <class U>
    Ref<U> As() const noexcept
    {
        return Ref<U>(dynamic_cast<U*>(object_));
    }

    template <class U>
    bool operator==(const Ref<U>& other) const noexcept { return Get() == other.Get(); }
    bool operator==(std::nullptr_t) const noexcept { return object_ == nullptr; }

private:
    T& Deref() const
    {
        if (object_ == nullptr)
            throw NilObjectException();
        return *object_;
    }
    void RetainObject() const noexcept
    {
        if (object_ != nullptr)
            object_->Retain();
    }
    void ReleaseObject() const noexcept
    {
        if (object_ != nullptr)
            object_->Release();
    }

    T* object_ = nullptr;
};

template <class T, class... Args>
Ref<T> New(Args&&... args)
{
    return Ref<T>(new T(std::forward<Args>(args)...));
}

} // namespace rb
