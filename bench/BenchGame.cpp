#include "BenchGame.h"

#include "Class1.h"
#include "Module1.h"
#include "PreferencesFile.h"
#include "Startup.h"

#include "rb/Runtime.h"
#include "rb/Window.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/TestBundle.h"

#include <QApplication>
#include <QBackingStore>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace BenchGame {
namespace {

// The basket area's middle, where a release serves.
constexpr std::int32_t BasketX = 500;
constexpr std::int32_t BasketY = 640;

} // namespace

void PrepareEnvironment()
{
    static QTemporaryDir home;
    if (!home.isValid())
        throw std::runtime_error("no temporary folder for the benchmark's home");
    const QByteArray path = home.path().toUtf8();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path);
    qputenv("XDG_DATA_HOME", path);
    const auto prefs = rb::New<rb::FolderItem>(std::filesystem::path(path.toStdString()) / PreferencesFile::Name);
    if (!PreferencesFile::Create(*prefs, {.ratio = 0.5, .preferred = true, .quiet = true}))
        throw std::runtime_error("cannot write the benchmark's preferences file");
}

void Start()
{
    static int argc = 1;
    static char name[] = "nubrello-bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the framework's end leaves an application it did not make.
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
    rb::RuntimeInit(argc, argv);
    rb::testing::OverrideExecutableFile(std::filesystem::path(RB_BUNDLE_DIR) / "bin" / "Nubrello");
    rb::RunFrameworkInitialization(rb::RuntimeCreateDelegate(std::function<void()>(Startup), "(  )"));
    rb::testing::OpenApplication();
    ProcessEvents();
    // The welcome sheet answered, as its OK does.
    Window1::Instance()->howmany = 42;
    rb::GetImplicitWindow("firstwindow.firstwindow")->Close();
    ProcessEvents();
}

void Finish()
{
    Finalise();
    rb::RuntimeExit();
    ProcessEvents();
}

void ProcessEvents()
{
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

rb::Ref<Window1> Reset()
{
    auto window = Window1::Instance();
    window->pix = nullptr;
    window->waiting = false;
    window->inbasket = false;
    window->c = 0;
    window->howmany = 42;
    if (Module1::s->Ubound() < 0)
        Module1::dodict();
    ProcessEvents();
    return window;
}

namespace {

rb::Ref<Window1> ServeNext(rb::Ref<Window1> window)
{
    window->Canvas1_MouseUp(BasketX, BasketY);
    if (window->pix.IsNil())
        throw std::runtime_error("a release over the basket served nothing");
    return window;
}

} // namespace

rb::Ref<Window1> Serve()
{
    return ServeNext(Reset());
}

rb::Ref<Window1> ServeFood(const std::string& key)
{
    auto window = Reset();
    Module1::s = rb::CreateArray(0);
    Module1::s->Element(0, key);
    return ServeNext(window);
}

QWidget* BoardWidget()
{
    return rb::WidgetOf(*Window1::Instance()->Canvas1());
}

QImage::Format WindowImageFormat()
{
    QPaintDevice* device = BoardWidget()->window()->backingStore()->paintDevice();
    if (device->devType() != QInternal::Image)
        throw std::runtime_error("the window paints into no image");
    return static_cast<QImage*>(device)->format();
}

std::filesystem::path Resources()
{
    return std::filesystem::path(RB_BUNDLE_DIR) / "Resources";
}

QWidget* BoxWidget(const std::string& group)
{
    const auto window = Window1::Instance();
    for (std::int32_t index = 0; index < 3; ++index) {
        const auto box = rb::RuntimeWindowControlByNameIndex(window, "wbox", index).Cast<Class1>();
        if (box->name == group)
            return rb::WidgetOf(*box);
    }
    throw std::runtime_error("no box of group " + group);
}

} // namespace BenchGame
