#pragma once

#include "rb/FrameworkExport.h"

#include <functional>
#include <string>

namespace rb {

// Hands the URL to the desktop: a "mailto:" link opens a new mail to its
// address. What happens when nothing handles the URL is the desktop's; the
// framework says so on standard error.
RB_FRAMEWORK_EXPORT void ShowURL(const std::string& url);

// For tests: while set, URLs go to the observer instead of the desktop. An
// empty function removes it.
RB_FRAMEWORK_EXPORT void SetShowURLObserver(std::function<void(const std::string& url)> observer);

} // namespace rb
