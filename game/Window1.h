#pragma once

#include "food.h"

#include "rb/Canvas.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/StaticText.h"
#include "rb/Window.h"

#include <cstdint>

// The main window and its board: the basket, the score sign, the three sorting
// boxes and the score label. It holds the state of the game.
class Window1 : public rb::Window {
public:
    Window1();

    rb::Ref<food> pix;          // the served item, or nil
    bool waiting = false;       // an item has been served and not yet dropped
    rb::Ref<rb::Picture> px;    // the catalogue picture of the item served last
    std::int32_t c = 0;         // items served in this game
    bool inbasket = false;      // the served item stands in the basket
    std::int32_t howmany = 0;   // items chosen for the game
    bool shutdown = false;      // quitting has been confirmed

    // The board's designed size: the program's largest window, below its menu bar.
    static constexpr std::int32_t DesignedWidth = 1000;
    static constexpr std::int32_t DesignedHeight = 800;

    // The one main window, made when none is live.
    static rb::Ref<Window1> Instance();

    // The board and the score label, found by name.
    rb::Ref<rb::Canvas> Canvas1();
    rb::Ref<rb::StaticText> StaticText1();

    void Canvas1_Paint(rb::Ref<rb::Graphics> g);
    bool Canvas1_MouseDown(std::int32_t x, std::int32_t y);
    void Canvas1_Open();
    void Canvas1_MouseUp(std::int32_t x, std::int32_t y);
    void Canvas1_MouseMove(std::int32_t x, std::int32_t y);

    bool FileNew_Action();
    bool EditPreferences_Action();
    bool FileShowPrefs_Action();
    bool EditAboutNubrello_Action();

    void makefood();
    void setitup();

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rb::Ref<rb::Window> w) override;
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;

private:
    class wbox; // the sorting boxes' class, Window1.wbox

    void CreateControls0();
    rb::Ref<Window1> Self();
};
