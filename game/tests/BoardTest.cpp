#include "BoardPaint.h"
#include "GameFixture.h"

#include "Module1.h"
#include "PictureItems.h"
#include "Window1.h"

#include "rb/Window.h"

namespace {

using Board = GameFixture;

const PixelBox Whole{0, 0, 1000, 800};
const PixelBox SignBand{0, 0, 1000, 300};
const PixelBox BasketBand{0, 300, 1000, 800};

rb::Ref<rb::Picture> Blank()
{
    return rb::New<rb::Picture>(1000, 800, 32);
}

rb::Ref<food> ServedAt(const rb::Ref<rb::Picture>& picture, std::int32_t left, std::int32_t top)
{
    auto item = rb::New<food>();
    item->p = picture;
    item->left = left;
    item->top = top;
    item->width = picture->Width();
    item->height = picture->Height();
    return item;
}

TEST_F(Board, WithNoItemShowsTheSignAndTheBasketCentred)
{
    StartGame();
    const auto board = PaintBoard();
    EXPECT_EQ(Differences(board, Blank(), SignBand), OpaqueBox(scoresign()).Moved(400, 55));
    EXPECT_EQ(Differences(board, Blank(), BasketBand), OpaqueBox(basket()).Moved(380, 525));
}

TEST_F(Board, ANilGraphicsDrawsNothing)
{
    StartGame();
    EXPECT_NO_THROW(Window1::Instance()->Canvas1_Paint(nullptr));
}

TEST_F(Board, TheServedItemIsDrawnWhereItStands)
{
    StartGame();
    const auto window = Window1::Instance();
    const auto before = PaintBoard();
    window->pix = ServedAt(apple(), 60, 320);
    const auto after = PaintBoard();
    EXPECT_EQ(Differences(after, before, Whole), OpaqueBox(apple()).Moved(60, 320));
    window->pix = nullptr;
}

TEST_F(Board, TheBasketHidesTheItemStandingInIt)
{
    StartGame();
    const auto window = Window1::Instance();
    const auto empty = PaintBoard();
    window->pix = ServedAt(basket(), 380, 525);
    window->pix->p = rb::New<rb::Picture>(240, 190, 32); // opaque and plain: shows wherever the basket does not
    const auto served = PaintBoard();
    const PixelBox basketBox = OpaqueBox(basket()).Moved(380, 525);
    // Where the basket is opaque the board is the same with or without the item.
    const auto g = served->Graphics();
    const auto e = empty->Graphics();
    const auto mask = basket()->Mask(true)->Graphics();
    for (std::int32_t y = basketBox.top; y < basketBox.bottom; ++y)
        for (std::int32_t x = basketBox.left; x < basketBox.right; ++x) {
            if (mask->Pixel(x - 380, y - 525) == rb::Color{0, 0, 0}) {
                ASSERT_EQ(g->Pixel(x, y), e->Pixel(x, y)) << x << ", " << y;
            }
        }
    window->pix = nullptr;
}

TEST_F(Board, TheShadowLiesOverTheBasketFrom560)
{
    StartGame();
    const PixelBox shade = ShadowDifferences();
    ASSERT_FALSE(shade.Empty());
    EXPECT_GE(shade.top, 560);
    EXPECT_GE(shade.left, 380);
    EXPECT_LE(shade.right, 380 + shadow()->Width());
    EXPECT_LE(shade.bottom, 560 + shadow()->Height());
}

TEST_F(Board, NewGameResetsTheScoreAndCountButKeepsTheItemAndTheChosenNumber)
{
    StartGame();
    const auto window = Window1::Instance();
    window->StaticText1()->Text("7");
    window->c = 4;
    window->howmany = 9;
    const auto served = ServedAt(apple(), 400, 530);
    window->pix = served;
    window->waiting = true;
    window->inbasket = true;
    const auto oldDeck = Module1::s;

    EXPECT_TRUE(window->FileNew_Action());

    EXPECT_EQ(window->StaticText1()->Text(), "0");
    EXPECT_EQ(window->c, 0);
    EXPECT_EQ(window->howmany, 9);
    EXPECT_EQ(window->pix, served);
    EXPECT_TRUE(window->waiting);
    EXPECT_TRUE(window->inbasket);
    EXPECT_NE(Module1::s, oldDeck);
    EXPECT_EQ(Module1::s->Ubound(), 41); // 45 keys less the three samples
    EXPECT_FALSE(rb::GetImplicitWindow("firstwindow.firstwindow").IsNil());
    window->pix = nullptr;
    window->waiting = false;
    window->inbasket = false;
}

} // namespace
