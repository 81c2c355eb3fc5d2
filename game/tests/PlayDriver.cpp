#include "PlayDriver.h"

#include "rb/FolderItem.h"
#include "rb/Random.h"
#include "rb/Sound.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>

namespace play {
namespace {

// The pixel of the screen whose middle shows the design unit, where the
// program is scaled (a unit that no pixel's middle falls in gives the next).
int OnScreen(int design)
{
    return static_cast<int>(std::ceil(design * rb::testing::ScreenScaleFactor() - 0.5));
}

void SendMouse(const rb::Window& window, QPoint at, QEvent::Type type)
{
    QWidget* content = rb::WidgetOf(window);
    const QPoint screen(OnScreen(at.x()), OnScreen(at.y()));
    QWidget* target = content->childAt(screen);
    if (target == nullptr)
        target = content;
    const QPointF local = target->mapFrom(content, screen);
    const QPointF global = content->mapToGlobal(screen);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, global, global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// As a drag ends over the control: it enters, then drops (Qt delivers no
// drop to a widget that no drag entered).
void Drop(const rb::RectControl& target, QMimeData& data)
{
    QWidget* widget = rb::WidgetOf(target);
    const QPoint centre(widget->width() / 2, widget->height() / 2);
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
}

} // namespace

void Click(const rb::Window& window, QPoint at)
{
    SendMouse(window, at, QEvent::MouseButtonPress);
    SendMouse(window, at, QEvent::MouseButtonRelease);
}

void Press(const rb::Window& window, QPoint at)
{
    SendMouse(window, at, QEvent::MouseButtonPress);
}

void Move(const rb::Window& window, QPoint to)
{
    SendMouse(window, to, QEvent::MouseMove);
}

void Click(const rb::RectControl& control)
{
    QWidget* widget = rb::WidgetOf(control);
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void Type(const rb::RectControl& edit, const std::string& characters)
{
    for (const char character : characters)
        Key(edit, QChar(character).toUpper().unicode(), QString(QChar(character)));
}

void Key(const rb::RectControl& edit, int qtKey, const QString& text)
{
    QWidget* widget = rb::WidgetOf(edit);
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void DropPicture(const rb::RectControl& target, QColor colour)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(colour);
    QMimeData data;
    data.setData("application/x-rbframework-drag", QByteArray::number(QCoreApplication::applicationPid()));
    data.setImageData(image);
    Drop(target, data);
}

void DropText(const rb::RectControl& target)
{
    QMimeData data;
    data.setText("carrot");
    Drop(target, data);
}

rb::Ref<rb::Picture> SolidPicture(std::int32_t width, std::int32_t height, QColor colour)
{
    static int made = 0;
    const auto path = std::filesystem::path(std::getenv("HOME")) / ("solid" + std::to_string(++made) + ".png");
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path.string()));
    return rb::FolderItem(path).OpenAsPicture();
}

std::vector<std::string> OpenMessages()
{
    std::vector<std::string> texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            texts.push_back(box->text().toStdString());
    return texts;
}

void CloseMessages()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            box->close();
    QApplication::processEvents();
}

SoundLog::SoundLog()
{
    rb::SetSoundObserver([this](const std::string& name, std::int32_t volume) {
        heard_.push_back(name + "@" + std::to_string(volume));
    });
}

SoundLog::~SoundLog()
{
    rb::SetSoundObserver({});
}

std::vector<std::string> SoundLog::Take()
{
    return std::exchange(heard_, {});
}

FixedRandom::FixedRandom(std::vector<std::int32_t> script)
{
    rb::SetRandomSource([script, next = std::size_t{0}, engine = std::mt19937(2026)](std::int32_t min,
                                                                                      std::int32_t max) mutable {
        if (min != 1 || script.empty())
            return std::uniform_int_distribution<std::int32_t>(min, max)(engine);
        return std::clamp(script[next++ % script.size()], min, max);
    });
}

FixedRandom::~FixedRandom()
{
    rb::SetRandomSource({});
}

} // namespace play
