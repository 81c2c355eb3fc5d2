#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>

namespace rb {

class Picture;
class Window;

// What is dragged: a rectangle of a window, and the picture it carries. A
// control's DropObject event receives one too, made from what was dropped.
class RB_FRAMEWORK_EXPORT DragItem : public Object {
public:
    // A drag of that rectangle of the window's content (window coordinates).
    DragItem(Ref<Window> window, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // What a drop delivered: the picture, or nil when the drop carried none.
    explicit DragItem(Ref<rb::Picture> dropped);

    Ref<rb::Picture> Picture() const { return picture_; }
    void Picture(Ref<rb::Picture> picture) { picture_ = std::move(picture); }
    bool PictureAvailable() const noexcept { return !picture_.IsNil(); }

    std::int32_t Left() const noexcept { return left_; }
    std::int32_t Top() const noexcept { return top_; }
    std::int32_t Width() const noexcept { return width_; }
    std::int32_t Height() const noexcept { return height_; }

    // Runs the drag until the mouse is released: the picture goes as image
    // data (to this program and others) and shows as the drag image, held
    // where the mouse grabbed it. The drop reaches the control under the mouse
    // that accepts picture drops. A drag item of a drop does nothing.
    void Drag();

private:
    Ref<Window> window_;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    Ref<rb::Picture> picture_;
};

} // namespace rb
