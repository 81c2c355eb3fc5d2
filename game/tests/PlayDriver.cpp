#include "PlayDriver.h"

#include "rb/FolderItem.h"
#include "rb/Random.h"
#include "rb/Sound.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextEdit>
#include <QtTest/QTest>
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

// The widget that shows the control: a text area's viewport.
QWidget* ShowingWidget(const rb::RectControl& control)
{
    QWidget* widget = rb::WidgetOf(control);
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    return area ? area->viewport() : widget;
}

QMenu* MenuOf(const rb::Window& window, const char* menuName)
{
    QMenuBar* bar = rb::MenuBarWidgetOf(window);
    return bar ? bar->findChild<QMenu*>(menuName) : nullptr;
}

// As a drag ends over the control: it enters, then drops (Qt delivers no
// drop to a widget that no drag entered).
void Drop(const rb::RectControl& target, QMimeData& data)
{
    QWidget* widget = ShowingWidget(target);
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

void Focus(const rb::RectControl& control)
{
    QWidget* widget = rb::WidgetOf(control);
    QWidget* window = widget->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    widget->setFocus(Qt::OtherFocusReason);
}

void Stroke(const rb::RectControl& control, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    Focus(control);
    QTest::keyClick(rb::WidgetOf(control), key, modifiers);
}

Caret CaretOf(const rb::RectControl& edit)
{
    QWidget* widget = rb::WidgetOf(edit);
    if (const auto* line = qobject_cast<QLineEdit*>(widget))
        return {line->cursorPosition(), line->hasSelectedText() ? line->selectionStart() : line->cursorPosition()};
    const QTextCursor cursor = static_cast<QTextEdit*>(widget)->textCursor();
    return {cursor.position(), cursor.anchor()};
}

KeySpy::KeySpy(const rb::Window& window)
{
    rb::FrameWidgetOf(window)->installEventFilter(this);
}

bool KeySpy::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt)
            ++presses_;
    }
    return false;
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

void DropText(const rb::RectControl& target, const QString& text)
{
    QMimeData data;
    data.setText(text);
    Drop(target, data);
}

void MiddleClick(const rb::RectControl& edit, const QString& selection)
{
    QApplication::clipboard()->setText(selection, QClipboard::Selection);
    QWidget* widget = ShowingWidget(edit);
    const QPointF end(widget->width() - 2, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(end);
    QMouseEvent press(QEvent::MouseButtonPress, end, global, Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, end, global, Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

std::vector<std::string> EnabledEntries(const rb::Window& window, const char* menuName)
{
    std::vector<std::string> enabled;
    QMenu* menu = MenuOf(window, menuName);
    if (menu == nullptr)
        return enabled;
    menu->popup(rb::FrameWidgetOf(window)->mapToGlobal(QPoint(0, 0)));
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            enabled.push_back(action->objectName().toStdString());
    menu->close();
    return enabled;
}

void Choose(const rb::Window& window, const char* menuName, const char* itemName)
{
    const std::vector<std::string> enabled = EnabledEntries(window, menuName);
    if (std::find(enabled.begin(), enabled.end(), itemName) != enabled.end())
        rb::MenuActionOf(window, itemName)->trigger();
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
