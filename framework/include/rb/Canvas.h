#pragma once

#include "rb/FrameworkExport.h"
#include "rb/RectControl.h"

#include <memory>
#include <string_view>

namespace rb {

class Graphics;
class Picture;
struct CanvasBacking;

// A control that shows pictures. It keeps an image of what it shows: its
// backdrop, then what its Paint event drew, then what was drawn through
// Graphics() since. Child controls paint over it.
class RB_FRAMEWORK_EXPORT Canvas : public RectControl {
public:
    Canvas();
    ~Canvas() override;

    // Drawn under everything else, at the canvas's origin; nil draws none.
    Ref<Picture> Backdrop() const { return backdrop_; }
    void Backdrop(Ref<Picture> picture);

    // Draws into what the canvas shows; it shows at once. Pixel reads the
    // canvas as drawn.
    Ref<rb::Graphics> Graphics();

    // The paint event, for the whole canvas or the rectangle asked for by
    // RefreshRect (drawing outside it changes nothing). A handler bound to
    // "Paint" ("( Graphics )") runs instead.
    virtual void Event_Paint(Ref<rb::Graphics>) {}

    std::string_view EventSignature(std::string_view event) const override;

    // Internal: what the canvas shows, for its widget.
    CanvasBacking& Backing() const { return *backing_; }

protected:
    void MakeWidget() override;

private:
    Ref<Picture> backdrop_;
    std::unique_ptr<CanvasBacking> backing_;
};

} // namespace rb
