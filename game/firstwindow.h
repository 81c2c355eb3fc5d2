#pragma once

#include "rb/TextArea.h"
#include "rb/Window.h"

#include <string>

// The welcome sheet: asks how many items the coming game serves (1 to 42).
class firstwindow : public rb::Window {
public:
    firstwindow();

    // The live sheet, made when none is live.
    static rb::Ref<firstwindow> Instance();

    // The number box, found by name.
    rb::Ref<rb::TextArea> TextArea1();

    // Lets digits, backspace, Return and Enter through; swallows every other key.
    bool TextArea1_KeyDown(const std::string& key);
    // OK: takes a number from 1 to 42 into the main window's howmany.
    void PushButton1_Action();

    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};
