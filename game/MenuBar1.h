#pragma once

#include "rb/MenuBar.h"

// The program's one menu bar: File and Edit. The application and the main
// window both take this same instance.
class MenuBar1 : public rb::MenuBar {
public:
    // Makes the bar on the first call and keeps it until Exit.
    static rb::Ref<MenuBar1> Instance();
    // Releases the instance at the program's end.
    static void Exit();

    void Constructor() override;
    void Untitled0();
    void Untitled1();
};
