#pragma once

#include "rb/Window.h"

#include <cstdint>

// The preferences display: the applause threshold as a percentage over the
// program's icon, recomputed at every activation; a click hides it.
class showprefswindow : public rb::Window {
public:
    showprefswindow();

    // The live display, made when there is none.
    static rb::Ref<showprefswindow> Instance();

    void CreateControls0();

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Activate() override;
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
    void Event_MouseEnter() override;
};
