#include "Startup.h"

#include "rb/EventDelivery.h"
#include "rb/Runtime.h"

namespace {

int Main()
{
    auto startup = rb::RuntimeCreateDelegate(std::function<void()>(Startup), "(  )");
    rb::RunFrameworkInitialization(startup);
    startup = nullptr;
    return rb::RuntimeRun();
}

} // namespace

void Startup() {}

int RunNubrello(int& argc, char** argv)
{
    rb::RuntimeInit(argc, argv);
    const int exitCode = rb::DeliverEvent("Main", Main);
    rb::RuntimeExit();
    return exitCode;
}
