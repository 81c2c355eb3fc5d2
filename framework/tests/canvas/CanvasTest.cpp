#include "CanvasFixture.h"

#include "rb/Color.h"
#include "rb/EventDelivery.h"
#include "rb/PropertyList.h"

#include <QPoint>

namespace {

using rb::Graphics;
using rb::Ref;

rb::Color ColorOf(QRgb pixel)
{
    return rb::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

class CanvasTest : public CanvasFixture {
protected:
    // The canvas's pixel and the screen's at that point of the canvas.
    void ExpectShows(const Ref<rb::Canvas>& canvas, QPoint at, QColor colour)
    {
        SCOPED_TRACE(testing::Message() << "at (" << at.x() << ", " << at.y() << ")");
        const rb::Color expected = rb::RGB(colour.red(), colour.green(), colour.blue());
        EXPECT_EQ(canvas->Graphics()->Pixel(at.x(), at.y()), expected) << "Pixel";
        EXPECT_EQ(ColorOf(Screen().pixel(at + QPoint(canvas->Left(), canvas->Top()))), expected) << "screen";
    }
};

TEST_F(CanvasTest, PaintDrawsOverTheBackdropAndPixelReadsWhatTheScreenShows)
{
    auto canvas = AddCanvas("Canvas1", 20, 30, 120, 80);
    canvas->Backdrop(Filled(Qt::blue, 100, 60));
    OnPaint(canvas, [](Ref<Graphics> g) { g->DrawPicture(Filled(Qt::red, 20, 20), 10, 10); });
    Show();

    ExpectShows(canvas, {10, 10}, Qt::red);
    ExpectShows(canvas, {29, 29}, Qt::red);
    ExpectShows(canvas, {30, 30}, Qt::blue);
    ExpectShows(canvas, {99, 59}, Qt::blue);
    EXPECT_EQ(canvas->Graphics()->Pixel(110, 70), rb::RGB(255, 255, 255)) << "nothing drawn reads white";
    EXPECT_EQ(canvas->Graphics()->Pixel(120, 0), rb::RGB(0, 0, 0)) << "outside the canvas reads black";
}

TEST_F(CanvasTest, PixelReadsPartlyClearDrawingAsItShowsOverTheWindow)
{
    rb::SetProperties(window_, rb::PropertyList().Boolean("HasBackColor", true).Color("BackColor", 0xFFFFFF).Bytes());
    auto canvas = AddCanvas("Canvas1", 0, 0, 60, 40);
    OnPaint(canvas, [](Ref<Graphics> g) { g->DrawPicture(Fading(QColor(200, 40, 10), 40, 20), 0, 0); });
    Show();
    const QImage screen = Screen();
    ASSERT_EQ(screen.pixel(0, 10), qRgb(200, 40, 10));
    for (int x = 0; x < 42; x += 3) {
        SCOPED_TRACE(x);
        const rb::Color read = canvas->Graphics()->Pixel(x, 10);
        const QRgb shown = screen.pixel(x, 10);
        EXPECT_NEAR(read.R, qRed(shown), 1);
        EXPECT_NEAR(read.G, qGreen(shown), 1);
        EXPECT_NEAR(read.B, qBlue(shown), 1);
    }
}

TEST_F(CanvasTest, MaskedCopyMadeAsTheGameMakesItShowsAsTheOriginalOverABackdrop)
{
    const auto backdrop = Filled(QColor(30, 200, 90), 60, 40);
    const auto original = Fading(QColor(200, 40, 10), 40, 20);
    auto copy = rb::New<rb::Picture>(original->Width(), original->Height(), 32);
    copy->Mask(true)->Graphics()->DrawPicture(original->Mask(true), 0, 0);
    copy->Graphics()->DrawPicture(original, 0, 0);

    auto left = AddCanvas("Original", 0, 0, 60, 40);
    auto right = AddCanvas("Copy", 100, 0, 60, 40);
    left->Backdrop(backdrop);
    right->Backdrop(backdrop);
    OnPaint(left, [&](Ref<Graphics> g) { g->DrawPicture(original, 10, 10); });
    OnPaint(right, [&](Ref<Graphics> g) { g->DrawPicture(copy, 10, 10); });
    Show();

    const QImage screen = Screen();
    EXPECT_EQ(screen.copy(0, 0, 60, 40), screen.copy(100, 0, 60, 40));
    for (int x = 0; x < 60; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(left->Graphics()->Pixel(x, 15), right->Graphics()->Pixel(x, 15));
    }
    EXPECT_EQ(left->Graphics()->Pixel(10, 15), rb::RGB(200, 40, 10)) << "the opaque edge shows the picture";
    EXPECT_EQ(left->Graphics()->Pixel(49, 15), rb::RGB(30, 200, 90)) << "the clear edge shows the backdrop";
    EXPECT_NE(left->Graphics()->Pixel(30, 15), rb::RGB(30, 200, 90)) << "between, the two mix";
}

TEST_F(CanvasTest, GraphicsDrawsAtOnceWithoutAPaint)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 120, 80);
    int paints = 0;
    OnPaint(canvas, [&](Ref<Graphics> g) {
        ++paints;
        g->DrawPicture(Filled(Qt::red, 120, 80), 0, 0);
    });
    Show();
    ASSERT_EQ(paints, 1);

    canvas->Graphics()->DrawPicture(Filled(Qt::green, 20, 20), 50, 10);
    EXPECT_EQ(canvas->Graphics()->Pixel(55, 15), rb::RGB(0, 255, 0)) << "before any event";
    ProcessEvents();
    EXPECT_EQ(paints, 1) << "showing what was drawn at once needs no paint";
    ExpectShows(canvas, {55, 15}, Qt::green);
    ExpectShows(canvas, {45, 15}, Qt::red);
}

TEST_F(CanvasTest, RefreshRepaintsOverWhatWasDrawnAtOnce)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 120, 80);
    OnPaint(canvas, [&](Ref<Graphics> g) { g->DrawPicture(Filled(Qt::red, 120, 80), 0, 0); });
    Show();
    canvas->Graphics()->DrawPicture(Filled(Qt::green, 20, 20), 50, 10);
    ProcessEvents();

    canvas->Refresh(true);
    ProcessEvents();
    ExpectShows(canvas, {55, 15}, Qt::red);
}

TEST_F(CanvasTest, RefreshRectRepaintsOnlyItsRectangle)
{
    auto canvas = AddCanvas("Canvas1", 10, 10, 120, 80);
    QColor colour = Qt::red;
    OnPaint(canvas, [&](Ref<Graphics> g) { g->DrawPicture(Filled(colour, 120, 80), 0, 0); });
    Show();

    colour = Qt::blue;
    canvas->RefreshRect(30, 20, 40, 10, true);
    ProcessEvents();
    const struct {
        QPoint at;
        QColor shows;
    } rows[] = {{{30, 20}, Qt::blue}, {{69, 29}, Qt::blue}, {{29, 20}, Qt::red},
                {{70, 25}, Qt::red},  {{50, 19}, Qt::red},  {{50, 30}, Qt::red}};
    for (const auto& row : rows)
        ExpectShows(canvas, row.at, row.shows);
}

TEST_F(CanvasTest, RefreshRectAroundWhatIsDrawnAtOnceRepaintsTheWholeRectangle)
{
    // As the board serves an item: a strip asked for, the item drawn at once
    // inside it, then the paint draws the strip in its own order.
    auto canvas = AddCanvas("Canvas1", 0, 0, 120, 80);
    bool served = false;
    OnPaint(canvas, [&](Ref<Graphics> g) {
        g->DrawPicture(Filled(Qt::red, 120, 80), 0, 0);
        if (served)
            g->DrawPicture(Filled(Qt::blue, 10, 10), 55, 45);
        g->DrawPicture(Filled(Qt::yellow, 120, 10), 0, 50);
    });
    Show();

    served = true;
    canvas->RefreshRect(40, 30, 40, 50, true);
    canvas->Graphics()->DrawPicture(Filled(Qt::blue, 10, 10), 55, 45);
    EXPECT_EQ(canvas->Graphics()->Pixel(57, 52), rb::RGB(0, 0, 255));
    ProcessEvents();
    ExpectShows(canvas, {57, 47}, Qt::blue);
    ExpectShows(canvas, {57, 52}, Qt::yellow);
}

TEST_F(CanvasTest, BackdropChangeShowsAndNilBackdropShowsNone)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 60, 40);
    canvas->Backdrop(Filled(Qt::blue, 60, 40));
    Show();
    ExpectShows(canvas, {5, 5}, Qt::blue);

    canvas->Backdrop(Filled(Qt::green, 30, 40));
    ProcessEvents();
    ExpectShows(canvas, {5, 5}, Qt::green);
    EXPECT_EQ(canvas->Graphics()->Pixel(45, 5), rb::RGB(255, 255, 255));

    canvas->Backdrop(nullptr);
    ProcessEvents();
    EXPECT_EQ(canvas->Graphics()->Pixel(5, 5), rb::RGB(255, 255, 255));
}

// As the board: an opaque backdrop under the whole canvas, which a paint puts
// back only where something was drawn over it.
TEST_F(CanvasTest, OpaqueBackdropComesBackWhereverDrawingWasAndItsChangesShow)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 120, 80);
    const auto backdrop = Filled(Qt::blue, 120, 80);
    canvas->Backdrop(backdrop);
    int left = 10;
    OnPaint(canvas, [&](Ref<Graphics> g) { g->DrawPicture(Filled(Qt::red, 20, 20), left, 10); });
    Show();
    ExpectShows(canvas, {15, 15}, Qt::red);
    canvas->Graphics()->DrawPicture(Filled(Qt::green, 10, 10), 60, 50);
    ProcessEvents();
    ExpectShows(canvas, {65, 55}, Qt::green);

    left = 40;
    canvas->Refresh(true);
    ProcessEvents();
    ExpectShows(canvas, {15, 15}, Qt::blue);
    ExpectShows(canvas, {45, 15}, Qt::red);
    ExpectShows(canvas, {65, 55}, Qt::blue);

    left = 90;
    canvas->RefreshRect(0, 0, 70, 80, true);
    ProcessEvents();
    ExpectShows(canvas, {45, 15}, Qt::blue);
    ExpectShows(canvas, {95, 15}, Qt::blue); // outside the rectangle asked for

    backdrop->Graphics()->DrawPicture(Filled(Qt::yellow, 10, 10), 0, 70);
    canvas->Refresh(true);
    ProcessEvents();
    ExpectShows(canvas, {5, 75}, Qt::yellow);
    ExpectShows(canvas, {95, 15}, Qt::red);

    canvas->Backdrop(Filled(Qt::green, 120, 80));
    ProcessEvents();
    ExpectShows(canvas, {5, 75}, Qt::green);
    ExpectShows(canvas, {110, 70}, Qt::green);
}

TEST_F(CanvasTest, WindowBackdropShowsUnderTheCanvas)
{
    window_->Backdrop(Filled(Qt::magenta, 200, 150));
    auto canvas = AddCanvas("Canvas1", 20, 20, 60, 40);
    OnPaint(canvas, [](Ref<Graphics> g) { g->DrawPicture(Fading(Qt::blue, 20, 40), 0, 0); });
    Show();

    const QImage screen = Screen();
    EXPECT_EQ(screen.pixel(5, 5), qRgb(255, 0, 255)) << "beside the canvas";
    EXPECT_EQ(screen.pixel(50, 30), qRgb(255, 0, 255)) << "where the canvas drew nothing";
    EXPECT_EQ(screen.pixel(20, 30), qRgb(0, 0, 255));
    const QRgb mixed = screen.pixel(30, 30);
    EXPECT_GT(qRed(mixed), 0);
    EXPECT_LT(qRed(mixed), 255);
}

TEST_F(CanvasTest, PaintDrawsOnlyWithinItsRegionAndNilPictureDrawsNothing)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 120, 80);
    QColor colour = Qt::red;
    OnPaint(canvas, [&](Ref<Graphics> g) {
        g->DrawPicture(nullptr, 0, 0);
        g->DrawPicture(Filled(colour, 120, 80), 0, 0);
    });
    Show();
    colour = Qt::blue;
    canvas->RefreshRect(0, 0, 10, 10, true);
    ProcessEvents();
    EXPECT_EQ(canvas->Graphics()->Pixel(10, 10), rb::RGB(255, 0, 0)) << "the paint drew outside its rectangle";
    EXPECT_EQ(canvas->Graphics()->Pixel(9, 9), rb::RGB(0, 0, 255));
}

TEST_F(CanvasTest, ResizedCanvasPaintsItsNewSize)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 60, 40);
    OnPaint(canvas, [](Ref<Graphics> g) { g->DrawPicture(Filled(Qt::red, g->Width(), g->Height()), 0, 0); });
    Show();
    canvas->Width(100);
    ProcessEvents();
    EXPECT_EQ(canvas->Graphics()->Width(), 100);
    ExpectShows(canvas, {90, 20}, Qt::red);
}

TEST_F(CanvasTest, CanvasWithoutAreaDrawsNothingAndQuietly)
{
    // As the board's served item: a canvas by type, never given a size.
    auto empty = AddCanvas("Canvas1", 0, 0, 0, 0);
    auto unmade = window_->NewControl<rb::Canvas>();
    Show();
    testing::internal::CaptureStderr();
    for (const auto& canvas : {empty, unmade}) {
        canvas->Graphics()->DrawPicture(Filled(Qt::red, 4, 4), 0, 0);
        EXPECT_EQ(canvas->Graphics()->Pixel(0, 0), rb::RGB(0, 0, 0));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(CanvasTest, PaintHandlerThatThrowsLeavesTheCanvasWorking)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 60, 40);
    bool fail = true;
    OnPaint(canvas, [&](Ref<Graphics> g) {
        g->DrawPicture(Filled(Qt::red, 60, 40), 0, 0);
        if (fail)
            throw rb::NilObjectException();
    });
    testing::internal::CaptureStderr();
    Show();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Canvas1.Paint"), std::string::npos) << said;
    fail = false;
    canvas->Refresh(true);
    ProcessEvents();
    ExpectShows(canvas, {5, 5}, Qt::red);
}

} // namespace
