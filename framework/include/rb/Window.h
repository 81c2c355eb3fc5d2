#pragma once

#include "rb/Delegate.h"
#include "rb/Designable.h"
#include "rb/FrameworkExport.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rb {

class Control;
class DragItem;
class MenuBar;
class MouseCursor;
class Picture;
class RectControl;
class WindowWidgets; // the Qt side of a window, internal to the framework

// A window of the program. A program's window class derives from Window and
// passes its full class name ("Window1.Window1"); its accessor finds the live
// instance with GetImplicitWindow or makes one and runs Constructor.
//
// Frame codes: 0 document, 1 movable modal, 2 modal dialog (a bordered box
// with no title bar), 4 plain box (no frame at all), 8 sheet, 10 panel within
// its parent. The modal kinds (1, 2, 4 and 8 shown on its own) are
// application-modal, but Show returns at once; they have no minimize button.
// A title bar has the designed close and minimize buttons, and a maximize
// button only where the window is resizeable; a window that is not has one
// size. A window is centred on the screen once, with the window manager's
// frame, and never moves by itself; any kind but a document is the transient
// child of the front-most window (shown after it, where that window appears
// at the end of the current event). Showing a window or sheet focuses its
// first control that takes typed text; hiding it gives the focus back.
// The content area is exactly Width x Height below the window's menu bar,
// each kept within 0 to 16777215, the sizes a window can have;
// controls and mouse positions are in content coordinates.
class RB_FRAMEWORK_EXPORT Window : public Designable {
public:
    explicit Window(std::string fullClassName);
    ~Window() override;

    // "Window1.Window1".
    const std::string& FullClassName() const noexcept { return fullClassName_; }

    // Builds the window: makes it the live instance of its class, raises
    // Layout, CreateControls and AddMenuHandlers, then (once the application
    // has opened) the controls' Open events in the order they were added and
    // the window's Open event. A window whose Visible property is True is
    // shown as a window of its own at the end of the current event, unless a
    // Show, ShowWithin or Hide has placed it by then.
    void Constructor();

    void Show();
    // Shows the window attached to the parent: a sheet (or any other kind)
    // at the top centre of the parent's content, taking the parent's input
    // while it is up; a panel (Frame 10) within the parent without blocking
    // it. The second argument is not used.
    void ShowWithin(Ref<Window> parent, std::int32_t facing = -1);
    void Hide();
    // Raises CancelClose (True refuses); otherwise hides the window and ends
    // the instance: the next accessor call builds a new window.
    void Close();

    bool Visible() const;
    void Visible(bool visible);

    std::int32_t Width() const noexcept { return width_; }
    void Width(std::int32_t width);
    // Setting the height after the window is built moves or stretches the
    // controls locked at the bottom.
    std::int32_t Height() const noexcept { return height_; }
    void Height(std::int32_t height);
    const std::string& Title() const noexcept { return title_; }
    void Title(const std::string& title);
    std::int32_t Frame() const noexcept { return frame_; }

    // Painted under the controls at the content's origin; nil shows none.
    Ref<Picture> Backdrop() const;
    void Backdrop(Ref<Picture> picture);

    Ref<rb::MouseCursor> MouseCursor() const;
    void MouseCursor(Ref<rb::MouseCursor> cursor);

    // The mouse position last seen by the window, in content coordinates.
    std::int32_t MouseX() const;
    std::int32_t MouseY() const;

    // The window's own menu bar. A window of its own with a title bar (Frame
    // 0 or 1) that has none shows the application's, while MenuBarVisible.
    Ref<rb::MenuBar> MenuBar() const;
    void MenuBar(Ref<rb::MenuBar> bar);

    // Registers the handler ("(  ) as Boolean") of the menu item of that name;
    // choosing the item calls it while this window is the active one (or the
    // window whose menu bar was used), and its result says it was handled.
    void AddMenuHandler(const std::string& itemName, Ref<Delegate> handler);
    // Calls the handler registered under the name; false when there is none.
    bool HandleMenuItem(const std::string& itemName);
    bool HandlesMenuItem(const std::string& itemName) const { return menuHandlers_.count(itemName) > 0; }

    // A new control of class T made within this window; its Constructor then
    // makes its widget here.
    template <class T, class... Args>
    Ref<T> NewControl(Args&&... args)
    {
        Ref<T> control = rb::New<T>(std::forward<Args>(args)...);
        Adopt(*control);
        return control;
    }

    // Adds the control under the name (a control array's elements share it).
    void AddControl(const std::string& name, Ref<Control> control);
    const std::vector<Ref<Control>>& Controls() const noexcept { return controls_; }

    // A drag item for that rectangle of the window.
    Ref<DragItem> NewDragItem(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    std::string DesignName() const override;
    void DescribeProperties(PropertyTable& table) override;

    // "Window1.Open": where an event of this window is delivered.
    std::string EventPath(const std::string& event) const;

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Ref<Window>) {}
    virtual void Event_Open() {}
    // Each time the window becomes the active one; a panel, each time it is
    // shown within its parent.
    virtual void Event_Activate() {}
    // True claims the press: its release then reaches Event_MouseUp.
    virtual bool Event_MouseDown(std::int32_t, std::int32_t) { return false; }
    virtual void Event_MouseUp(std::int32_t, std::int32_t) {}
    virtual void Event_MouseEnter() {}
    // True refuses the close. appQuitting is True when the application quits.
    virtual bool Event_CancelClose(bool) { return false; }

private:
    friend class WindowEvents;
    friend class WindowWidgets;

    void Adopt(Control& control);
    void ResizeContent(std::int32_t width, std::int32_t height);
    void Open();
    bool WaitForOwner();
    void ShowWaiting();
    void End();

    std::string fullClassName_;
    std::string title_;
    std::int32_t width_ = 100;
    std::int32_t height_ = 100;
    std::int32_t frame_ = 0;
    bool visibleAsDesigned_ = false;
    bool ended_ = false;
    std::vector<Ref<Control>> controls_;
    std::map<std::string, Ref<Delegate>> menuHandlers_;
    std::unique_ptr<WindowWidgets> native_;
};

// The live window of that full class name, or nil.
RB_FRAMEWORK_EXPORT Ref<Window> GetImplicitWindow(const std::string& fullClassName);

// The window's control of that name (the first of a control array), or of
// that name and index; nil when there is none.
RB_FRAMEWORK_EXPORT Ref<Control> RuntimeWindowControlByName(Ref<Window> window, const std::string& name);
RB_FRAMEWORK_EXPORT Ref<Control> RuntimeWindowControlByNameIndex(Ref<Window> window, const std::string& name,
                                                                 std::int32_t index);

} // namespace rb
