#include "plugin/HostFile.h"

#include "rb/PluginABI.h"

namespace rb {

HostFile::HostFile(Ref<FolderItem> item) : HostRecord(sizeof(RbHostObject)), item_(std::move(item)) {}

} // namespace rb
