#include "BoardPaint.h"

#include "Window1.h"

#include "rb/Graphics.h"

#include <algorithm>

namespace {

const rb::Color White{255, 255, 255};

void Include(PixelBox& box, std::int32_t x, std::int32_t y)
{
    if (box.Empty()) {
        box = {x, y, x + 1, y + 1};
        return;
    }
    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
}

} // namespace

rb::Ref<rb::Picture> PaintBoard()
{
    auto board = rb::New<rb::Picture>(1000, 800, 32);
    Window1::Instance()->Canvas1_Paint(board->Graphics());
    return board;
}

PixelBox ShadowDifferences()
{
    const auto window = Window1::Instance();
    const auto plain = PaintBoard();
    window->inbasket = true;
    const auto shaded = PaintBoard();
    window->inbasket = false;
    return Differences(shaded, plain, {0, 0, plain->Width(), plain->Height()});
}

PixelBox Differences(const rb::Ref<rb::Picture>& a, const rb::Ref<rb::Picture>& b, const PixelBox& band)
{
    PixelBox found;
    const auto ga = a->Graphics();
    const auto gb = b->Graphics();
    for (std::int32_t y = band.top; y < band.bottom; ++y)
        for (std::int32_t x = band.left; x < band.right; ++x)
            if (!(ga->Pixel(x, y) == gb->Pixel(x, y)))
                Include(found, x, y);
    return found;
}

PixelBox OpaqueBox(const rb::Ref<rb::Picture>& picture)
{
    PixelBox found;
    const auto mask = picture->Mask(true)->Graphics();
    for (std::int32_t y = 0; y < picture->Height(); ++y)
        for (std::int32_t x = 0; x < picture->Width(); ++x)
            if (!(mask->Pixel(x, y) == White))
                Include(found, x, y);
    return found;
}
