#include "Startup.h"

#include "App.h"
#include "MenuBar1.h"
#include "Module1.h"
#include "PluginEntrypoints.h"
#include "SoundItems.h"
#include "Window1.h"

#include "rb/EventDelivery.h"
#include "rb/Runtime.h"

namespace {

void NewAppInstance()
{
    rb::Ref<App> app = rb::New<App>();
    app->MenuBar(MenuBar1::Instance());
    rb::RuntimeRegisterAppObject(app);
}

void MakeDefaultView()
{
    Window1::Instance();
}

int Main()
{
    auto startup = rb::RuntimeCreateDelegate(std::function<void()>(Startup), "(  )");
    rb::RunFrameworkInitialization(startup);
    startup = nullptr;
    return rb::RuntimeRun();
}

} // namespace

void Startup()
{
    InitPluginEntrypoints();
    NewAppInstance();
    MakeDefaultView();
}

void Finalise()
{
    ReleaseSounds();
    MenuBar1::Exit();
    Module1::d = nullptr;
    Module1::s = nullptr;
}

int RunNubrello(int& argc, char** argv)
{
    rb::RuntimeInit(argc, argv, {Window1::DesignedWidth, Window1::DesignedHeight});
    const int exitCode = rb::DeliverEvent("Main", Main);
    Finalise();
    rb::RuntimeExit();
    return exitCode;
}
