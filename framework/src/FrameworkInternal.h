#pragma once
// RB_FRAMEWORK_INTERNAL marks the few internals that the framework's testing
// library reaches: exported from the shared library as the public API is, but
// declared only in the framework's own headers, so that no program sees them.

#include "rb/FrameworkExport.h"

#define RB_FRAMEWORK_INTERNAL RB_FRAMEWORK_EXPORT
