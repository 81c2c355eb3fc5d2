#include "CanvasFixture.h"

#include "graphics/QtPicture.h"
#include "rb/Runtime.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/TestBundle.h"

#include <QApplication>
#include <QDropEvent>
#include <QScreen>
#include <QWidget>

void CanvasFixture::SetUpTestSuite()
{
    static int argc = 1;
    static char name[] = "canvas-test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
    rb::testing::OpenApplication();
}

void CanvasFixture::SetUp()
{
    window_ = rb::New<rb::Window>("CanvasWindow.CanvasWindow");
    window_->Width(200);
    window_->Height(150);
    window_->Constructor();
}

void CanvasFixture::TearDown()
{
    window_->Close();
    ProcessEvents();
}

void CanvasFixture::ProcessEvents()
{
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

void CanvasFixture::OnPaint(const rb::Ref<rb::Canvas>& canvas, std::function<void(rb::Ref<rb::Graphics>)> paint)
{
    rb::InstallInstanceEventHandler(canvas, "Paint", rb::RuntimeCreateDelegate(std::move(paint), "( Graphics )"));
}

rb::Ref<rb::Canvas> CanvasFixture::AddCanvas(const std::string& name, int left, int top, int width, int height)
{
    auto canvas = window_->NewControl<rb::Canvas>();
    canvas->Left(left);
    canvas->Top(top);
    canvas->Width(width);
    canvas->Height(height);
    canvas->Constructor();
    window_->AddControl(name, canvas);
    return canvas;
}

void CanvasFixture::Show()
{
    window_->Show();
    ProcessEvents();
}

QImage CanvasFixture::Screen() const
{
    QWidget* content = rb::WidgetOf(*window_);
    const QPoint origin = content->mapTo(content->window(), QPoint(0, 0));
    const QPixmap shot = content->screen()->grabWindow(content->window()->winId(), origin.x(), origin.y(),
                                                       content->width(), content->height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

bool CanvasFixture::DropAt(QPoint at, const QMimeData& data) const
{
    QWidget* content = rb::WidgetOf(*window_);
    QWidget* target = content->childAt(at) ? content->childAt(at) : content;
    while (target != nullptr && !target->acceptDrops())
        target = target->parentWidget();
    if (target == nullptr)
        return false;
    const QPoint local = target->mapFrom(content, at);
    QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

rb::Ref<rb::Picture> CanvasFixture::Filled(QColor colour, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return rb::PictureFromImage(image);
}

rb::Ref<rb::Picture> CanvasFixture::Fading(QColor colour, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int x = 0; x < width; ++x) {
        colour.setAlpha(255 - x * 255 / (width - 1));
        for (int y = 0; y < height; ++y)
            image.setPixelColor(x, y, colour);
    }
    return rb::PictureFromImage(image);
}
