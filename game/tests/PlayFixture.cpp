#include "PlayFixture.h"

#include "PlayDriver.h"
#include "SoundItems.h"

void PlayFixture::SetUp()
{
    GameFixture::SetUp();
    WritePreferences(0.0, true, false);
}

void PlayFixture::TearDown()
{
    play::CloseMessages();
    GameFixture::TearDown();
}

void PlayFixture::StartGame()
{
    InitSounds();
    GameFixture::StartGame();
}

rb::Ref<Window1> PlayFixture::Main()
{
    return Window1::Instance();
}

rb::Ref<rb::Window> PlayFixture::Live(const std::string& className)
{
    return rb::GetImplicitWindow(className + "." + className);
}

rb::Ref<firstwindow> PlayFixture::Sheet()
{
    return Live("firstwindow").Cast<firstwindow>();
}

rb::Ref<Class1> PlayFixture::Box(std::int32_t index)
{
    return rb::RuntimeWindowControlByNameIndex(Main(), "wbox", index).Cast<Class1>();
}

void PlayFixture::Answer(const std::string& count)
{
    play::Type(*Sheet()->TextArea1(), count);
    PressOk();
}

void PlayFixture::PressOk()
{
    ClickButton(Sheet(), "PushButton1");
}

void PlayFixture::ClickBoard(QPoint at)
{
    play::Click(*Main(), at);
    ProcessEvents();
}

void PlayFixture::ClickButton(const rb::Ref<rb::Window>& window, const std::string& name)
{
    play::Click(*ControlOf<rb::RectControl>(window, name));
    ProcessEvents();
}

void PlayFixture::ClearServedItem()
{
    Main()->pix = nullptr;
    Main()->waiting = false;
    Main()->inbasket = false;
}
