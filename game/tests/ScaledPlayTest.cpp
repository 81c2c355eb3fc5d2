// The game on a screen too small for it: the whole program is scaled down,
// and the game still sees every point in its own design units.
#include "PlayDriver.h"
#include "PlayFixture.h"

#include "rb/Graphics.h"
#include "rb/StaticText.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QLabel>
#include <QWidget>

#include <string>

namespace {

constexpr double Scale = 0.875;

class ScaledPlay : public PlayFixture {
protected:
    void SetUp() override
    {
        rb::testing::SetScreenScale(Scale);
        PlayFixture::SetUp();
    }

    void TearDown() override
    {
        PlayFixture::TearDown();
        rb::testing::SetScreenScale(1.0);
    }
};

TEST_F(ScaledPlay, TheWindowItsTextAndItsControlsShowScaled)
{
    StartGame();
    EXPECT_EQ(rb::WidgetOf(*Main())->size(), QSize(875, 700));
    EXPECT_EQ(rb::WidgetOf(*Main()->Canvas1())->size(), QSize(875, 700));
    EXPECT_EQ(rb::WidgetOf(*Main()->StaticText1())->font().pixelSize(), 63);
    // Side by side in the design, side by side on the screen.
    const QRect box = rb::WidgetOf(*Box(1))->geometry();
    EXPECT_EQ(box.width(), 263);
    EXPECT_EQ(Main()->Canvas1()->Width(), 1000);
    EXPECT_EQ(Main()->Canvas1()->Graphics()->Width(), 1000);
}

// The board's pixels, read through its graphics, are those of the design
// point: a patch drawn there reads back, the board around it does not.
TEST_F(ScaledPlay, TheBoardIsReadInDesignUnits)
{
    StartGame();
    const auto board = Main()->Canvas1()->Graphics();
    const rb::Color before = board->Pixel(306, 706);
    board->DrawPicture(play::SolidPicture(4, 4, QColor(10, 200, 30)), 298, 698);
    EXPECT_EQ(board->Pixel(299, 699), (rb::Color{10, 200, 30}));
    EXPECT_EQ(board->Pixel(300, 700), (rb::Color{10, 200, 30}));
    EXPECT_EQ(board->Pixel(306, 706), before);
}

} // namespace
