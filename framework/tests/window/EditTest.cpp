#include "WindowFixture.h"

#include "rb/MenuBar.h"
#include "rb/TextArea.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QTextEdit>
#include <QtTest/QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string Placed(std::int32_t top)
{
    return rb::PropertyList().Integer("Left", 10).Integer("Top", top).Integer("Width", 120).Integer("Height", 24).Bytes();
}

// Counts the key presses that reach it (modifier keys pressed alone aside).
class KeySpy : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt)
                ++presses;
        }
        return false;
    }
};

// A field and an area in an active window, each with a KeyDown handler that
// logs the key and swallows those the test names.
class EditTest : public WindowFixture {
protected:
    void SetUp() override
    {
        window_ = TestWindow::Build([&](TestWindow& w) {
            field_ = w.Add<rb::TextField>("TextField1", Placed(10));
            area_ = w.Add<rb::TextArea>("TextArea1", Placed(40));
            other_ = w.Add<rb::TextField>("TextField2", Placed(70));
        });
        for (const rb::Ref<rb::TextEdit>& edit : Edits())
            rb::InstallInstanceEventHandler(edit, "KeyDown",
                                            rb::RuntimeCreateDelegate(std::function<bool(const std::string&)>([this](const std::string& key) {
                                                                          keys_.push_back(key);
                                                                          return swallow_(key);
                                                                      }),
                                                                      "( String ) as Boolean"));
        window_->Show();
        QWidget* frame = rb::FrameWidgetOf(*window_);
        frame->activateWindow();
        QApplication::setActiveWindow(frame);
        frame->installEventFilter(&beyond_);
        ProcessEvents();
    }

    std::vector<rb::Ref<rb::TextEdit>> Edits() const { return {field_, area_}; }

    static QWidget* Widget(const rb::Ref<rb::TextEdit>& edit) { return rb::WidgetOf(*edit); }
    // Where the edit shows its text: a text area's viewport.
    static QWidget* TextWidget(const rb::Ref<rb::TextEdit>& edit)
    {
        auto* area = qobject_cast<QAbstractScrollArea*>(Widget(edit));
        return area ? area->viewport() : Widget(edit);
    }
    static int Caret(const rb::Ref<rb::TextEdit>& edit)
    {
        if (auto* line = qobject_cast<QLineEdit*>(Widget(edit)))
            return line->cursorPosition();
        return static_cast<QTextEdit*>(Widget(edit))->textCursor().position();
    }
    // Starts the edit over with the text and the caret at its end.
    void Fill(const rb::Ref<rb::TextEdit>& edit, const std::string& text)
    {
        edit->Text(text);
        if (auto* line = qobject_cast<QLineEdit*>(Widget(edit)))
            line->end(false);
        else
            static_cast<QTextEdit*>(Widget(edit))->moveCursor(QTextCursor::End);
        Widget(edit)->setFocus();
        keys_.clear();
        beyond_.presses = 0;
    }

    rb::Ref<TestWindow> window_;
    rb::Ref<rb::TextField> field_;
    rb::Ref<rb::TextArea> area_;
    rb::Ref<rb::TextField> other_;
    std::function<bool(const std::string&)> swallow_ = [](const std::string&) { return true; };
    std::vector<std::string> keys_;
    KeySpy beyond_;
};

TEST_F(EditTest, EveryKeyReachesKeyDownWithItsCodeAndASwallowedOneGoesNoFurther)
{
    struct Pressed {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string code;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const Pressed keys[] = {
        {"a", Qt::Key_A, none, "a"},
        {"7", Qt::Key_7, none, "7"},
        {"space", Qt::Key_Space, none, " "},
        {"backspace", Qt::Key_Backspace, none, "\b"},
        {"Tab", Qt::Key_Tab, none, "\t"},
        {"Shift+Tab", Qt::Key_Backtab, shift, "\t"},
        {"Return", Qt::Key_Return, none, "\r"},
        {"Enter", Qt::Key_Enter, none, "\x03"},
        {"Escape", Qt::Key_Escape, none, "\x1b"},
        {"forward delete", Qt::Key_Delete, none, "\x7f"},
        {"left", Qt::Key_Left, none, "\x1c"},
        {"right", Qt::Key_Right, none, "\x1d"},
        {"up", Qt::Key_Up, none, "\x1e"},
        {"down", Qt::Key_Down, none, "\x1f"},
        {"Home", Qt::Key_Home, none, "\x01"},
        {"End", Qt::Key_End, none, "\x04"},
        {"Page Up", Qt::Key_PageUp, none, "\x0b"},
        {"Page Down", Qt::Key_PageDown, none, "\x0c"},
        {"Insert", Qt::Key_Insert, none, "\x05"},
        {"Shift+Insert", Qt::Key_Insert, shift, "\x05"},
        {"F1", Qt::Key_F1, none, "\x10"},
        {"F12", Qt::Key_F12, none, "\x10"},
        {"menu key", Qt::Key_Menu, none, "\x10"},
        {"Ctrl+A", Qt::Key_A, ctrl, "\x01"},
        {"Ctrl+C", Qt::Key_C, ctrl, "\x03"},
        {"Ctrl+V", Qt::Key_V, ctrl, "\x16"},
        {"Ctrl+Z", Qt::Key_Z, ctrl, "\x1a"},
        {"Ctrl+Shift+Z", Qt::Key_Z, ctrl | shift, "\x1a"},
        {"Ctrl+Space", Qt::Key_Space, ctrl, std::string(1, '\0')},
        {"Ctrl+[", Qt::Key_BracketLeft, ctrl, "\x1b"},
        {"Ctrl+_", Qt::Key_Underscore, ctrl | shift, "\x1f"},
        {"Ctrl+5", Qt::Key_5, ctrl, "5"},
        {"Ctrl+Left", Qt::Key_Left, ctrl, "\x1c"},
        {"Ctrl+Backspace", Qt::Key_Backspace, ctrl, "\b"},
        {"Ctrl+F5", Qt::Key_F5, ctrl, "\x10"},
    };
    for (const rb::Ref<rb::TextEdit>& edit : Edits())
        for (const auto& pressed : keys) {
            SCOPED_TRACE(edit->Name() + " " + pressed.what);
            Fill(edit, "12\r34");
            const std::string text = edit->Text();
            const int caret = Caret(edit);
            QTest::keyClick(Widget(edit), pressed.key, pressed.modifiers);
            EXPECT_EQ(keys_, std::vector<std::string>{pressed.code});
            EXPECT_EQ(edit->Text(), text);
            EXPECT_EQ(Caret(edit), caret);
            EXPECT_EQ(QApplication::focusWidget(), Widget(edit));
            EXPECT_EQ(beyond_.presses, 0) << "the window saw the key";
        }
}

TEST_F(EditTest, AModifierKeyAloneRaisesNoKeyDown)
{
    Fill(field_, "");
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_CapsLock}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Widget(field_), &press);
    }
    EXPECT_EQ(keys_, std::vector<std::string>{});
}

TEST_F(EditTest, AKeyThatPassesGoesOnToTheControl)
{
    swallow_ = [](const std::string&) { return false; };
    Fill(field_, "1234");
    QTest::keyClick(Widget(field_), Qt::Key_Home);
    EXPECT_EQ(Caret(field_), 0);
    QTest::keyClick(Widget(field_), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Widget(area_));
}

TEST_F(EditTest, NoShortcutButTheMenuBarsTakesAKeyFromAnEdit)
{
    auto bar = rb::New<rb::MenuBar>();
    auto file = rb::New<rb::MenuItem>();
    file->Name("FileMenu");
    file->Text("&File");
    bar->Append(file);
    auto newGame = rb::New<rb::MenuItem>();
    newGame->Name("FileNew");
    newGame->Text("New");
    newGame->KeyboardShortcut("Cmd+N");
    file->Append(newGame);
    window_->MenuBar(bar);
    ProcessEvents(); // the bar shows
    int chosen = 0;
    window_->AddMenuHandler("FileNew", rb::RuntimeCreateDelegate(std::function<bool()>([&chosen] { return ++chosen > 0; }),
                                                                 "(  ) as Boolean"));
    int others = 0;
    QShortcut other(QKeySequence(Qt::CTRL | Qt::Key_K), rb::FrameWidgetOf(*window_));
    QObject::connect(&other, &QShortcut::activated, [&others] { ++others; });

    for (const rb::Ref<rb::TextEdit>& edit : Edits()) {
        SCOPED_TRACE(edit->Name());
        Fill(edit, "");
        QTest::keyClick(Widget(edit), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(Widget(edit), Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(keys_, std::vector<std::string>{"\x0b"}) << "the menu's shortcut went to the menu";
    }
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(others, 0);
}

// Each way text reaches an edit without its keys, typing "a1 b2" there.
struct Arrival {
    const char* what;
    std::vector<std::string> keys; // the keys that brought it
    std::function<void(QWidget* textWidget, const QString& text)> deliver;
};

const Arrival arrivals[] = {
    {"input method", {}, [](QWidget*, const QString& text) {
         QInputMethodEvent event(QString(), {});
         event.setCommitString(text);
         QApplication::sendEvent(QApplication::focusWidget(), &event);
     }},
    {"drop", {}, [](QWidget* widget, const QString& text) {
         QMimeData data;
         data.setText(text);
         const QPoint end(widget->width() - 2, widget->height() / 2);
         QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(widget, &enter);
         QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(widget, &drop);
     }},
    {"paste key", {"\x16"}, [](QWidget*, const QString& text) {
         QApplication::clipboard()->setText(text);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
     }},
    {"context menu's Paste", {}, [](QWidget* widget, const QString& text) {
         QApplication::clipboard()->setText(text);
         const QPoint centre = widget->rect().center();
         QContextMenuEvent request(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
         QApplication::sendEvent(widget, &request);
         auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
         ASSERT_NE(menu, nullptr);
         for (QAction* action : menu->actions())
             if (action->text() == "Paste") {
                 ASSERT_TRUE(action->isEnabled());
                 action->trigger();
             }
         menu->close();
     }},
    {"middle button", {}, [](QWidget* widget, const QString& text) {
         QApplication::clipboard()->setText(text, QClipboard::Selection);
         const QPointF end(widget->width() - 2, widget->height() / 2);
         const QPointF global = widget->mapToGlobal(end);
         QMouseEvent press(QEvent::MouseButtonPress, end, global, Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
         QApplication::sendEvent(widget, &press);
         QMouseEvent release(QEvent::MouseButtonRelease, end, global, Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
         QApplication::sendEvent(widget, &release);
     }},
};

const Arrival& MiddleButton()
{
    return arrivals[std::size(arrivals) - 1];
}

TEST_F(EditTest, TextArrivingWithoutKeysIsTypedInThroughKeyDown)
{
    swallow_ = [](const std::string& key) { return key == " " || key == "b"; };
    for (const auto& arrival : arrivals) {
        if (&arrival == &MiddleButton())
            continue; // its own test below, which needs a primary selection
        for (const rb::Ref<rb::TextEdit>& edit : Edits()) {
            SCOPED_TRACE(edit->Name() + " " + arrival.what);
            Fill(edit, "x");
            arrival.deliver(TextWidget(edit), "a1 b2");
            std::vector<std::string> offered = arrival.keys;
            offered.insert(offered.end(), {"a", "1", " ", "b", "2"});
            EXPECT_EQ(keys_, offered);
            EXPECT_EQ(edit->Text(), "xa12");
        }
    }
}

TEST_F(EditTest, ThePrimarySelectionPastedWithTheMiddleButtonIsTypedIn)
{
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no primary selection on the " << QApplication::platformName().toStdString() << " platform";
    swallow_ = [](const std::string& key) { return key == "b"; };
    for (const rb::Ref<rb::TextEdit>& edit : Edits()) {
        SCOPED_TRACE(edit->Name());
        Fill(edit, "x");
        MiddleButton().deliver(TextWidget(edit), "ab");
        EXPECT_EQ(keys_, (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(edit->Text(), "xa");
    }
}

TEST_F(EditTest, TypedInTextStopsAtLimitTextAndKeepsLineBreaksOnlyWhereLinesAre)
{
    swallow_ = [](const std::string&) { return false; };
    struct Case {
        rb::Ref<rb::TextEdit> edit;
        std::int32_t limit;
        QString pasted;
        std::vector<std::string> offered;
        std::string after;
    };
    const Case cases[] = {
        {field_, 3, "9876", {"9", "8", "7", "6"}, "x98"},
        {area_, 3, "9876", {"9", "8", "7", "6"}, "x98"},
        {field_, 0, "1\r\n2\n3", {"1", "2", "3"}, "x123"},
        {area_, 0, "1\r\n2\n3", {"1", "\r", "2", "\r", "3"}, "x1\r2\r3"},
        {area_, 0, "1\t2\x07", {"1", "\t", "2"}, "x1\t2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit->Name() + " " + c.pasted.toStdString());
        c.edit->LimitText(c.limit);
        Fill(c.edit, "x");
        arrivals[0].deliver(TextWidget(c.edit), c.pasted);
        EXPECT_EQ(keys_, c.offered);
        EXPECT_EQ(c.edit->Text(), c.after);
    }
    area_->LimitText(0);
    rb::SetProperties(area_, rb::PropertyList().Boolean("Multiline", false).Bytes());
    Fill(area_, "x");
    arrivals[0].deliver(TextWidget(area_), "1\n2");
    EXPECT_EQ(area_->Text(), "x12") << "an area designed with one line holds no line break";
}

TEST_F(EditTest, AReadOnlyEditTakesNoTextWithoutKeys)
{
    for (const rb::Ref<rb::TextEdit>& edit : Edits()) {
        SCOPED_TRACE(edit->Name());
        edit->ReadOnly(true);
        Fill(edit, "x");
        arrivals[0].deliver(TextWidget(edit), "12");
        arrivals[1].deliver(TextWidget(edit), "34");
        EXPECT_EQ(keys_, std::vector<std::string>{});
        EXPECT_EQ(edit->Text(), "x");
    }
}

} // namespace
