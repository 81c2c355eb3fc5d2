// A program scaled down for a small screen: canvases and backdrops show
// their pictures smaller and smoothly, every line of them kept, while
// drawing, reading and dragging stay in design units.
#include "CanvasFixture.h"

#include "dnd/DragRunner.h"
#include "graphics/QtPicture.h"
#include "rb/DragItem.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>

namespace {

constexpr double Scale = 0.875;
constexpr int Spacing = 7; // lines one row or column further on than the scale drops

class ScaledCanvasTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        rb::testing::SetScreenScale(Scale);
        CanvasFixture::SetUp();
    }

    void TearDown() override
    {
        CanvasFixture::TearDown();
        rb::SetDragRunner({});
        rb::testing::SetScreenScale(1.0);
    }

    // White, with a black line of one unit on every seventh row and column.
    static rb::Ref<rb::Picture> Grid(int width, int height)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::white);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (x % Spacing == 3 || y % Spacing == 3)
                    image.setPixel(x, y, qRgb(0, 0, 0));
        return rb::PictureFromImage(image);
    }

    // Every line of the grid leaves a dark trace on the screen where it falls.
    static void ExpectEveryLineShows(const QImage& screen, int width, int height)
    {
        auto darkest = [&](int x0, int x1, int y0, int y1) {
            int least = 255;
            for (int y = std::max(0, y0); y <= std::min(screen.height() - 1, y1); ++y)
                for (int x = std::max(0, x0); x <= std::min(screen.width() - 1, x1); ++x)
                    least = std::min(least, qGray(screen.pixel(x, y)));
            return least;
        };
        const auto onScreen = [](int design) { return static_cast<int>(std::floor(design * Scale)); };
        for (int y = 3; y < height; y += Spacing) {
            SCOPED_TRACE(testing::Message() << "row " << y);
            EXPECT_LT(darkest(onScreen(1), onScreen(2), onScreen(y), onScreen(y + 1)), 160);
        }
        for (int x = 3; x < width; x += Spacing) {
            SCOPED_TRACE(testing::Message() << "column " << x);
            EXPECT_LT(darkest(onScreen(x), onScreen(x + 1), onScreen(1), onScreen(2)), 160);
        }
    }
};

TEST_F(ScaledCanvasTest, ACanvasShowsScaledWithEveryLineOfItsPictures)
{
    auto canvas = AddCanvas("Board", 0, 0, 200, 150);
    canvas->Backdrop(Grid(200, 150));
    Show();
    EXPECT_EQ(rb::WidgetOf(*canvas)->size(), QSize(175, 131));
    ExpectEveryLineShows(Screen(), 200, 150);
}

TEST_F(ScaledCanvasTest, PicturesDrawnThroughTheGraphicsShowWithEveryLine)
{
    auto canvas = AddCanvas("Board", 0, 0, 200, 150);
    Show();
    canvas->Graphics()->DrawPicture(Grid(200, 150), 0, 0);
    ProcessEvents();
    ExpectEveryLineShows(Screen(), 200, 150);
}

TEST_F(ScaledCanvasTest, AWindowBackdropShowsScaledWithEveryLine)
{
    window_->Backdrop(Grid(200, 150));
    Show();
    ExpectEveryLineShows(Screen(), 200, 150);
}

TEST_F(ScaledCanvasTest, GraphicsDrawsAndReadsInDesignUnits)
{
    auto canvas = AddCanvas("Board", 20, 10, 160, 120);
    Show();
    const auto graphics = canvas->Graphics();
    EXPECT_EQ(graphics->Width(), 160);
    EXPECT_EQ(graphics->Height(), 120);
    // A unit's edges fall within screen pixels; its middle reads true.
    graphics->DrawPicture(Filled(QColor(200, 30, 40), 6, 6), 100, 50);
    EXPECT_EQ(graphics->Pixel(101, 51), (rb::Color{200, 30, 40}));
    EXPECT_EQ(graphics->Pixel(104, 54), (rb::Color{200, 30, 40}));
    EXPECT_EQ(graphics->Pixel(108, 58), (rb::Color{255, 255, 255}));
    EXPECT_EQ(graphics->Pixel(97, 47), (rb::Color{255, 255, 255}));
}

TEST_F(ScaledCanvasTest, ADragShowsThePictureScaledHeldWhereItWasGrabbed)
{
    auto board = AddCanvas("Board", 0, 0, 200, 150);
    auto picture = Fading(Qt::blue, 40, 32);
    std::function<bool(std::int32_t, std::int32_t)> press = [&](std::int32_t x, std::int32_t y) {
        EXPECT_EQ(x, 58);
        EXPECT_EQ(y, 56);
        auto item = window_->NewDragItem(50, 40, 40, 32);
        item->Picture(picture);
        item->Drag();
        return true;
    };
    rb::InstallInstanceEventHandler(board, "MouseDown", rb::RuntimeCreateDelegate(press, "( Int32, Int32 ) as Boolean"));
    QImage carried;
    QSize shown;
    QPoint hotSpot;
    rb::SetDragRunner([&](QDrag& drag) {
        carried = qvariant_cast<QImage>(drag.mimeData()->imageData());
        shown = drag.pixmap().deviceIndependentSize().toSize();
        hotSpot = drag.hotSpot();
        return Qt::IgnoreAction;
    });
    Show();
    // The screen pixel (51, 49) shows the design point (58, 56).
    QWidget* widget = rb::WidgetOf(*board);
    const QPoint at(51, 49);
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    EXPECT_EQ(carried.size(), QSize(40, 32));
    EXPECT_EQ(shown, QSize(35, 28));
    EXPECT_EQ(hotSpot, QPoint(7, 14));
}

} // namespace
