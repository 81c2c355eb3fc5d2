#pragma once

#include "rb/FrameworkExport.h"

#include <string>

namespace rb {

// Shows an application-modal message box with the text (carriage returns as
// line breaks) and an OK button, and returns at once: safe inside any event.
RB_FRAMEWORK_EXPORT void MsgBox(const std::string& text);

} // namespace rb
