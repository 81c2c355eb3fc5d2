// Faults that the fuzz targets of fuzz/ found in the windows, each replayed
// from the input that showed it.
#include "WindowFixture.h"

#include "rb/PropertyList.h"

#include <cstdint>
#include <limits>

namespace {

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
        {"the least Integer", std::numeric_limits<std::int32_t>::min(), 0, 0},
        {"the greatest Integer", 0, std::numeric_limits<std::int32_t>::max(), 16777215},
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

} // namespace
