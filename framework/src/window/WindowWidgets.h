#pragma once

#include "rb/MenuBar.h"
#include "rb/MouseCursor.h"
#include "rb/Picture.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <vector>

class QMenuBar;

namespace rb {

class Window;
class WindowContent;
class WindowFrame;

// The Qt side of a window: the frame (a top-level widget, or a sheet or panel
// inside its parent's content), the content area of the window's size with
// the controls, the menu bar above it and, while a sheet is up, the layer
// that keeps the input from its parent.
class WindowWidgets {
public:
    explicit WindowWidgets(Window& window);
    ~WindowWidgets();
    WindowWidgets(const WindowWidgets&) = delete;
    WindowWidgets& operator=(const WindowWidgets&) = delete;

    QPointer<WindowFrame> frame;
    QPointer<WindowContent> content;
    QPointer<QMenuBar> menuBarWidget;
    QPointer<QWidget> blocker;
    std::uint64_t menuGeneration = 0;

    std::int32_t minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
    bool closeButton = true, resizeable = false, minimizeButton = true, maximizeButton = false;
    bool menuBarVisible = true;
    bool hasBackColor = false;
    std::uint32_t backColor = 0xFFFFFF;
    Ref<Picture> backdrop;
    Ref<MouseCursor> cursor;
    Ref<MenuBar> menuBar;      // the window's own
    Ref<MenuBar> shownMenuBar; // its own or the application's
    QPoint mouse;
    bool placed = false;      // a Show, ShowWithin or Hide has placed the window
    bool centred = false;     // centred once on the screen as a window of its own
    bool mouseClaimed = false;
    bool showPending = false; // shown, and waiting for the window it belongs to
    std::vector<Ref<Window>> waiting; // to be shown once this window is
    QPointer<QWidget> focusBefore;    // had the focus when the window appeared

    bool Embedded() const;
    // Shows the window's kind, size and menu bar on the frame.
    void ApplyFrame(std::int32_t frameCode);
    void ApplySize(std::int32_t width, std::int32_t height);
    // The bar the window shows: its own, else (with a title bar) the
    // application's; none within another window or with MenuBarVisible False.
    Ref<MenuBar> ShownMenuBar() const;
    void UpdateMenuBar(Window& window);
    void Embed(QWidget* parentContent, bool blocking);
    void Detach(std::int32_t frameCode);
    // Makes the frame a transient child of the owner's (none: of no window).
    void Belong(QWidget* ownerFrame);
    void RemoveBlocker();
    void DeleteWidgets();

private:
    Qt::WindowFlags WindowFlags(std::int32_t frameCode) const;

    Window& window_;

public:
    // The window's Qt side.
    static WindowWidgets& Of(const Window& window);
};

} // namespace rb

#include "rb/Window.h"

namespace rb {

inline WindowWidgets& WindowWidgets::Of(const Window& window)
{
    return *window.native_;
}

} // namespace rb
