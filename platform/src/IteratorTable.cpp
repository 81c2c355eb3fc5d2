#include "IteratorTable.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint32_t kMark = 0x52624974; // 'RbIt'
enum RecordField { kMarkField = 0, kKindField = 1, kIdField = 2 };

} // namespace

IteratorTable& IteratorTable::Instance()
{
    static IteratorTable table;
    return table;
}

void IteratorTable::Open(IteratorKind kind, Record record, const IteratorState& state)
{
    while (nextId_ == 0 || entries_.contains(nextId_))
        ++nextId_;
    const uint32_t id = nextId_++;
    entries_[id] = Entry{kind, state};
    std::fill(record.begin(), record.end(), 0u);
    record[kMarkField] = kMark;
    record[kKindField] = static_cast<uint32_t>(kind);
    record[kIdField] = id;
}

IteratorState* IteratorTable::Find(IteratorKind kind, Record record)
{
    Entry* entry = EntryOf(kind, record);
    return entry == nullptr ? nullptr : &entry->state;
}

bool IteratorTable::Close(IteratorKind kind, Record record)
{
    if (EntryOf(kind, record) == nullptr)
        return false;
    entries_.erase(record[kIdField]);
    std::fill(record.begin(), record.end(), 0u);
    return true;
}

IteratorTable::Entry* IteratorTable::EntryOf(IteratorKind kind, Record record)
{
    if (record[kMarkField] != kMark || record[kKindField] != static_cast<uint32_t>(kind))
        return nullptr;
    const auto found = entries_.find(record[kIdField]);
    return found == entries_.end() || found->second.kind != kind ? nullptr : &found->second;
}

} // namespace platform
