// How the framework's run ends: through Quit and RuntimeExit, or by an exit()
// from inside the event loop, as Qt ends the process when its connection to
// the display breaks. Either way the process ends with the status given, the
// picture workers stopped, and no abort from what the program still holds.
#include "rb/Runtime.h"
#include "rb/Window.h"
#include "rb/testing/TestBundle.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

enum class Ending { QuitThenRuntimeExit, ExitInsideTheLoop, ExitDuringStartUp };

struct EndingCase {
    const char* what;
    Ending ending;
    int status;
};

// A run with a window up and the bundle's pictures decoding on the workers.
[[noreturn]] void RunAndEnd(const EndingCase& c)
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    rb::RuntimeInit(argc, argv);
    rb::testing::OverrideExecutableFile(std::filesystem::path(RB_BUNDLE_DIR) / "bin" / "Nubrello");
    const auto startup = [&c] {
        if (c.ending == Ending::ExitDuringStartUp)
            std::exit(c.status);
        rb::New<rb::Window>("Probe.Probe")->Constructor();
    };
    rb::RunFrameworkInitialization(rb::RuntimeCreateDelegate(std::function<void()>(startup), "(  )"));
    QTimer::singleShot(0, [&c] {
        if (c.ending == Ending::ExitInsideTheLoop)
            std::exit(c.status);
        rb::Quit(c.status);
    });
    const int status = rb::RuntimeRun();
    rb::RuntimeExit();
    std::exit(status);
}

void PrintTo(const EndingCase& c, std::ostream* out)
{
    *out << c.what;
}

class RuntimeEndDeathTest : public testing::TestWithParam<EndingCase> {};

TEST_P(RuntimeEndDeathTest, TheProcessEndsWithTheStatusGiven)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndEnd(GetParam()), testing::ExitedWithCode(GetParam().status), "");
}

INSTANTIATE_TEST_SUITE_P(Endings, RuntimeEndDeathTest,
                         testing::Values(EndingCase{"Quit", Ending::QuitThenRuntimeExit, 5},
                                         EndingCase{"ExitInsideTheLoop", Ending::ExitInsideTheLoop, 3},
                                         EndingCase{"ExitDuringStartUp", Ending::ExitDuringStartUp, 4}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
