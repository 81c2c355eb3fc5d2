#pragma once

#include "rb/Picture.h"
#include "rb/RectControl.h"
#include "rb/Window.h"

#include <QColor>
#include <QObject>
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
// Gives the control the keyboard focus, its window made the active one.
void Focus(const rb::RectControl& control);
// A key pressed and released as the window system delivers it to the
// control, given the focus first: a shortcut of the menu bar goes to its
// menu first.
void Stroke(const rb::RectControl& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The Names of the entries of the window's menu that show enabled while it
// is open.
std::vector<std::string> EnabledEntries(const rb::Window& window, const char* menuName);
// Opens the window's menu and clicks the entry: nothing happens when it
// shows disabled.
void Choose(const rb::Window& window, const char* menuName, const char* itemName);

// Where an edit's caret stands and where its selection begins.
struct Caret {
    int position;
    int anchor;
    bool operator==(const Caret&) const = default;
};
Caret CaretOf(const rb::RectControl& edit);

// Counts the key presses that reach the window's own widget, past the
// control that had them (a modifier key pressed alone aside).
class KeySpy : public QObject {
public:
    explicit KeySpy(const rb::Window& window);
    int Presses() const { return presses_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int presses_ = 0;
};

// A drop on the control as the board's own drag makes it: the program's
// drag type and a picture of that colour.
void DropPicture(const rb::RectControl& target, QColor colour = Qt::red);
// A drop of plain text ("carrot" unless given): it carries no picture. It
// lands on the widget that shows the control's text, at its middle.
void DropText(const rb::RectControl& target, const QString& text = "carrot");
// A click of the middle button at the end of an edit's text: on X it pastes
// the primary selection, which the click first sets to the text.
void MiddleClick(const rb::RectControl& edit, const QString& selection);

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
