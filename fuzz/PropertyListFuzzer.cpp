// SetProperties with any list against a new window or one of its controls,
// then the window at its smallest and largest. The first byte chooses the
// target, the rest is the list. A bad list throws UsageException; anything
// else is a finding.
#include "FuzzSupport.h"

#include "rb/CheckBox.h"
#include "rb/Exceptions.h"
#include "rb/GroupBox.h"
#include "rb/PropertyList.h"
#include "rb/PushButton.h"
#include "rb/Rectangle.h"
#include "rb/StaticText.h"
#include "rb/TextArea.h"
#include "rb/TextField.h"
#include "rb/Window.h"
#include "rb/testing/TestBundle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <string_view>

namespace {

class FuzzWindow : public rb::Window {
public:
    FuzzWindow() : rb::Window("FuzzWindow.FuzzWindow") {}

protected:
    void CreateControls() override
    {
        Add<rb::StaticText>("StaticText1");
        Add<rb::PushButton>("PushButton1");
        Add<rb::CheckBox>("CheckBox1");
        Add<rb::TextField>("TextField1");
        Add<rb::TextArea>("TextArea1");
        Add<rb::GroupBox>("GroupBox1");
        Add<rb::Rectangle>("Rectangle1");
    }

private:
    template <class T>
    void Add(const std::string& name)
    {
        auto control = NewControl<T>();
        control->Constructor();
        AddControl(name, control);
    }
};

rb::Ref<rb::Object> Target(const rb::Ref<FuzzWindow>& window, std::uint32_t choice)
{
    const auto& controls = window->Controls();
    const std::uint32_t at = choice % (controls.size() + 1);
    if (at == controls.size())
        return window;
    return controls[at];
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    rbfuzz::StartApplication();
    // Windows open as they are made, as after start-up.
    rb::testing::OpenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> input(data, size);
    const std::uint32_t choice = rbfuzz::Take(input, 1);
    const std::string_view list(reinterpret_cast<const char*>(input.data()), input.size());
    const auto window = rb::New<FuzzWindow>();
    window->Constructor();
    try {
        rb::SetProperties(Target(window, choice), list);
    } catch (const rb::UsageException&) {
        // the documented outcome for a bad list
    }
    // The window's smallest and largest sizes, which locked controls follow.
    for (const std::int32_t side : {0, QWIDGETSIZE_MAX, 100}) {
        window->Width(side);
        window->Height(side);
    }
    window->Close();
    // A closed window goes at the event loop's next turn, its widgets after it.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
