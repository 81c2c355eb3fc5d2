#pragma once

#include "rb/Canvas.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"

#include <cstdint>
#include <string>

// The served food item. It is a canvas by type only: the board draws it and
// tests it, and it is never added to a window.
class food : public rb::Canvas {
public:
    std::int32_t left = 0;  // board coordinates of the item's top-left corner
    std::int32_t top = 0;
    std::int32_t width = 0; // the picture's size
    std::int32_t height = 0;
    rb::Ref<rb::Picture> p; // a 32-bit copy of the catalogue picture, with its mask
    std::string name;       // the food key, as "f3"

    void Event_Paint(rb::Ref<rb::Graphics> g) override;
    void Event_MouseEnter() override;
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
    void Event_MouseDrag(std::int32_t x, std::int32_t y) override;

    // Draws the picture at its natural size at (left, top).
    void drawSelf(rb::Ref<rb::Graphics> g);
    // Whether the board point is strictly inside the item on a board pixel
    // that is not white.
    bool within(std::int32_t x, std::int32_t y);
};
