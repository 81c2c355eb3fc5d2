#include "rb/Runtime.h"

#include "rb/Application.h"
#include "rb/EventDelivery.h"
#include "rb/testing/TestBundle.h"
#include "core/ExitGuard.h"
#include "core/ScreenFit.h"
#include "graphics/PicturePrefetch.h"
#include "plugin/PluginLoader.h"
#include "window/WindowRegistry.h"

#include <QApplication>
#include <QWidget>

#include <memory>
#include <vector>

namespace rb {
namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> qtApplication;
    bool opened = false;
    std::vector<std::function<void()>> whenOpen;
};

RuntimeState& State()
{
    static RuntimeState state;
    return state;
}

void OpenApplication()
{
    if (auto application = GetAppObject())
        DeliverEvent("App.Open", [&] { application->Event_Open(); });
    State().opened = true;
    for (auto& work : std::exchange(State().whenOpen, {}))
        work();
}

bool AnyWindow()
{
    return !QApplication::topLevelWidgets().isEmpty();
}

} // namespace

void RuntimeInit(int& argc, char** argv, LargestWindow largest)
{
    // Menu bars stay in their windows: a desktop's global menu is reached over
    // the session bus, whose first call can block the start for good.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    if (QApplication::instance() == nullptr) {
        State().qtApplication = std::make_unique<QApplication>(argc, argv);
        FitToScreen(largest);
    }
}

void RunFrameworkInitialization(const Ref<Delegate>& startup)
{
    ExitGuard::Arm();
    // The bundle's pictures decode meanwhile; the game opens them at its start.
    if (ExecutableFile())
        PicturePrefetch::Start(GetApplicationBundleResources()->Path());
    InitializePlugins();
    startup->Function<void>()();
}

int RuntimeRun()
{
    OpenApplication();
    if (!AnyWindow())
        return 0;
    return QApplication::exec();
}

void RuntimeExit()
{
    ExitGuard::Disarm();
    PicturePrefetch::Stop();
    windows::EndAll();
    State() = RuntimeState{};
    RuntimeRegisterAppObject(nullptr);
}

void RuntimeWhenOpen(std::function<void()> work)
{
    if (State().opened)
        work();
    else
        State().whenOpen.push_back(std::move(work));
}

void Quit(int exitCode)
{
    if (windows::CloseAllForQuit())
        QCoreApplication::exit(exitCode);
}

} // namespace rb

namespace rb::testing {

void OpenApplication()
{
    rb::OpenApplication();
}

} // namespace rb::testing
