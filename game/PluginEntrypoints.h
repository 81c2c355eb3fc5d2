#pragma once

#include "rb/FolderItem.h"

#include <cstdint>

// The plug-in methods that the program calls, bound once at start-up.
void InitPluginEntrypoints();

// Activates the fonts of the file, for this process alone when OnlyLocal is
// True. Without the font plug-in it says so once and gives -1.
std::int32_t FontActivateKWX(const rb::Ref<rb::FolderItem>& item, bool OnlyLocal);
