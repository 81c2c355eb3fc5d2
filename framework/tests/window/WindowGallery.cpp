// A window with one control of each kind and a menu bar, to look at under a
// real X server. With "--grab <file.png>" it saves what the window shows and
// quits instead of running until closed.
#include "../GalleryRun.h"

#include "rb/Canvas.h"
#include "rb/CheckBox.h"
#include "rb/FolderItem.h"
#include "rb/Graphics.h"
#include "rb/GroupBox.h"
#include "rb/MenuBar.h"
#include "rb/Picture.h"
#include "rb/PropertyList.h"
#include "rb/PushButton.h"
#include "rb/QuitMenuItem.h"
#include "rb/Rectangle.h"
#include "rb/StaticText.h"
#include "rb/TextArea.h"
#include "rb/TextField.h"
#include "rb/Window.h"

#include <string>

namespace {

rb::PropertyList Placed(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    rb::PropertyList list;
    list.Integer("Left", left).Integer("Top", top).Integer("Width", width).Integer("Height", height);
    return list;
}

rb::Ref<rb::MenuItem> Item(const std::string& name, const std::string& text, const std::string& shortcut,
                           rb::Ref<rb::MenuItem> item = rb::New<rb::MenuItem>())
{
    item->Name(name);
    item->Text(text);
    item->KeyboardShortcut(shortcut);
    return item;
}

rb::Ref<rb::MenuBar> GalleryMenuBar()
{
    auto bar = rb::New<rb::MenuBar>();
    bar->Append(Item("FileMenu", "&File", ""));
    bar->Append(Item("EditMenu", "&Edit", ""));
    bar->Child("FileMenu")->Append(Item("FileNew", "New Game", "Cmd+N"));
    bar->Child("FileMenu")->Append(Item("UntitledMenu1", "-", ""));
    bar->Child("FileMenu")->Append(Item("FileQuit", "&Quit", "Cmd+Q", rb::New<rb::QuitMenuItem>()));
    bar->Child("EditMenu")->Append(Item("EditPreferences", "Preferences...", ""));
    return bar;
}

class Gallery : public rb::Window {
public:
    Gallery() : Window("Gallery.Gallery") {}

protected:
    void Layout() override
    {
        MenuBar(GalleryMenuBar());
        rb::SetProperties(rb::Ref<Gallery>(this), rb::PropertyList()
                                                      .Integer("Width", 440)
                                                      .Integer("Height", 260)
                                                      .String("Title", "Window gallery")
                                                      .Boolean("HasBackColor", true)
                                                      .Color("BackColor", 0xF4F1E8)
                                                      .Bytes());
    }

    void CreateControls() override
    {
        auto canvas = Add<rb::Canvas>("Canvas1", Placed(10, 10, 120, 120));
        canvas->Backdrop(rb::New<rb::FolderItem>(std::string(RB_BUNDLE_DIR) + "/Resources/apple.png")->OpenAsPicture());

        auto label = Add<rb::StaticText>("StaticText1");
        label->TextSize(28);
        rb::SetProperties(label, Placed(140, 10, 290, 40)
                                     .String("Text", "Score: 7")
                                     .Boolean("Bold", true)
                                     .Color("TextColor", 0xB02020)
                                     .Integer("TextAlign", 1)
                                     .Bytes());
        rb::SetProperties(Add<rb::TextField>("TextField1"),
                          Placed(140, 60, 80, 24).String("Text", "70").Integer("Alignment", 3).Integer("LimitText", 3).Bytes());
        rb::SetProperties(Add<rb::TextArea>("TextArea1"),
                          Placed(230, 60, 200, 50).String("Text", "A text area\rof two lines").Bytes());
        rb::SetProperties(Add<rb::GroupBox>("GroupBox1"), Placed(140, 120, 150, 70).String("Caption", "Sound").Bytes());
        rb::SetProperties(Add<rb::CheckBox>("CheckBox1"), Placed(150, 150, 120, 24)
                                                              .String("Caption", "Music")
                                                              .Boolean("Value", true)
                                                              .String("InitialParent", "GroupBox1")
                                                              .Bytes());
        rb::SetProperties(Add<rb::Rectangle>("Rectangle1"), Placed(300, 120, 130, 70)
                                                                .Color("FillColor", 0xFFE070)
                                                                .Integer("BorderWidth", 3)
                                                                .Color("TopLeftColor", 0xC03030)
                                                                .Color("BottomRightColor", 0x3030C0)
                                                                .Bytes());
        rb::SetProperties(Add<rb::PushButton>("PushButton1"), Placed(350, 226, 80, 24)
                                                                  .String("Caption", "OK")
                                                                  .Boolean("Default", true)
                                                                  .Boolean("LockBottom", true)
                                                                  .Bytes());
        rb::SetProperties(Add<rb::PushButton>("PushButton2"), Placed(260, 226, 80, 24)
                                                                  .String("Caption", "Cancel")
                                                                  .Boolean("Cancel", true)
                                                                  .Boolean("LockBottom", true)
                                                                  .Bytes());
    }

private:
    template <class T>
    rb::Ref<T> Add(const std::string& name, const rb::PropertyList& properties = {})
    {
        auto control = NewControl<T>();
        control->Constructor();
        AddControl(name, control);
        if (!properties.Bytes().empty())
            rb::SetProperties(control, properties.Bytes());
        return control;
    }
};

} // namespace

int main(int argc, char** argv)
{
    return RunGallery(argc, argv, [] { return rb::Ref<rb::Window>(rb::New<Gallery>()); });
}
