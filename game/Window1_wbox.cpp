#include "Window1_wbox.h"

#include "Designs.h"
#include "PictureItems.h"

#include <array>

namespace {

struct BoxDesign {
    std::int32_t left;
    std::int32_t top;
    std::int32_t tabIndex;
};

// The middle box stands 7 pixels higher than the outer two.
constexpr std::array<BoxDesign, 3> BoxDesigns{{{45, 173, 2}, {352, 166, 0}, {656, 173, 1}}};

} // namespace

void Window1::wbox::Constructor()
{
    const CanvasDesign design = Design(0);
    Backdrop(design.backdrop);
    rb::SetProperties(rb::Ref<wbox>(this), design.Properties("wbox").Bytes());
    Index(0);
    Window()->AddControl("wbox", rb::Ref<wbox>(this));
    RectControl::Constructor();
}

void Window1::wbox::Constructor(std::int32_t index)
{
    Index(index);
    RectControl::Constructor();
}

CanvasDesign Window1::wbox::Design(std::int32_t index)
{
    const BoxDesign& row = BoxDesigns.at(static_cast<std::size_t>(index));
    return {.place = {.left = row.left,
                      .top = row.top,
                      .width = 300,
                      .height = 239,
                      .index = index,
                      .tabIndex = row.tabIndex,
                      .parent = "Canvas1"},
            .backdrop = DesignedBackdrop(index)};
}

rb::Ref<rb::Picture> Window1::wbox::DesignedBackdrop(std::int32_t index)
{
    switch (index) {
    case 0:
        return boxleft();
    case 1:
        return box();
    default:
        return boxright();
    }
}
