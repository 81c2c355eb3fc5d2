#pragma once

#include "rb/FolderItem.h"

namespace rb {

class SpecialFolder {
public:
    // The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config, made when
    // it does not exist yet; nil when there is none to be had.
    static Ref<FolderItem> Preferences();
};

} // namespace rb
