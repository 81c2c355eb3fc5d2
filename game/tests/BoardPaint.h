#pragma once

#include "rb/Picture.h"

#include <cstdint>

// Reading back what the board's paint handler drew into a picture.
struct PixelBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = -1; // exclusive; right <= left: nothing
    std::int32_t bottom = -1;

    bool Empty() const { return right <= left || bottom <= top; }
    PixelBox Moved(std::int32_t dx, std::int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const PixelBox&) const = default;
};

// A 1000 x 800 picture with the board's paint handler run over it, in the
// main window's present state.
rb::Ref<rb::Picture> PaintBoard();

// The box of what the shadow changes on the board: painted with the served
// item standing in the basket, against without.
PixelBox ShadowDifferences();

// The box of the pixels of `band` that differ between the two pictures.
PixelBox Differences(const rb::Ref<rb::Picture>& a, const rb::Ref<rb::Picture>& b, const PixelBox& band);

// The box of the picture's pixels that are not fully clear in its mask.
PixelBox OpaqueBox(const rb::Ref<rb::Picture>& picture);
