#include "PluginEntrypoints.h"

#include "rb/PluginHost.h"

#include <cstdio>

namespace {

constexpr const char* fontActivateKey = "folderitem.FontActivateKWX(OnlyLocal as boolean) as integer";

rb::PluginEntrypointTable& Entrypoints()
{
    static rb::PluginEntrypointTable table;
    return table;
}

} // namespace

void InitPluginEntrypoints()
{
    Entrypoints() = rb::RuntimeAllocatePluginEntrypointsTable(1);
    Entrypoints()[0] = rb::RuntimeLookupPluginEntrypoint(fontActivateKey);
}

std::int32_t FontActivateKWX(const rb::Ref<rb::FolderItem>& item, bool OnlyLocal)
{
    void* entry = Entrypoints().empty() ? nullptr : Entrypoints()[0];
    if (entry == nullptr) {
        std::fprintf(stderr, "Nubrello: the font plug-in is not loaded; the font is not activated\n");
        return -1;
    }
    const rb::Ref<rb::FolderItem> held = item; // the plug-in borrows the item for the call
    return rb::CallFolderItemMethod(entry, held, OnlyLocal);
}
