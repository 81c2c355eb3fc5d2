#pragma once

#include "rb/FolderItem.h"
#include "rb/FrameworkExport.h"

namespace rb {

class RB_FRAMEWORK_EXPORT SpecialFolder {
public:
    // The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config, made when
    // it does not exist yet; nil when there is none to be had.
    static Ref<FolderItem> Preferences();
};

} // namespace rb
