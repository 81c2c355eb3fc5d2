#pragma once

#include "rb/Picture.h"
#include "rb/RectControl.h"
#include "rb/Window.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Plays the game as a player would: real Qt mouse, key and drop events sent
// to the real widgets, the sounds heard and the random draws fixed.
namespace play {

// A press and a release of the left button at a point of the window's
// content (design units; on a scaled screen, the pixel that shows it), on
// the widget a player would hit there (a sheet's blocker too).
void Click(const rb::Window& window, QPoint at);
// A press only; the release of a drag that the framework ran is not sent.
void Press(const rb::Window& window, QPoint at);
// The mouse moved there with no button down.
void Move(const rb::Window& window, QPoint to);
// A click in the middle of the control (a button, a box).
void Click(const rb::RectControl& control);

// Keys typed into an edit control, each a press and a release.
void Type(const rb::RectControl& edit, const std::string& characters);
void Key(const rb::RectControl& edit, int qtKey, const QString& text = {});

// A drop on the control as the board's own drag makes it: the program's
// drag type and a picture of that colour.
void DropPicture(const rb::RectControl& target, QColor colour = Qt::red);
// A drop of plain text: it carries no picture.
void DropText(const rb::RectControl& target);

// A picture of one opaque colour, loaded as the game loads its pictures.
rb::Ref<rb::Picture> SolidPicture(std::int32_t width, std::int32_t height, QColor colour);

// The texts of the message boxes that are up; CloseMessages takes them down.
std::vector<std::string> OpenMessages();
void CloseMessages();

// The sounds played while it lives, as "name@volume".
class SoundLog {
public:
    SoundLog();
    ~SoundLog();
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    // The sounds heard since the last Take.
    std::vector<std::string> Take();

private:
    std::vector<std::string> heard_;
};

// While it lives, every draw of a range starting at 1 (the deal: the group
// order, then the three sample numbers) takes the next number of the script,
// round and round; the deck's shuffle draws from a fixed seed.
class FixedRandom {
public:
    explicit FixedRandom(std::vector<std::int32_t> script);
    ~FixedRandom();
    FixedRandom(const FixedRandom&) = delete;
    FixedRandom& operator=(const FixedRandom&) = delete;
};

} // namespace play
