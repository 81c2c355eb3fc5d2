#pragma once

#include "rb/Window.h"

// The quit confirmation: asks before the main window closes, and says how
// many items of the game are still to be sorted.
class quitwindow : public rb::Window {
public:
    quitwindow();

    // The live confirmation, made when none is live.
    static rb::Ref<quitwindow> Instance();

    // The count line, shown (and the window grown to 100) while items are left.
    void StaticText2_Open();
    // Quit: confirms and quits.
    void PushButton1_Action();
    // Cancel: closes the confirmation.
    void PushButton2_Action();

    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};
