// Its own program: the framework loads the plug-ins once per process, and here
// the bundle has none.
#include "GameFixture.h"

#include "Module1.h"

#include <filesystem>

namespace {

using NoPlugin = GameFixture;

TEST_F(NoPlugin, StartUpSaysOnceThatTheFontIsNotActivatedAndGoesOn)
{
    std::filesystem::remove(Resources().parent_path() / "Plugins");
    testing::internal::CaptureStderr();
    StartGame();
    const std::string said = testing::internal::GetCapturedStderr();
    const std::string line = "Nubrello: the font plug-in is not loaded; the font is not activated\n";
    ASSERT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find(line, said.find(line) + 1), std::string::npos) << said;
    EXPECT_EQ(Module1::s->Ubound(), 41);
}

} // namespace
