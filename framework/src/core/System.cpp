#include "rb/System.h"

namespace rb {

const System::CursorSet& System::Cursors()
{
    using Shape = MouseCursor::Shape;
    static const CursorSet cursors{New<MouseCursor>(Shape::StandardPointer), New<MouseCursor>(Shape::FingerPointer),
                                   New<MouseCursor>(Shape::HandOpen), New<MouseCursor>(Shape::HandClosed)};
    return cursors;
}

} // namespace rb
