#pragma once

#include "rb/Object.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace rb {

// An object that plug-ins know by the address of its record: a zeroed block of
// machine words that stays where it is for the object's life. Live records are
// registered, so that a pointer a plug-in hands back is checked before use.
class HostRecord : public Object {
public:
    explicit HostRecord(std::size_t recordBytes);
    ~HostRecord() override;

    void* Record() const noexcept { return words_.get(); }
    std::uintptr_t* Words() const noexcept { return words_.get(); }

    // The record with one reference that passes to the plug-in.
    void* PassToPlugin();

    // The live record at that address as a T; null for any other pointer.
    template <class T>
    static T* Find(const void* record)
    {
        return dynamic_cast<T*>(Lookup(record));
    }

private:
    static HostRecord* Lookup(const void* record);

    std::unique_ptr<std::uintptr_t[]> words_;
};

} // namespace rb
