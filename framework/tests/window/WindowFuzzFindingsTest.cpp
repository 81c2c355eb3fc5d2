// Faults that the fuzz targets of fuzz/ found in the windows, each replayed
// from the input that showed it.
#include "WindowFixture.h"

#include "rb/PropertyList.h"
#include "rb/RectControl.h"
#include "rb/StaticText.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

class WindowFuzzFindingsTest : public WindowFixture {};

// PropertyList's input 07 "Width " 80 20 20 00 "Width " 00 20 22 00: a window
// made narrower than nothing and then wide again; the resize's difference
// overflowed.
TEST_F(WindowFuzzFindingsTest, WindowSizesStayWithinWhatAWindowCanHave)
{
    struct Row {
        const char* what;
        std::int32_t first;
        std::int32_t second;
        std::int32_t kept;
    };
    const Row rows[] = {
        {"the fuzz input", -2145378304, 2105856, 2105856},
        {"below nothing", 120, -5, 0},
        {"the least Integer", kLeast, 0, 0},
        {"the greatest Integer", 0, kMost, 16777215},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto window = TestWindow::Build();
        rb::SetProperties(window, rb::PropertyList().Integer("Width", row.first).Integer("Width", row.second).Bytes());
        rb::SetProperties(window, rb::PropertyList().Integer("Height", row.first).Integer("Height", row.second).Bytes());
        EXPECT_EQ(window->Width(), row.kept);
        EXPECT_EQ(window->Height(), row.kept);
        window->Close();
        ProcessEvents();
    }
}

// PropertyList's input 00 "LockLeft " 01 "LockRight " 01 "Width " 7F FF FF FF,
// then the window at no width and at the largest, as the target does: the
// control's width, which follows the window's, overflowed.
TEST_F(WindowFuzzFindingsTest, LockedControlsFollowTheWindowWithinWhatQtCanPlace)
{
    const std::string list =
        rb::PropertyList().Boolean("LockLeft", true).Boolean("LockRight", true).Integer("Width", kMost).Bytes();
    const auto window = TestWindow::Build([&](TestWindow& w) { w.Add<rb::StaticText>("StaticText1", list); });
    const auto label = rb::RuntimeWindowControlByName(window, "StaticText1").Cast<rb::RectControl>();
    EXPECT_EQ(label->Width(), 16777215);
    window->Width(0);
    EXPECT_EQ(label->Width(), 16777115);
    window->Width(16777215);
    EXPECT_EQ(label->Width(), 16777215);
    window->Width(100);
    EXPECT_EQ(label->Width(), 100);
}

TEST_F(WindowFuzzFindingsTest, ControlPlacesStayWhereQtCanPlaceAWidget)
{
    const auto window = TestWindow::Build([](TestWindow& w) { w.Add<rb::StaticText>("StaticText1"); });
    const auto label = rb::RuntimeWindowControlByName(window, "StaticText1").Cast<rb::RectControl>();
    rb::SetProperties(label, rb::PropertyList()
                                 .Integer("Left", kLeast)
                                 .Integer("Top", kMost)
                                 .Integer("Width", -1)
                                 .Integer("Height", kMost)
                                 .Bytes());
    EXPECT_EQ(label->Left(), -16777215);
    EXPECT_EQ(label->Top(), 16777215);
    EXPECT_EQ(label->Width(), 0);
    EXPECT_EQ(label->Height(), 16777215);
}

} // namespace
