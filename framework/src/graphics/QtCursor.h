#pragma once

#include "rb/MouseCursor.h"

#include <QCursor>

namespace rb {

QCursor ToQCursor(const MouseCursor& cursor);

} // namespace rb
