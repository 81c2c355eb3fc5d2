#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

namespace rb {

// One of the system's standard cursors.
class RB_FRAMEWORK_EXPORT MouseCursor : public Object {
public:
    enum class Shape { StandardPointer, FingerPointer, HandOpen, HandClosed };

    explicit MouseCursor(Shape shape) : shape_(shape) {}
    Shape GetShape() const noexcept { return shape_; }

private:
    Shape shape_;
};

} // namespace rb
