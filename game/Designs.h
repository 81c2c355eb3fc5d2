#pragma once

#include "rb/Control.h"
#include "rb/PropertyList.h"
#include "rb/Window.h"

#include <cstdint>
#include <optional>
#include <string>

// The rows that the designed property lists of the game's windows and
// controls have in common, so that each list states only its own values.

struct WindowDesign {
    std::int32_t placement = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t frame = 0;
    bool composite = false;
    std::string title = "Untitled";
    bool closeButton = true;
    bool resizeable = false;
    bool liveResize = false;
    bool minimizeButton = true;
};

// Placement to MacProcID: minimum 64 x 64, maximum 32000 x 32000, white
// back colour unused, visible, no maximize button.
rb::PropertyList WindowProperties(const WindowDesign& design);

struct ControlDesign {
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
};

// Name to Enabled: place, locks, tab panel 0, no help tag, enabled.
rb::PropertyList ControlProperties(const std::string& name, const ControlDesign& design);

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
