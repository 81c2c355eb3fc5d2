#pragma once

#include "rb/FrameworkExport.h"

#include <stdexcept>
#include <string>

namespace rb {

// The framework's exceptions. Each names its class, so that the unhandled-
// exception report can say what went wrong.
class RB_FRAMEWORK_EXPORT RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

// Raised on any use of a nil object: a picture whose file failed to load, a
// folder the system does not give, a window or control that is not there.
class RB_FRAMEWORK_EXPORT NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("a nil object was used") {}
    const char* ClassName() const noexcept override { return "NilObjectException"; }
};

class RB_FRAMEWORK_EXPORT IllegalCastException : public RuntimeException {
public:
    IllegalCastException() : RuntimeException("an object was cast to a class it does not belong to") {}
    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

class RB_FRAMEWORK_EXPORT OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "OutOfBoundsException"; }
};

class RB_FRAMEWORK_EXPORT KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(const std::string& key) : RuntimeException("no value under the key '" + key + "'") {}
    const char* ClassName() const noexcept override { return "KeyNotFoundException"; }
};

// A programming error in how the framework is used: a malformed property list,
// a handler bound with the wrong signature, an unknown property or event.
class RB_FRAMEWORK_EXPORT UsageException : public RuntimeException {
public:
    explicit UsageException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "UsageException"; }
};

} // namespace rb
