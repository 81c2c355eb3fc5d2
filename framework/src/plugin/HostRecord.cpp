#include "plugin/HostRecord.h"

#include <unordered_map>

namespace rb {
namespace {

// Never destroyed: records may still go away while the process exits.
std::unordered_map<const void*, HostRecord*>& LiveRecords()
{
    static auto* records = new std::unordered_map<const void*, HostRecord*>;
    return *records;
}

std::size_t WordsFor(std::size_t bytes)
{
    return (bytes + sizeof(std::uintptr_t) - 1) / sizeof(std::uintptr_t);
}

} // namespace

HostRecord::HostRecord(std::size_t recordBytes)
    : words_(std::make_unique<std::uintptr_t[]>(WordsFor(recordBytes)))
{
    LiveRecords().emplace(Record(), this);
}

HostRecord::~HostRecord()
{
    LiveRecords().erase(Record());
}

void* HostRecord::PassToPlugin()
{
    Retain();
    return Record();
}

HostRecord* HostRecord::Lookup(const void* record)
{
    if (record == nullptr)
        return nullptr;
    const auto found = LiveRecords().find(record);
    return found == LiveRecords().end() ? nullptr : found->second;
}

} // namespace rb
