#pragma once

#include "rb/Color.h"
#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <memory>

namespace rb {

class Picture;
class GraphicsSurface;

// A drawing surface: a picture's, or a canvas's (what a canvas shows).
class RB_FRAMEWORK_EXPORT Graphics : public Object {
public:
    explicit Graphics(std::unique_ptr<GraphicsSurface> surface);
    ~Graphics() override;

    // Draws the whole picture at its natural size, its top-left corner at
    // (x, y), through its mask. A nil picture draws nothing.
    void DrawPicture(const Ref<Picture>& picture, std::int32_t x, std::int32_t y);

    // The colour at (x, y) as drawn; black outside the surface. On a canvas, a
    // point nothing opaque was drawn on reads white, an empty window's colour.
    Color Pixel(std::int32_t x, std::int32_t y) const;

    std::int32_t Width() const;
    std::int32_t Height() const;

private:
    std::unique_ptr<GraphicsSurface> surface_;
};

} // namespace rb
