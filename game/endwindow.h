#pragma once

#include "rb/Graphics.h"
#include "rb/Window.h"

// The end-of-game window: the score out of the items chosen, applause when
// the share of right answers reaches the threshold, Quit and New Game.
class endwindow : public rb::Window {
public:
    endwindow();

    // The live end window, made when none is live.
    static rb::Ref<endwindow> Instance();

    // The program's icon, copied through its mask at every paint.
    void Canvas1_Paint(rb::Ref<rb::Graphics> g);
    void StaticText1_Open();
    // Quit: the framework's quit, which meets the main window's confirmation.
    void PushButton1_Action();
    // New Game: the File menu's, then this window closes.
    void PushButton2_Action();

    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};
