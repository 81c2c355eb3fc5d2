#include "WindowFixture.h"

#include "rb/Canvas.h"
#include "rb/CheckBox.h"
#include "rb/GroupBox.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/MsgBox.h"
#include "rb/PushButton.h"
#include "rb/Rectangle.h"
#include "rb/StaticText.h"
#include "rb/TextArea.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTextEdit>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string Placed(std::int32_t left, std::int32_t top, std::int32_t width = 80, std::int32_t height = 22)
{
    return rb::PropertyList()
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Bytes();
}

template <class R, class... Args>
rb::Ref<rb::Delegate> Handler(std::function<R(Args...)> function, const char* signature)
{
    return rb::RuntimeCreateDelegate(std::move(function), signature);
}

class ControlTest : public WindowFixture {};

TEST_F(ControlTest, HandlerIsBoundOnlyWithTheEventsOwnSignature)
{
    rb::Ref<TestWindow> window = TestWindow::Build([](TestWindow& w) {
        w.Add<rb::Canvas>("Canvas1");
        w.Add<rb::PushButton>("PushButton1");
        w.Add<rb::TextField>("TextField1");
        w.Add<rb::StaticText>("StaticText1");
    });
    const auto none = Handler(std::function<void()>([] {}), "(  )");
    struct Case {
        const char* control;
        const char* event;
        rb::Ref<rb::Delegate> handler;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"Canvas1", "Paint", Handler(std::function<void(rb::Ref<rb::Graphics>)>([](auto) {}), "( Graphics )"), true},
        {"Canvas1", "Paint", none, false},
        {"Canvas1", "MouseDown", Handler(std::function<bool(int, int)>([](int, int) { return true; }), "( Int32, Int32 ) as Boolean"), true},
        {"Canvas1", "MouseDown", Handler(std::function<void(int, int)>([](int, int) {}), "( Int32, Int32 )"), false},
        {"Canvas1", "MouseUp", Handler(std::function<void(int, int)>([](int, int) {}), "( Int32, Int32 )"), true},
        {"Canvas1", "MouseMove", Handler(std::function<void(int, int)>([](int, int) {}), "( Int32, Int32 )"), true},
        {"Canvas1", "Open", none, true},
        {"Canvas1", "Action", none, false},
        {"PushButton1", "Action", none, true},
        {"PushButton1", "Action", Handler(std::function<void()>([] {}), "()"), false},
        {"TextField1", "KeyDown", Handler(std::function<bool(const std::string&)>([](auto&) { return false; }), "( String ) as Boolean"), true},
        {"TextField1", "KeyDown", Handler(std::function<bool(const std::string&)>([](auto&) { return false; }), "( String )"), false},
        {"StaticText1", "KeyDown", Handler(std::function<bool(const std::string&)>([](auto&) { return false; }), "( String ) as Boolean"), false},
        {"StaticText1", "MouseEnter", none, true},
        {"StaticText1", "Open", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + "." + c.event + " " + (c.handler ? c.handler->Signature() : "nil"));
        auto control = rb::RuntimeWindowControlByName(window, c.control).Cast<rb::RectControl>();
        if (c.accepted) {
            EXPECT_NO_THROW(rb::InstallInstanceEventHandler(control, c.event, c.handler));
            continue;
        }
        try {
            rb::InstallInstanceEventHandler(control, c.event, c.handler);
            ADD_FAILURE() << "bound";
        } catch (const rb::UsageException& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(std::string("TestWindow.") + c.control), std::string::npos) << message;
            EXPECT_NE(message.find(c.event), std::string::npos) << message;
        }
    }
}

TEST_F(ControlTest, BoundHandlerRunsInsteadOfTheClassesOwnEvent)
{
    std::vector<std::string> log;
    auto window = TestWindow::Build([&](TestWindow& w) {
        auto canvas = w.Add<rb::Canvas>("Canvas1", Placed(0, 0, 100, 100));
        rb::InstallInstanceEventHandler(canvas, "Open", Handler(std::function<void()>([&] { log.push_back("Open"); }), "(  )"));
        rb::InstallInstanceEventHandler(
            canvas, "MouseDown",
            Handler(std::function<bool(int, int)>([&](int x, int y) {
                        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
                        return x > 50;
                    }),
                    "( Int32, Int32 ) as Boolean"));
        rb::InstallInstanceEventHandler(
            canvas, "MouseUp",
            Handler(std::function<void(int, int)>([&](int x, int y) { log.push_back("MouseUp " + std::to_string(x) + "," + std::to_string(y)); }),
                    "( Int32, Int32 )"));
    });
    rb::SetProperties(window, rb::PropertyList().Integer("Width", 100).Integer("Height", 100).Bytes());
    window->Show();
    QWidget* content = rb::WidgetOf(*window);
    Player::Click(content, QPoint(10, 10));
    Player::Click(content, QPoint(60, 70));
    EXPECT_EQ(log, (std::vector<std::string>{"Open", "MouseDown 10,10", "MouseDown 60,70", "MouseUp 60,70"}))
        << "only a claimed press has its release";
    EXPECT_EQ(window->log.back(), "MouseDown 10,10") << "a press the control does not claim goes on to the window";
}

TEST_F(ControlTest, EveryKindOfControlHasItsMouseEvents)
{
    std::vector<std::string> log;
    const auto bind = [&log](rb::Ref<rb::RectControl> control) {
        const std::string name = control->Name();
        rb::InstallInstanceEventHandler(
            control, "MouseDown",
            Handler(std::function<bool(int, int)>([&log, name](int x, int y) {
                        log.push_back(name + " down " + std::to_string(x) + "," + std::to_string(y));
                        return true;
                    }),
                    "( Int32, Int32 ) as Boolean"));
        rb::InstallInstanceEventHandler(
            control, "MouseUp",
            Handler(std::function<void(int, int)>([&log, name](int x, int y) {
                        log.push_back(name + " up " + std::to_string(x) + "," + std::to_string(y));
                    }),
                    "( Int32, Int32 )"));
    };
    auto window = TestWindow::Build([&](TestWindow& w) {
        bind(w.Add<rb::Canvas>("Canvas", Placed(0, 0)));
        bind(w.Add<rb::StaticText>("StaticText", Placed(0, 30)));
        bind(w.Add<rb::TextArea>("TextArea", Placed(0, 60)));
        bind(w.Add<rb::TextField>("TextField", Placed(0, 90)));
        bind(w.Add<rb::CheckBox>("CheckBox", Placed(0, 120)));
        bind(w.Add<rb::PushButton>("PushButton", Placed(0, 150)));
        bind(w.Add<rb::GroupBox>("GroupBox", Placed(0, 180)));
        bind(w.Add<rb::Rectangle>("Rectangle", Placed(0, 210)));
    });
    rb::SetProperties(window, rb::PropertyList().Integer("Width", 100).Integer("Height", 240).Bytes());
    window->Show();
    for (const char* name : {"Canvas", "StaticText", "TextArea", "TextField", "CheckBox", "PushButton", "GroupBox", "Rectangle"}) {
        SCOPED_TRACE(name);
        log.clear();
        const auto control = rb::RuntimeWindowControlByName(window, name).Cast<rb::RectControl>();
        Player::Click(rb::WidgetOf(*window), QPoint(5, control->Top() + 6));
        EXPECT_EQ(log, (std::vector<std::string>{std::string(name) + " down 5,6", std::string(name) + " up 5,6"}));
    }
    EXPECT_FALSE(rb::RuntimeWindowControlByName(window, "CheckBox").Cast<rb::CheckBox>()->Value()) << "a claimed press does not tick";
}

class KeyTest : public ControlTest {
protected:
    void SetUp() override
    {
        window_ = TestWindow::Build([&](TestWindow& w) {
            field_ = w.Add<rb::TextField>("TextField1", Placed(10, 10));
            area_ = w.Add<rb::TextArea>("TextArea1", Placed(10, 40, 80, 40));
            check_ = w.Add<rb::CheckBox>("CheckBox1", Placed(10, 90));
            ok_ = w.Add<rb::PushButton>("OK", Placed(100, 10) + rb::PropertyList().Boolean("Default", true).Bytes());
            cancel_ = w.Add<rb::PushButton>("Cancel", Placed(100, 40) + rb::PropertyList().Boolean("Cancel", true).Bytes());
        });
        for (const auto& [button, name] : {std::pair{ok_, "OK"}, std::pair{cancel_, "Cancel"}})
            rb::InstallInstanceEventHandler(
                button, "Action", Handler(std::function<void()>([this, name = std::string(name)] { pushed_.push_back(name); }), "(  )"));
        window_->Show();
    }

    // Binds a KeyDown handler to both edits that logs the key and swallows those it is given.
    void SwallowKeys(const std::string& swallowed)
    {
        for (rb::Ref<rb::TextEdit> edit : {rb::Ref<rb::TextEdit>(field_), rb::Ref<rb::TextEdit>(area_)})
            rb::InstallInstanceEventHandler(edit, "KeyDown",
                                            Handler(std::function<bool(const std::string&)>([this, swallowed](const std::string& key) {
                                                        keys_.push_back(key);
                                                        return swallowed.find(key) != std::string::npos;
                                                    }),
                                                    "( String ) as Boolean"));
    }

    rb::Ref<TestWindow> window_;
    rb::Ref<rb::TextField> field_;
    rb::Ref<rb::TextArea> area_;
    rb::Ref<rb::CheckBox> check_;
    rb::Ref<rb::PushButton> ok_;
    rb::Ref<rb::PushButton> cancel_;
    std::vector<std::string> pushed_;
    std::vector<std::string> keys_;
};

TEST_F(KeyTest, KeyDownHandlerSwallowsTheKeysItTakes)
{
    SwallowKeys("x\t\x1b\r");
    for (rb::Ref<rb::TextEdit> edit : {rb::Ref<rb::TextEdit>(field_), rb::Ref<rb::TextEdit>(area_)}) {
        SCOPED_TRACE(edit->Name());
        keys_.clear();
        Player::Type(rb::WidgetOf(*edit), "axb");
        Player::Key(rb::WidgetOf(*edit), Qt::Key_Backspace, "\b");
        Player::Key(rb::WidgetOf(*edit), Qt::Key_Left);
        Player::Key(rb::WidgetOf(*edit), Qt::Key_Return, "\r");
        Player::Key(rb::WidgetOf(*edit), Qt::Key_Escape, "\x1b");
        EXPECT_EQ(edit->Text(), "a");
        EXPECT_EQ(keys_, (std::vector<std::string>{"a", "x", "b", "\b", "\x1c", "\r", "\x1b"}));
    }
    EXPECT_EQ(pushed_, std::vector<std::string>{}) << "a swallowed Return or Escape presses no button";
}

TEST_F(KeyTest, ReturnEnterAndEscapePressTheDefaultAndCancelButtons)
{
    struct Case {
        const char* what;
        QWidget* widget;
        int key;
        const char* text;
        const char* pushed;
    };
    const Case cases[] = {
        {"Return in a field", rb::WidgetOf(*field_), Qt::Key_Return, "\r", "OK"},
        {"Enter in a field", rb::WidgetOf(*field_), Qt::Key_Enter, "\r", "OK"},
        {"Escape in a field", rb::WidgetOf(*field_), Qt::Key_Escape, "\x1b", "Cancel"},
        {"Return in an area", rb::WidgetOf(*area_), Qt::Key_Return, "\r", "OK"},
        {"Escape in an area", rb::WidgetOf(*area_), Qt::Key_Escape, "\x1b", "Cancel"},
        {"Return on a check box", rb::WidgetOf(*check_), Qt::Key_Return, "\r", "OK"},
        {"Escape on a check box", rb::WidgetOf(*check_), Qt::Key_Escape, "\x1b", "Cancel"},
        {"Return on the cancel button", rb::WidgetOf(*cancel_), Qt::Key_Return, "\r", "OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        pushed_.clear();
        Player::Key(c.widget, c.key, c.text);
        EXPECT_EQ(pushed_, std::vector<std::string>{c.pushed});
    }
    EXPECT_EQ(area_->Text(), "") << "a Return that pressed the default button is not typed";
}

TEST_F(KeyTest, DisabledOrHiddenDefaultButtonIsNotPressed)
{
    ok_->Enabled(false);
    Player::Key(rb::WidgetOf(*field_), Qt::Key_Return, "\r");
    ok_->Enabled(true);
    ok_->Visible(false);
    Player::Key(rb::WidgetOf(*field_), Qt::Key_Return, "\r");
    EXPECT_EQ(pushed_, std::vector<std::string>{});
    Player::Key(rb::WidgetOf(*area_), Qt::Key_Return, "\r");
    EXPECT_EQ(area_->Text(), "\r") << "with no default button Return is a line break";
}

TEST_F(KeyTest, LimitTextCapsWhatIsTypedAndPasted)
{
    field_->LimitText(2);
    area_->LimitText(2);
    Player::Type(rb::WidgetOf(*field_), "123");
    Player::Type(rb::WidgetOf(*area_), "123");
    EXPECT_EQ(field_->Text(), "12");
    EXPECT_EQ(area_->Text(), "12");

    auto* line = static_cast<QLineEdit*>(rb::WidgetOf(*field_));
    line->selectAll();
    line->insert("789");
    static_cast<QTextEdit*>(rb::WidgetOf(*area_))->textCursor().insertText("789");
    EXPECT_EQ(field_->Text(), "78");
    EXPECT_EQ(area_->Text(), "12") << "a paste into a full area is cut back";

    Player::Key(rb::WidgetOf(*area_), Qt::Key_Backspace, "\b");
    Player::Type(rb::WidgetOf(*area_), "4");
    EXPECT_EQ(area_->Text(), "14") << "editing keys still work at the limit";
}

TEST_F(ControlTest, TabIndexGivesTheFocusOrder)
{
    auto window = TestWindow::Build([](TestWindow& w) {
        for (const auto& [name, tabIndex] : {std::pair{"A", 2}, std::pair{"B", 0}, std::pair{"C", 1}})
            w.Add<rb::TextField>(name, Placed(10, 30 * tabIndex) + rb::PropertyList().Integer("TabIndex", tabIndex).Bytes());
    });
    window->Show();
    auto widget = [&](const char* name) { return rb::WidgetOf(*rb::RuntimeWindowControlByName(window, name).Cast<rb::RectControl>()); };
    QWidget* frame = rb::FrameWidgetOf(*window);
    widget("B")->setFocus();
    Player::Key(frame->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(frame->focusWidget(), widget("C"));
    Player::Key(frame->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(frame->focusWidget(), widget("A"));
}

TEST_F(ControlTest, ControlsShowTheirDesignedProperties)
{
    auto window = TestWindow::Build([](TestWindow& w) {
        w.Add<rb::GroupBox>("GroupBox1", Placed(100, 100, 200, 100) + rb::PropertyList().String("Caption", "Sound").Bytes());
        w.Add<rb::CheckBox>("CheckBox1", Placed(110, 130) + rb::PropertyList()
                                                               .String("Caption", "Music")
                                                               .Boolean("Value", true)
                                                               .String("InitialParent", "GroupBox1")
                                                               .Bytes());
        w.Add<rb::TextField>("TextField1", Placed(10, 10) + rb::PropertyList()
                                                               .String("Text", "70")
                                                               .Integer("Alignment", 3)
                                                               .Boolean("ReadOnly", true)
                                                               .Boolean("Border", false)
                                                               .Integer("LimitText", 3)
                                                               .Bytes());
        w.Add<rb::TextArea>("TextArea1", Placed(10, 40) + rb::PropertyList().String("Text", "a\rb").Integer("Alignment", 2).Bytes());
        w.Add<rb::PushButton>("PushButton1", Placed(10, 70) + rb::PropertyList().String("Caption", "&OK").Boolean("Default", true).Bytes());
        auto label = w.Add<rb::StaticText>("StaticText1");
        label->TextSize(72);
        label->TextUnit(0);
        rb::SetProperties(label, rb::PropertyList().String("TextFont", "Kidprint Regular").Boolean("Underline", true).Bytes());
    });
    auto widget = [&](const char* name) { return rb::WidgetOf(*rb::RuntimeWindowControlByName(window, name).Cast<rb::RectControl>()); };

    QWidget* check = widget("CheckBox1");
    EXPECT_EQ(check->parentWidget(), widget("GroupBox1"));
    EXPECT_EQ(check->geometry(), QRect(10, 30, 80, 22)) << "window coordinates, placed within the parent";
    EXPECT_TRUE(static_cast<QCheckBox*>(check)->isChecked());
    static_cast<QCheckBox*>(check)->click();
    EXPECT_FALSE(rb::RuntimeWindowControlByName(window, "CheckBox1").Cast<rb::CheckBox>()->Value()) << "reads what the player set";

    auto* field = static_cast<QLineEdit*>(widget("TextField1"));
    EXPECT_EQ(field->text(), "70");
    EXPECT_TRUE(field->alignment() & Qt::AlignRight);
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_FALSE(field->hasFrame());
    EXPECT_EQ(field->maxLength(), 3);

    auto* area = static_cast<QTextEdit*>(widget("TextArea1"));
    EXPECT_EQ(area->toPlainText(), "a\nb");
    EXPECT_EQ(rb::RuntimeWindowControlByName(window, "TextArea1").Cast<rb::TextArea>()->Text(), "a\rb");
    EXPECT_TRUE(area->document()->defaultTextOption().alignment() & Qt::AlignHCenter);

    EXPECT_EQ(static_cast<QAbstractButton*>(widget("PushButton1"))->text(), "&OK");

    const QFont font = widget("StaticText1")->font();
    EXPECT_EQ(font.family(), "Kidprint Regular");
    EXPECT_EQ(font.pixelSize(), 72) << "the size set before the list stays";
    EXPECT_TRUE(font.underline());
}

TEST_F(ControlTest, CheckBoxKeepsWhatThePlayerSetWhenItsLookChanges)
{
    rb::Ref<rb::CheckBox> box;
    auto window = TestWindow::Build([&](TestWindow& w) { box = w.Add<rb::CheckBox>("CheckBox1", Placed(0, 0)); });
    window->Show();
    auto* widget = static_cast<QCheckBox*>(rb::WidgetOf(*box));
    widget->click();
    box->Caption("Music");
    box->Bold(true);
    EXPECT_TRUE(widget->isChecked());
    EXPECT_TRUE(box->Value());
    box->Value(false);
    EXPECT_FALSE(widget->isChecked());
}

TEST_F(ControlTest, RectangleFillsAndDrawsItsBorder)
{
    auto window = TestWindow::Build([](TestWindow& w) {
        w.Add<rb::Rectangle>("Rectangle1", Placed(0, 0, 20, 20) + rb::PropertyList()
                                                                      .Color("FillColor", 0x00FF00)
                                                                      .Integer("BorderWidth", 2)
                                                                      .Color("TopLeftColor", 0xFF0000)
                                                                      .Color("BottomRightColor", 0x0000FF)
                                                                      .Bytes());
    });
    window->Show();
    const QImage shown = rb::WidgetOf(*rb::RuntimeWindowControlByName(window, "Rectangle1").Cast<rb::RectControl>())->grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(1, 10), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(18, 10), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(10, 2), QColor(0, 255, 0));
}

TEST_F(ControlTest, ControlMadeOutsideAWindowThrows)
{
    auto loose = rb::New<rb::PushButton>();
    EXPECT_THROW(loose->Constructor(), rb::UsageException);
}

TEST_F(ControlTest, MsgBoxShowsTheTextWithAnOkButtonAndReturnsAtOnce)
{
    rb::MsgBox("Please choose a number between 1 and 42.\rThanks");
    QMessageBox* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<QMessageBox*>(widget); found && found->isVisible())
            box = found;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Please choose a number between 1 and 42.\nThanks");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    const QPointer<QMessageBox> watched(box);
    box->button(QMessageBox::Ok)->click();
    ProcessEvents();
    EXPECT_TRUE(watched.isNull()) << "OK closes the box, which goes";
}

} // namespace
