#pragma once

#include "rb/Control.h"
#include "rb/Delegate.h"
#include "rb/Picture.h"
#include "rb/PropertyList.h"
#include "rb/RectControl.h"
#include "rb/TextControl.h"
#include "rb/Window.h"

#include <cstdint>
#include <optional>
#include <string>

// The designed property lists of the program's windows and controls, typed:
// each design states only its own values, and the rows that the lists have in
// common are written once here.

struct WindowDesign {
    std::int32_t placement = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t frame = 0;
    bool composite = false;
    bool hasBackColor = false;
    std::string title = "Untitled";
    bool closeButton = true;
    bool resizeable = false;
    bool liveResize = false;
    bool minimizeButton = true;
};

// Applies the window's designed property list, Placement to MacProcID:
// minimum 64 x 64, maximum 32000 x 32000, white back colour, visible, no
// maximize button.
void DesignWindow(rb::Window& window, const WindowDesign& design);

// Where a control stands: by default not in a control array, with no locks,
// visible, directly in its window.
struct Place {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t index = rb::Control::NoIndex;
    std::optional<std::int32_t> tabIndex; // unset: the list has no TabIndex
    bool lockLeft = false;
    bool lockTop = false;
    bool lockRight = false;
    bool lockBottom = false;
    bool visible = true;
    std::string parent; // the InitialParent control's name
};

// A canvas, or a control drawn as one (the sorting boxes).
struct CanvasDesign {
    Place place;
    bool useFocusRing = true;
    bool eraseBackground = true;
    rb::Ref<rb::Picture> backdrop; // set before the list, nil included
    rb::PropertyList Properties(const std::string& name) const;
};

struct LabelDesign {
    Place place;
    std::string text;
    std::string font = "System";
    std::optional<float> textSize; // set before the list
    bool bold = false;
    std::int32_t textAlign = 0;
    bool multiline = false;
    bool tabStop = false; // whether the list has TabStop True
    rb::PropertyList Properties(const std::string& name) const;
};

struct ButtonDesign {
    Place place;
    std::string caption;
    bool isDefault = false;
    bool isCancel = false;
    rb::PropertyList Properties(const std::string& name) const;
};

struct CheckBoxDesign {
    Place place;
    std::string caption;
    rb::PropertyList Properties(const std::string& name) const;
};

struct GroupBoxDesign {
    Place place;
    std::string caption;
    rb::PropertyList Properties(const std::string& name) const;
};

// An empty one-line field with a border, no limit, editable.
struct TextFieldDesign {
    Place place;
    rb::PropertyList Properties(const std::string& name) const;
};

// An empty styled box with a border and no scroll bars.
struct TextAreaDesign {
    Place place;
    std::string font = "System";
    std::optional<float> textSize; // set before the list
    std::int32_t alignment = 0;
    std::int32_t limitText = 0;
    rb::PropertyList Properties(const std::string& name) const;
};

// White, with a black border 1 pixel wide.
struct RectangleDesign {
    Place place;
    rb::PropertyList Properties(const std::string& name) const;
};

namespace rb {
class Canvas;
class CheckBox;
class GroupBox;
class PushButton;
class Rectangle;
class StaticText;
class TextArea;
class TextField;
} // namespace rb

// The design that each class of control takes (a subclass takes its base's).
CanvasDesign DesignOf(rb::Canvas*);
LabelDesign DesignOf(rb::StaticText*);
ButtonDesign DesignOf(rb::PushButton*);
CheckBoxDesign DesignOf(rb::CheckBox*);
GroupBoxDesign DesignOf(rb::GroupBox*);
TextFieldDesign DesignOf(rb::TextField*);
TextAreaDesign DesignOf(rb::TextArea*);
RectangleDesign DesignOf(rb::Rectangle*);
template <class T>
using DesignFor = decltype(DesignOf(static_cast<T*>(nullptr)));

// The window's control of that name, as that class; nil when there is none
// or it is of another class.
template <class T>
rb::Ref<T> ControlNamed(rb::Window& window, const std::string& name)
{
    return rb::RuntimeWindowControlByName(rb::Ref<rb::Window>(&window), name).Cast<T>();
}

// Makes a control of class T in the window and designs it: a new control, its
// constructor (with its index for a class made in control arrays), added under
// its name, looked up again, its backdrop or its text size and text unit 0,
// then its designed property list.
template <class T>
rb::Ref<T> MakeControl(rb::Window& window, const std::string& name, const DesignFor<T>& design)
{
    const std::int32_t index = design.place.index;
    auto control = window.NewControl<T>();
    if constexpr (requires { control->Constructor(index); })
        control->Constructor(index);
    else
        control->Constructor();
    window.AddControl(name, control);
    const rb::Ref<rb::Window> self(&window);
    auto made = (index == rb::Control::NoIndex ? rb::RuntimeWindowControlByName(self, name)
                                               : rb::RuntimeWindowControlByNameIndex(self, name, index))
                    .template Cast<T>();
    if constexpr (requires { design.backdrop; })
        made->Backdrop(design.backdrop);
    if constexpr (requires { design.textSize; })
        if (design.textSize)
            made->TextSize(*design.textSize);
    if constexpr (std::is_base_of_v<rb::TextControl, T>)
        made->TextUnit(0);
    rb::SetProperties(made, design.Properties(name).Bytes());
    return made;
}

// Binds the target's method to the control's event by the event's name.
template <class Target, class R, class... Args>
void Bind(const rb::Ref<rb::RectControl>& control, const std::string& event, Target* target,
          R (Target::*method)(Args...), const std::string& signature)
{
    rb::InstallInstanceEventHandler(control, event, rb::RuntimeCreateDelegate(target, method, signature));
}

// The live window of that full class name ("endwindow.endwindow"), or a new
// one built when none is: every window class's accessor.
template <class W>
rb::Ref<W> WindowInstance(const std::string& fullClassName)
{
    auto window = rb::GetImplicitWindow(fullClassName).Cast<W>();
    if (window.IsNil()) {
        window = rb::New<W>();
        window->Constructor();
    }
    return window;
}
