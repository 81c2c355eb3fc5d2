#pragma once

#include "plugin/HostRecord.h"

#include "rb/FolderItem.h"

namespace rb {

// The host's file object, as plug-ins see a FolderItem: a record with no
// instance data, wrapping the item.
class HostFile : public HostRecord {
public:
    explicit HostFile(Ref<FolderItem> item);

    const Ref<FolderItem>& Item() const noexcept { return item_; }

private:
    Ref<FolderItem> item_;
};

} // namespace rb
