#pragma once

#include "rb/Window.h"

#include <string>

// The preferences editor: the applause threshold and the music switch. OK
// keeps them in memory and in the preferences file "NubrelloPrefs"; Cancel
// and the close box store nothing.
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
    template <class T>
    rb::Ref<T> MakeControl(const std::string& name, const std::string& properties);
    template <class T>
    rb::Ref<T> ControlNamed(const std::string& name);
};
