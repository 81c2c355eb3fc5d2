// Pictures on a screen of two device pixels a unit (this test runs with
// QT_SCALE_FACTOR=2): a file's rendering at twice its size, "name@2x.png",
// is what the screen shows, sharp, while the picture's size, pixels and mask
// stay those of "name.png", in design units.
#include "CanvasFixture.h"

#include "dnd/DragRunner.h"
#include "graphics/PicturePrefetch.h"
#include "graphics/QtPicture.h"
#include "rb/DragItem.h"
#include "rb/FolderItem.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <string>

namespace {

using rb::Picture;
using rb::Ref;

constexpr QRgb Red = qRgb(220, 20, 20);
constexpr QRgb Blue = qRgb(20, 20, 220);

class DoubledPictureTest : public CanvasFixture {
protected:
    void TearDown() override
    {
        CanvasFixture::TearDown();
        rb::SetDragRunner({});
        rb::PicturePrefetch::Stop();
    }

    std::string File(const char* name) const { return folder_.filePath(name).toStdString(); }

    // A red picture, clear on its right half; at twice the size, a red and
    // blue checker of device pixels that no rendering of the first could show.
    void WritePair(const char* name, const char* doubled, QSize doubledSize) const
    {
        QImage image(8, 6, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 4; ++x)
                image.setPixel(x, y, Red);
        image.save(folder_.filePath(name), "PNG");
        QImage twice(doubledSize, QImage::Format_ARGB32);
        twice.fill(Qt::transparent);
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width() / 2; ++x)
                twice.setPixel(x, y, (x + y) % 2 == 0 ? Red : Blue);
        twice.save(folder_.filePath(doubled), "PNG");
    }

    static void DrawsOnPaint(const Ref<rb::Canvas>& canvas, Ref<Picture> picture)
    {
        OnPaint(canvas, [picture](Ref<rb::Graphics> g) { g->DrawPicture(picture, 10, 5); });
    }

    Ref<Picture> Open(const char* name) const { return rb::FolderItem(File(name)).OpenAsPicture(); }

    // The canvas's device pixels as the screen shows them.
    static QImage Shown(const Ref<rb::Canvas>& canvas)
    {
        return rb::WidgetOf(*canvas)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static bool ShowsChecker(const QImage& shown, QPoint deviceTopLeft)
    {
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 8; ++x)
                if (shown.pixel(deviceTopLeft + QPoint(x, y)) != ((x + y) % 2 == 0 ? Red : Blue))
                    return false;
        return true;
    }

    QTemporaryDir folder_;
};

TEST_F(DoubledPictureTest, ThePictureKeepsItsDesignSizePixelsAndMask)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    WritePair("item.png", "item@2x.png", {16, 12});
    const auto picture = Open("item.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 8);
    EXPECT_EQ(picture->Height(), 6);
    EXPECT_EQ(picture->Graphics()->Pixel(1, 1), rb::RGB(220, 20, 20));
    const auto mask = picture->Mask(true);
    EXPECT_EQ(mask->Width(), 8);
    EXPECT_EQ(mask->Graphics()->Pixel(3, 5), rb::RGB(0, 0, 0));
    EXPECT_EQ(mask->Graphics()->Pixel(4, 0), rb::RGB(255, 255, 255));
}

TEST_F(DoubledPictureTest, ACanvasShowsTheDoubledRenderingAndReadsInDesignUnits)
{
    WritePair("item.png", "item@2x.png", {16, 12});
    auto canvas = AddCanvas("Board", 0, 0, 40, 30);
    DrawsOnPaint(canvas, Open("item.png"));
    Show();
    EXPECT_TRUE(ShowsChecker(Shown(canvas), {20, 10}));
    const auto board = canvas->Graphics();
    EXPECT_EQ(board->Width(), 40);
    EXPECT_EQ(board->Pixel(12, 7), rb::RGB(220, 20, 20));
    EXPECT_EQ(board->Pixel(15, 7), rb::RGB(255, 255, 255));
}

// Served as the game serves an item: a new picture given a copy of the
// picture's mask, then the picture drawn into it.
TEST_F(DoubledPictureTest, AMaskedCopyShowsAsSharpAsTheOriginal)
{
    WritePair("item.png", "item@2x.png", {16, 12});
    const auto original = Open("item.png");
    auto copy = rb::New<Picture>(original->Width(), original->Height(), 32);
    copy->Mask(true)->Graphics()->DrawPicture(original->Mask(true), 0, 0);
    copy->Graphics()->DrawPicture(original, 0, 0);
    EXPECT_EQ(copy->Graphics()->Pixel(5, 1), rb::RGB(255, 255, 255));
    auto canvas = AddCanvas("Board", 0, 0, 40, 30);
    canvas->Backdrop(Filled(Qt::white, 40, 30));
    DrawsOnPaint(canvas, copy);
    Show();
    const QImage shown = Shown(canvas);
    EXPECT_TRUE(ShowsChecker(shown, {20, 10}));
    EXPECT_EQ(shown.pixel(30, 15), qRgb(255, 255, 255)) << "the clear half shows the backdrop";
}

// A doubled file that is not twice the size, or not a picture, is left
// aside: the picture shows from its own file, made larger.
TEST_F(DoubledPictureTest, ADoubledFileOfAnotherSizeIsLeftAside)
{
    const QSize sizes[] = {{15, 12}, {8, 6}, {32, 24}};
    for (const QSize size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        WritePair("item.png", "item@2x.png", size);
        auto canvas = AddCanvas("Board", 0, 0, 40, 30);
        const auto picture = Open("item.png");
        ASSERT_TRUE(picture);
        DrawsOnPaint(canvas, picture);
        Show();
        const QImage shown = Shown(canvas);
        EXPECT_FALSE(ShowsChecker(shown, {20, 10}));
        EXPECT_EQ(shown.pixel(22, 12), Red);
    }
}

TEST_F(DoubledPictureTest, ADragShowsTheDoubledRendering)
{
    WritePair("item.png", "item@2x.png", {16, 12});
    const auto picture = Open("item.png");
    auto board = AddCanvas("Board", 0, 0, 40, 30);
    std::function<bool(std::int32_t, std::int32_t)> press = [&](std::int32_t, std::int32_t) {
        auto item = window_->NewDragItem(10, 5, 8, 6);
        item->Picture(picture);
        item->Drag();
        return true;
    };
    rb::InstallInstanceEventHandler(board, "MouseDown", rb::RuntimeCreateDelegate(press, "( Int32, Int32 ) as Boolean"));
    QImage shown;
    QSize size;
    rb::SetDragRunner([&](QDrag& drag) {
        shown = drag.pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        size = drag.pixmap().deviceIndependentSize().toSize();
        return Qt::IgnoreAction;
    });
    Show();
    QWidget* widget = rb::WidgetOf(*board);
    QMouseEvent event(QEvent::MouseButtonPress, QPoint(12, 7), widget->mapToGlobal(QPoint(12, 7)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    EXPECT_EQ(size, QSize(8, 6));
    ASSERT_EQ(shown.size(), QSize(16, 12));
    EXPECT_TRUE(ShowsChecker(shown, {0, 0}));
}

TEST_F(DoubledPictureTest, TheDoubledFilesArePrefetchedToo)
{
    WritePair("item.png", "item@2x.png", {16, 12});
    rb::PicturePrefetch::Start(File(""));
    EXPECT_TRUE((rb::PicturePrefetch::Take(File("item@2x.png")) != nullptr));
}

} // namespace
