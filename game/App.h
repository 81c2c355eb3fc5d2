#pragma once

#include "rb/Application.h"

// The application object: its Open event does the game's start-up work.
class App : public rb::Application {
public:
    bool preferred = false; // the preferences have been saved at least once
    bool quiet = false;     // no end-of-game music

    // The one App object, as the framework holds it.
    static rb::Ref<App> Instance();

    void Event_Open() override;
};
