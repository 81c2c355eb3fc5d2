#include "CanvasFixture.h"

#include "dnd/DragRunner.h"
#include "graphics/QtPicture.h"
#include "rb/DragItem.h"
#include "rb/PropertyList.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

namespace {

using rb::DragItem;
using rb::Ref;

// What a DropObject event received.
struct Dropped {
    bool pictureAvailable = false;
    QImage picture;
};

// One of the framework's small bad files.
QUrl Shared(const char* name)
{
    return QUrl::fromLocalFile(QString(RB_FRAMEWORK_TEST_DATA_DIR "/") + name);
}

class DropTest : public CanvasFixture {
protected:
    void TearDown() override
    {
        rb::SetDragRunner({});
        CanvasFixture::TearDown();
    }

    // A canvas that takes picture drops and keeps what its DropObject got.
    Ref<rb::Canvas> AddBox(const std::string& name, int left, int top, std::vector<Dropped>& drops)
    {
        auto box = AddCanvas(name, left, top, 60, 40);
        box->AcceptPictureDrop();
        OnDrop(box, drops);
        return box;
    }

    static void OnDrop(const Ref<rb::Canvas>& canvas, std::vector<Dropped>& drops)
    {
        // Kept premultiplied, whatever form the picture is drawn from.
        std::function<void(Ref<DragItem>, std::int32_t)> keep = [&drops](Ref<DragItem> item, std::int32_t) {
            drops.push_back({item->PictureAvailable(),
                             item->PictureAvailable() ? rb::ToQImage(*item->Picture())
                                                            .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                                      : QImage()});
        };
        rb::InstallInstanceEventHandler(canvas, "DropObject", rb::RuntimeCreateDelegate(keep, "( DragItem, Int32 )"));
    }

    static QImage Image(QColor colour, int width, int height)
    {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(colour);
        return image;
    }

    QTemporaryDir folder_;
};

TEST_F(DropTest, DropRaisesDropObjectSayingWhetherAPictureCame)
{
    const QString png = folder_.filePath("green.png");
    Image(Qt::green, 6, 5).save(png);
    const QString text = folder_.filePath("note.txt");
    QFile(text).open(QIODevice::WriteOnly);

    const struct {
        const char* what;
        std::function<void(QMimeData&)> fill;
        bool taken;
        QImage picture; // null: no picture available
    } rows[] = {
        {"image data", [](QMimeData& d) { d.setImageData(Image(Qt::red, 8, 4)); }, true, Image(Qt::red, 8, 4)},
        {"a picture file", [&](QMimeData& d) { d.setUrls({QUrl::fromLocalFile(png)}); }, true,
         Image(Qt::green, 6, 5)},
        {"text", [](QMimeData& d) { d.setText("an apple"); }, true, {}},
        {"a file that is no picture", [&](QMimeData& d) { d.setUrls({QUrl::fromLocalFile(text)}); }, true, {}},
        {"a damaged picture file", [](QMimeData& d) { d.setUrls({Shared("truncated.png")}); }, true, {}},
        {"a picture file too large", [](QMimeData& d) { d.setUrls({Shared("huge.png")}); }, true, {}},
        {"a picture too large",
         [](QMimeData& d) { d.setImageData(Image(Qt::red, rb::Picture::MaxSide + 1, 1)); }, true, {}},
        {"this program's drag without a picture", [](QMimeData& d) { d.setData("application/x-rbframework-drag", "1"); },
         true, {}},
        {"data of no known kind", [](QMimeData& d) { d.setData("application/x-unknown", "?"); }, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<Dropped> drops;
        auto box = AddBox(row.what, 10, 10, drops);
        Show();
        QMimeData data;
        row.fill(data);
        EXPECT_EQ(DropAt({30, 30}, data), row.taken);
        ASSERT_EQ(drops.size(), row.taken ? 1u : 0u);
        if (!row.taken)
            continue;
        EXPECT_EQ(drops[0].pictureAvailable, !row.picture.isNull());
        EXPECT_EQ(drops[0].picture, row.picture);
        box->Visible(false);
    }
}

TEST_F(DropTest, DropOnAControlThatTakesNoDropsChangesNothing)
{
    std::vector<Dropped> drops;
    auto plain = AddCanvas("Plain", 100, 10, 60, 40);
    OnDrop(plain, drops);
    Show();
    QMimeData data;
    data.setImageData(Image(Qt::red, 8, 4));
    EXPECT_FALSE(DropAt({120, 20}, data));
    EXPECT_FALSE(DropAt({5, 5}, data)) << "on the window itself";
    EXPECT_TRUE(drops.empty());
}

TEST_F(DropTest, DropReachesTheInnermostControlThatTakesDrops)
{
    std::vector<Dropped> onBoard, onBox, onLabel;
    auto board = AddCanvas("Board", 0, 0, 200, 150);
    board->AcceptPictureDrop();
    OnDrop(board, onBoard);
    auto box = AddBox("Box", 20, 20, onBox);
    auto label = AddCanvas("Label", 120, 20, 40, 30);
    OnDrop(label, onLabel);
    for (const auto& child : {box, label})
        rb::SetProperties(child, rb::PropertyList().String("InitialParent", "Board").Bytes());
    Show();

    QMimeData data;
    data.setImageData(Image(Qt::red, 8, 4));
    EXPECT_TRUE(DropAt({30, 30}, data));
    EXPECT_TRUE(DropAt({130, 30}, data)) << "a control that takes no drops leaves them to the one under it";
    EXPECT_EQ(onBox.size(), 1u);
    EXPECT_EQ(onBoard.size(), 1u);
    EXPECT_TRUE(onLabel.empty());
}

TEST_F(DropTest, AcceptPictureDropBeforeTheWidgetOrTwiceRaisesOneEventADrop)
{
    std::vector<Dropped> drops;
    auto box = window_->NewControl<rb::Canvas>();
    box->AcceptPictureDrop();
    box->Width(60);
    box->Height(40);
    box->Constructor();
    window_->AddControl("Box", box);
    box->AcceptPictureDrop();
    OnDrop(box, drops);
    Show();
    QMimeData data;
    data.setText("x");
    EXPECT_TRUE(DropAt({10, 10}, data));
    EXPECT_EQ(drops.size(), 1u);
}

// The board's way: a press on the picture starts its drag.
class DragTest : public DropTest {
protected:
    void SetUp() override
    {
        DropTest::SetUp();
        board_ = AddCanvas("Board", 0, 0, 200, 150);
        std::function<bool(std::int32_t, std::int32_t)> press = [this](std::int32_t, std::int32_t) {
            auto item = window_->NewDragItem(50, 40, 40, 30);
            item->Picture(picture_);
            item->Drag();
            ++dragsEnded_;
            return true;
        };
        rb::InstallInstanceEventHandler(board_, "MouseDown",
                                        rb::RuntimeCreateDelegate(press, "( Int32, Int32 ) as Boolean"));
    }

    void PressAt(QPoint at)
    {
        QWidget* widget = rb::WidgetOf(*board_);
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    // The drag ends in a drop at that point of the window.
    void DropWhereDragged(QPoint at)
    {
        rb::SetDragRunner([this, at](QDrag& drag) {
            return DropAt(at, *drag.mimeData()) ? Qt::CopyAction : Qt::IgnoreAction;
        });
    }

    Ref<rb::Canvas> board_;
    Ref<rb::Picture> picture_ = Fading(Qt::blue, 40, 30);
    int dragsEnded_ = 0; // drags after which the press handler went on
};

TEST_F(DragTest, DragCarriesThePictureAsImageDataAndShowsItHeldWhereItWasGrabbed)
{
    const struct {
        QPoint press;
        QPoint hotSpot;
    } rows[] = {{{55, 50}, {5, 10}}, {{89, 69}, {39, 29}}, {{120, 100}, {39, 29}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "press at " << row.press.x() << ", " << row.press.y());
        std::optional<QImage> carried;
        QImage shown;
        QPoint hotSpot;
        rb::SetDragRunner([&](QDrag& drag) {
            carried = qvariant_cast<QImage>(drag.mimeData()->imageData());
            shown = drag.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            hotSpot = drag.hotSpot();
            return Qt::IgnoreAction;
        });
        Show();
        PressAt(row.press);
        ASSERT_TRUE(carried.has_value()) << "no drag ran";
        EXPECT_EQ(carried->convertToFormat(QImage::Format_ARGB32_Premultiplied), rb::ToQImage(*picture_));
        EXPECT_EQ(shown, rb::ToQImage(*picture_));
        EXPECT_EQ(hotSpot, row.hotSpot);
    }
}

TEST_F(DragTest, DragDroppedOnABoxOfThisProgramBringsThePicture)
{
    std::vector<Dropped> drops;
    AddBox("Box", 120, 100, drops);
    DropWhereDragged({130, 110});
    Show();
    PressAt({60, 50});
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_TRUE(drops[0].pictureAvailable);
    EXPECT_EQ(drops[0].picture, rb::ToQImage(*picture_));
}

// Regression: the drag ended with the call, so another program that took the
// drop found no data to read.
TEST_F(DragTest, DragDataOutlivesTheCallForAnotherProgramToRead)
{
    QPointer<QDrag> running;
    rb::SetDragRunner([&](QDrag& drag) {
        running = &drag;
        return Qt::CopyAction;
    });
    Show();
    PressAt({60, 50});
    ASSERT_FALSE(running.isNull());
    EXPECT_TRUE(running->mimeData()->hasImage());
}

TEST_F(DragTest, DragWithoutAPictureBringsNone)
{
    std::vector<Dropped> drops;
    AddBox("Box", 120, 100, drops);
    picture_ = nullptr;
    DropWhereDragged({130, 110});
    Show();
    PressAt({60, 50});
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_FALSE(drops[0].pictureAvailable);
}

// With no runner the platform's own drag runs, the picture in its data; the
// offscreen platform ends it at once, so the press handler goes on, and the
// next press drags again.
TEST_F(DragTest, DragOnAPlatformThatRunsNoDragReturns)
{
    Show();
    PressAt({60, 50});
    EXPECT_EQ(dragsEnded_, 1);
    const auto drags = rb::WidgetOf(*window_)->findChildren<QDrag*>();
    ASSERT_EQ(drags.size(), 1) << "no drag ran";
    EXPECT_EQ(qvariant_cast<QImage>(drags[0]->mimeData()->imageData()).convertToFormat(
                  QImage::Format_ARGB32_Premultiplied),
              rb::ToQImage(*picture_));
    PressAt({60, 50});
    EXPECT_EQ(dragsEnded_, 2);
}

TEST_F(DragTest, DragItemOfADropDoesNothing)
{
    bool ran = false;
    rb::SetDragRunner([&](QDrag&) {
        ran = true;
        return Qt::IgnoreAction;
    });
    rb::New<DragItem>(picture_)->Drag();
    EXPECT_FALSE(ran);
}

} // namespace
