#pragma once

#include <stdexcept>
#include <string>

namespace rb {

// The framework's exceptions. Each names its class, so that the unhandled-
// exception report can say what went wrong.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

// Raised on any use of a nil object: a picture whose file failed to load, a
// folder the system does not give, a window or control that is not there.
class NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("a nil object was used") {}
    const char* ClassName() const noexcept override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    IllegalCastException() : RuntimeException("an object was cast to a class it does not belong to") {}
    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "OutOfBoundsException"; }
};

class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(const std::string& key) : RuntimeException("no value under the key '" + key + "'") {}
    const char* ClassName() const noexcept override { return "KeyNotFoundException"; }
};

// A programming error in how the framework is used: a malformed property list,
// a handler bound with the wrong signature, an unknown property or event.
class UsageException : public RuntimeException {
public:
    explicit UsageException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "UsageException"; }
};

} // namespace rb
