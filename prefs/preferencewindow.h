#pragma once

#include "rb/Window.h"

// The preferences editor: the applause threshold and the music switch. OK
// keeps them in memory and in the preferences file "NubrelloPrefs", and says
// so when the file cannot be written; Cancel and the close box store nothing.
class preferencewindow : public rb::Window {
public:
    preferencewindow();

    // The live editor, made when there is none.
    static rb::Ref<preferencewindow> Instance();

    void CreateControls0();
    void checkapplause_Open();
    void checkmusic_Open();
    void PushButton1_Action();
    void PushButton2_Action();

protected:
    void Layout() override;
    void CreateControls() override;

private:
    double TypedThreshold();
};
