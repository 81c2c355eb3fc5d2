#include "Designs.h"

namespace {

// Name to Enabled: place, locks, tab panel 0, no help tag, enabled.
rb::PropertyList Placed(const std::string& name, const Place& place)
{
    rb::PropertyList list;
    list.String("Name", name)
        .Integer("Index", place.index)
        .Integer("Left", place.left)
        .Integer("Top", place.top)
        .Integer("Width", place.width)
        .Integer("Height", place.height)
        .Boolean("LockLeft", place.lockLeft)
        .Boolean("LockTop", place.lockTop)
        .Boolean("LockRight", place.lockRight)
        .Boolean("LockBottom", place.lockBottom)
        .Integer("TabPanelIndex", 0);
    if (place.tabIndex)
        list.Integer("TabIndex", *place.tabIndex);
    list.Boolean("Visible", place.visible)
        .String("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true);
    return list;
}

rb::PropertyList& Font(rb::PropertyList& list, const std::string& font, bool bold)
{
    return list.String("TextFont", font).Boolean("Bold", bold).Boolean("Italic", false).Boolean("Underline", false);
}

rb::PropertyList& Unbound(rb::PropertyList& list)
{
    return list.String("DataSource", "").String("DataField", "");
}

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
        .Boolean("HasBackColor", design.hasBackColor)
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

} // namespace

void DesignWindow(rb::Window& window, const WindowDesign& design)
{
    rb::SetProperties(rb::Ref<rb::Window>(&window), WindowProperties(design).Bytes());
}

rb::PropertyList CanvasDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Boolean("TabStop", true)
        .Boolean("UseFocusRing", useFocusRing)
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", eraseBackground)
        .String("InitialParent", place.parent);
    return list;
}

rb::PropertyList LabelDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    if (tabStop)
        list.Boolean("TabStop", true);
    list.String("Text", text);
    Font(list, font, bold).Integer("TextAlign", textAlign).Color("TextColor", 0x000000).Boolean("Multiline", multiline);
    Unbound(list).String("InitialParent", place.parent);
    return list;
}

rb::PropertyList ButtonDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Boolean("TabStop", true).String("Caption", caption);
    Font(list, "System", false)
        .Boolean("Default", isDefault)
        .Boolean("Cancel", isCancel)
        .String("InitialParent", place.parent);
    return list;
}

rb::PropertyList CheckBoxDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Boolean("TabStop", true).String("Caption", caption);
    Font(list, "System", false).Boolean("Value", false).Integer("State", 0);
    Unbound(list).String("InitialParent", place.parent);
    return list;
}

rb::PropertyList GroupBoxDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.String("Caption", caption);
    Font(list, "System", false).String("InitialParent", place.parent);
    return list;
}

rb::PropertyList TextFieldDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Boolean("TabStop", true).String("Text", "");
    Font(list, "System", false)
        .Boolean("Border", true)
        .Integer("Alignment", 0)
        .Integer("LimitText", 0)
        .Boolean("Password", false)
        .Boolean("ReadOnly", false)
        .Boolean("AcceptTabs", false)
        .Boolean("UseFocusRing", true)
        .Color("TextColor", 0x000000)
        .Color("BackColor", 0xFFFFFF)
        .String("Format", "")
        .String("Mask", "")
        .String("CueText", "");
    Unbound(list).String("InitialParent", place.parent);
    return list;
}

rb::PropertyList TextAreaDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Boolean("TabStop", true).String("Text", "");
    Font(list, font, false)
        .Integer("Alignment", alignment)
        .Color("TextColor", 0x000000)
        .Color("BackColor", 0xFFFFFF)
        .Boolean("Multiline", false)
        .Boolean("Border", true)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollbarVertical", false)
        .Boolean("Styled", true)
        .Boolean("UseFocusRing", true)
        .String("Format", "")
        .String("Mask", "")
        .Boolean("HideSelection", true)
        .Boolean("ReadOnly", false)
        .Integer("LimitText", limitText)
        .Boolean("AcceptTabs", false);
    Unbound(list).String("InitialParent", place.parent);
    return list;
}

rb::PropertyList RectangleDesign::Properties(const std::string& name) const
{
    auto list = Placed(name, place);
    list.Color("FillColor", 0xFFFFFF)
        .Integer("BorderWidth", 1)
        .Color("TopLeftColor", 0x000000)
        .Color("BottomRightColor", 0x000000)
        .String("InitialParent", place.parent);
    return list;
}
