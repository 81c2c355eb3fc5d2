#include "graphics/QtCursor.h"

namespace rb {

QCursor ToQCursor(const MouseCursor& cursor)
{
    switch (cursor.GetShape()) {
    case MouseCursor::Shape::FingerPointer:
        return Qt::PointingHandCursor;
    case MouseCursor::Shape::HandOpen:
        return Qt::OpenHandCursor;
    case MouseCursor::Shape::HandClosed:
        return Qt::ClosedHandCursor;
    case MouseCursor::Shape::StandardPointer:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace rb
