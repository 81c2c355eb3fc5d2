#pragma once

#include "rb/MouseCursor.h"

namespace rb {

class System {
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
