#pragma once

#include "rb/Window.h"

#include <cstdint>

namespace rb {
class Graphics;
}

// The about box: the icon, the name and version, and the contact address as a
// mail link. A click on the box closes it.
class aboutbox : public rb::Window {
public:
    aboutbox();

    // The live about box, made when there is none.
    static rb::Ref<aboutbox> Instance();

    void CreateControls0();
    void Canvas1_Paint(rb::Ref<rb::Graphics> g);
    void StaticText2_MouseEnter();
    bool StaticText2_MouseDown(std::int32_t x, std::int32_t y);
    void StaticText2_MouseUp(std::int32_t x, std::int32_t y);

protected:
    void Layout() override;
    void CreateControls() override;
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
};
