#pragma once

#include "GameFixture.h"

#include "Class1.h"
#include "Window1.h"
#include "firstwindow.h"

#include <QPoint>

#include <cstdint>
#include <string>

// A game played as a player would (see PlayDriver.h): the preferences saved,
// so that no editor opens, with threshold 0 and the music on.
class PlayFixture : public GameFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The game's start, with the sounds untried as in a new program: an
    // earlier game of this test program released them.
    void StartGame();

    static rb::Ref<Window1> Main();
    // The live window of that class (as "endwindow"), or nil; never builds one.
    static rb::Ref<rb::Window> Live(const std::string& className);
    static rb::Ref<firstwindow> Sheet();
    static rb::Ref<Class1> Box(std::int32_t index);
    // The window's control of that name, as T.
    template <class T>
    static rb::Ref<T> ControlOf(const rb::Ref<rb::Window>& window, const std::string& name)
    {
        return rb::RuntimeWindowControlByName(window, name).Cast<T>();
    }

    // Types the number into the welcome sheet and presses OK.
    static void Answer(const std::string& count);
    static void PressOk();
    // A click on the board (main window coordinates).
    static void ClickBoard(QPoint at);
    // A click on the named button of the window.
    static void ClickButton(const rb::Ref<rb::Window>& window, const std::string& name);
    static void ClearServedItem();
};
