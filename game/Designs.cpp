#include "Designs.h"

rb::PropertyList WindowProperties(const WindowDesign& design)
{
    rb::PropertyList list;
    list.Integer("Placement", design.placement)
        .Integer("Width", design.width)
        .Integer("Height", design.height)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", design.frame)
        .Boolean("Composite", design.composite)
        .Boolean("HasBackColor", false)
        .Color("BackColor", 0xFFFFFF)
        .String("Title", design.title)
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", design.closeButton)
        .Boolean("Resizeable", design.resizeable)
        .Boolean("LiveResize", design.liveResize)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", design.minimizeButton)
        .Integer("MacProcID", 0);
    return list;
}

rb::PropertyList ControlProperties(const std::string& name, const ControlDesign& design)
{
    rb::PropertyList list;
    list.String("Name", name)
        .Integer("Index", design.index)
        .Integer("Left", design.left)
        .Integer("Top", design.top)
        .Integer("Width", design.width)
        .Integer("Height", design.height)
        .Boolean("LockLeft", design.lockLeft)
        .Boolean("LockTop", design.lockTop)
        .Boolean("LockRight", design.lockRight)
        .Boolean("LockBottom", design.lockBottom)
        .Integer("TabPanelIndex", 0);
    if (design.tabIndex)
        list.Integer("TabIndex", *design.tabIndex);
    list.Boolean("Visible", design.visible)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true);
    return list;
}
