#pragma once

#include "FrameworkInternal.h"

#include <QKeySequence>

#include <string_view>

namespace rb {

// "Cmd+Q" as a key sequence: Cmd is the platform's command key (Ctrl here),
// Option is Alt, Ctrl is the Meta key; empty for the empty text or one that
// names no key.
RB_FRAMEWORK_INTERNAL QKeySequence ShortcutFromText(std::string_view text);

} // namespace rb
