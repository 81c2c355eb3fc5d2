#include "core/ScreenFit.h"
#include "core/ScreenScale.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

namespace {

// The main window: 1000 x 800 below a menu bar of 19.
constexpr QSizeF Board(1000, 819);
constexpr QSizeF Frame(16, 40);

struct ScreenCase {
    const char* screen;
    QSizeF available;
    double pixelRatio;
    double scale;
};

class ScreenFitScaleTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenFitScaleTest, ShrinksOnlyWhereTheWindowDoesNotFit)
{
    const ScreenCase& row = GetParam();
    EXPECT_DOUBLE_EQ(rb::ScreenFitScale({row.available, Board, Frame, row.pixelRatio}), row.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFitScaleTest,
    testing::Values(ScreenCase{"1600 x 1200", {1600, 1200}, 1.0, 1.0},
                    ScreenCase{"1920 x 1080", {1920, 1080}, 1.0, 1.0},
                    ScreenCase{"1280 x 1024", {1280, 1024}, 1.0, 1.0},
                    // 1000 x 819 and its frame just fit
                    ScreenCase{"1016 x 859", {1016, 859}, 1.0, 1.0},
                    ScreenCase{"1016 x 858", {1016, 858}, 1.0, 0.975},
                    ScreenCase{"1366 x 768", {1366, 768}, 1.0, 0.875},
                    ScreenCase{"1280 x 800", {1280, 800}, 1.0, 0.925},
                    ScreenCase{"1280 x 720", {1280, 720}, 1.0, 0.825},
                    ScreenCase{"1024 x 600", {1024, 600}, 1.0, 0.675},
                    ScreenCase{"1366 x 768 less a panel of 32", {1366, 736}, 1.0, 0.825},
                    // narrow: the width decides
                    ScreenCase{"900 x 1200", {900, 1200}, 1.0, 0.875},
                    // a desktop at 200 %: the frame is in device pixels
                    ScreenCase{"2732 x 1536 at 200 %", {1366, 768}, 2.0, 0.9125},
                    ScreenCase{"1600 x 1200 at 200 %", {800, 600}, 2.0, 0.7},
                    ScreenCase{"3200 x 2400 at 200 %", {1600, 1200}, 2.0, 1.0},
                    ScreenCase{"1366 x 768 at 150 %", {910.667, 512}, 1.5, 0.875 / 1.5},
                    ScreenCase{"320 x 240", {320, 240}, 1.0, 0.25},
                    ScreenCase{"smaller than the frame", {10, 10}, 1.0, 0.25},
                    ScreenCase{"no size", {0, 0}, 1.0, 1.0},
                    ScreenCase{"no pixel ratio", {1366, 768}, 0.0, 1.0}),
    [](const testing::TestParamInfo<ScreenCase>& info) {
        std::string name;
        for (const char* c = info.param.screen; *c != '\0'; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

// Every device pixel ratio chosen is whole fortieths, so that the board's
// 1000 x 800 lands on whole device pixels.
TEST(ScreenFitScale, RatioIsWholeFortieths)
{
    for (int height = 500; height < 900; ++height) {
        SCOPED_TRACE(height);
        const double ratio = 1.5 * rb::ScreenFitScale({QSizeF(1500, height), Board, Frame, 1.5});
        EXPECT_NEAR(ratio * 40.0, std::round(ratio * 40.0), 1e-9);
        EXPECT_LE(ratio * (Board.height()) + Frame.height(), 1.5 * height + 1e-9);
    }
}

// The offscreen platform's screen is smaller than 1000 x 800: such a window
// does not fit and the program is scaled, its font too; 500 x 300 fits.
class FitToScreenTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "nubrello-test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
    }

    void TearDown() override { rb::ScreenScale::Set(1.0); }
};

TEST_F(FitToScreenTest, ScalesDownAWindowThatDoesNotFit)
{
    const double designFont = QApplication::font().pointSizeF();
    rb::FitToScreen({1000, 800});
    const double factor = rb::ScreenScale::Factor();
    EXPECT_LT(factor, 1.0);
    EXPECT_NEAR(factor * 40.0, std::round(factor * 40.0), 1e-9);
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(rb::ScreenScale::Length(800), available.height() - 40);
    EXPECT_LE(rb::ScreenScale::Length(1000), available.width() - 16);
    EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), designFont * factor);
    rb::ScreenScale::Set(1.0);
    EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), designFont);
}

TEST_F(FitToScreenTest, LeavesAWindowThatFits)
{
    for (const rb::LargestWindow window : {rb::LargestWindow{500, 300}, rb::LargestWindow{}}) {
        rb::FitToScreen(window);
        EXPECT_DOUBLE_EQ(rb::ScreenScale::Factor(), 1.0);
    }
}

} // namespace
