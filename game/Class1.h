#pragma once

#include "rb/Canvas.h"
#include "rb/DragItem.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"

#include <cstdint>
#include <string>

// A sorting box: it shows a picture, takes picture drops and judges the
// served item against its group letter.
class Class1 : public rb::Canvas {
public:
    rb::Ref<rb::Picture> tempic; // the picture shown; nil until the first deal
    std::string name;            // the group letter: "f", "v" or "b"
    std::int32_t i = 0;          // the index among the three boxes

    void Event_DropObject(rb::Ref<rb::DragItem> obj, std::int32_t action) override;
    void Event_Open() override;
    void Event_Paint(rb::Ref<rb::Graphics> g) override;

private:
    void Judge();
};
