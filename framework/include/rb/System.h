#pragma once

#include "rb/FrameworkExport.h"
#include "rb/MouseCursor.h"

namespace rb {

class RB_FRAMEWORK_EXPORT System {
public:
    struct CursorSet {
        Ref<MouseCursor> StandardPointer;
        Ref<MouseCursor> FingerPointer;
        Ref<MouseCursor> HandOpen;
        Ref<MouseCursor> HandClosed;
    };

    // The standard cursors, one object each for the life of the process.
    static const CursorSet& Cursors();
};

} // namespace rb
