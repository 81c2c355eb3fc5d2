#pragma once

#include "FrameworkInternal.h"
#include "rb/Window.h"

#include <string>
#include <vector>

// The live windows, front-most first.
namespace rb::windows {

// Makes the window the live one of its class and the front-most.
void Register(Window& window);
// Ends the window's life as the live one; it is kept until the event loop's
// next turn, so that it never goes inside one of its own events.
void Unregister(Window& window);
Ref<Window> Live(const std::string& fullClassName);
void BringToFront(Window& window);
RB_FRAMEWORK_INTERNAL std::vector<Ref<Window>> FrontToBack();
// The front-most window other than that one that is up as a window of its
// own: the one that a window or message box shown now belongs to. Nil when
// there is none.
Ref<Window> FrontShown(const Window* except);
// Asks every live window's CancelClose(True), front to back, and closes them
// all once every one has agreed; at the first refusal, false, and every
// window stays open.
bool CloseAllForQuit();
// Drops every window and deletes every widget; the runtime's last step.
void EndAll();

} // namespace rb::windows
