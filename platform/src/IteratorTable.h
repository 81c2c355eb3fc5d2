#pragma once

#include <platform/MacTypes.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>

namespace platform {

enum class IteratorKind : uint32_t { Font = 1, Family = 2, FamilyInstance = 3 };

struct IteratorState {
    uint32_t generation = 0;    // of the set of fonts that the walk began on
    std::size_t position = 0;   // of the next item
    FMFontFamily family = 0;    // of an instance iterator
};

// The live iterators. A record holds only a mark, the kind and an ID into
// this table, so a copied, disposed or never set-up record is recognised and
// refused instead of being freed twice.
class IteratorTable {
public:
    using Record = std::span<uint32_t, 16>;

    static IteratorTable& Instance();

    void Open(IteratorKind kind, Record record, const IteratorState& state);
    // null when the record holds no live iterator of that kind.
    IteratorState* Find(IteratorKind kind, Record record);
    // False when the record holds no live iterator of that kind.
    bool Close(IteratorKind kind, Record record);

private:
    struct Entry {
        IteratorKind kind;
        IteratorState state;
    };

    Entry* EntryOf(IteratorKind kind, Record record);

    std::map<uint32_t, Entry> entries_;
    uint32_t nextId_ = 1;
};

} // namespace platform
