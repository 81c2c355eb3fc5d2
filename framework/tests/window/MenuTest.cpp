#include "WindowFixture.h"

#include "menu/MenuShortcut.h"
#include "rb/Application.h"
#include "rb/CheckBox.h"
#include "rb/MenuBar.h"
#include "rb/QuitMenuItem.h"
#include "rb/TextField.h"
#include "rb/Runtime.h"
#include "rb/qt/QtAccess.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// An item that tells when no window handled it.
class LoggingItem : public rb::MenuItem {
public:
    int unhandled = 0;
    void Unhandled() override { ++unhandled; }
};

template <class T = rb::MenuItem>
rb::Ref<T> Item(const std::string& name, const std::string& text, const std::string& shortcut = {})
{
    auto item = rb::New<T>();
    item->Constructor();
    item->Name(name);
    item->AutoEnable(true);
    item->Text(text);
    item->KeyboardShortcut(shortcut);
    return item;
}

// File: New, -, Quit (Cmd+Q); Edit: Preferences.
rb::Ref<rb::MenuBar> MakeBar()
{
    auto bar = rb::New<rb::MenuBar>();
    bar->Append(Item("FileMenu", "&File"));
    bar->Append(Item("EditMenu", "&Edit"));
    bar->Child("FileMenu")->Append(Item<LoggingItem>("FileNew", "New Game", "Cmd+N"));
    bar->Child("FileMenu")->Append(Item("UntitledMenu1", "-"));
    bar->Child("FileMenu")->Append(Item<rb::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    bar->Child("EditMenu")->Append(Item<LoggingItem>("EditPreferences", "Preferences..."));
    return bar;
}

rb::Ref<rb::Delegate> MenuHandler(std::vector<std::string>& log, std::string who, bool handled)
{
    return rb::RuntimeCreateDelegate(std::function<bool()>([&log, who, handled] {
                                         log.push_back(who);
                                         return handled;
                                     }),
                                     "(  ) as Boolean");
}

class MenuTest : public WindowFixture {};

TEST(MenuItem, ChildFindsADirectChildByName)
{
    auto bar = MakeBar();
    EXPECT_EQ(bar->Child("FileMenu")->Text(), "&File");
    EXPECT_EQ(bar->Child("FileMenu")->Child("FileQuit")->KeyboardShortcut(), "Cmd+Q");
    EXPECT_TRUE(bar->Child("FileQuit").IsNil()) << "not a grandchild";
    EXPECT_TRUE(bar->Child("filemenu").IsNil());
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 3);
    EXPECT_EQ(bar->Child("FileMenu")->Item(2)->Name(), "FileQuit");
    EXPECT_THROW(bar->Child("FileMenu")->Item(3), rb::OutOfBoundsException);
    EXPECT_THROW(bar->Append(nullptr), rb::NilObjectException);
    EXPECT_THROW(bar->Child("HelpMenu")->Append(Item("HelpAbout", "About")), rb::NilObjectException);
}

TEST(MenuShortcut, TextGivesTheKeySequence)
{
    struct Case {
        const char* text;
        QKeySequence sequence;
    };
    const Case cases[] = {
        {"Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"cmd+q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Cmd+Shift+N", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
        {"Option+X", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"Alt+X", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"Ctrl+A", QKeySequence(Qt::META | Qt::Key_A)},
        {"Cmd+,", QKeySequence(Qt::CTRL | Qt::Key_Comma)},
        {"Cmd + Z", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"F5", QKeySequence(Qt::Key_F5)},
        {"", QKeySequence()},
        {"Cmd+", QKeySequence()},
        {"Cmd+Nothing", QKeySequence()},
        {"Hyper+Q", QKeySequence()},
        {"Cmd+Q,Cmd+W", QKeySequence()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(rb::ShortcutFromText(c.text), c.sequence);
    }
}

TEST_F(MenuTest, WindowShowsItsMenuBarWithTextsShortcutsAndSeparators)
{
    auto window = TestWindow::Build();
    window->MenuBar(MakeBar());
    window->Show();
    QMenuBar* bar = rb::MenuBarWidgetOf(*window);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    const QList<QAction*> file = bar->actions()[0]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->text(), "New Game");
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->text(), "&Quit");
    EXPECT_EQ(file[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(rb::MenuActionOf(*window, "FileQuit"), file[2]);
    EXPECT_EQ(rb::WidgetOf(*window)->geometry().top(), bar->geometry().bottom() + 1) << "the content stands below the bar";
}

TEST_F(MenuTest, ChoosingAnItemCallsTheActiveWindowsHandlerThenTheBarsWindow)
{
    std::vector<std::string> log;
    auto bar = MakeBar();
    auto main = TestWindow::Build({}, "Window1.Window1");
    main->MenuBar(bar);
    main->AddMenuHandler("FileNew", MenuHandler(log, "main", true));
    main->AddMenuHandler("EditPreferences", MenuHandler(log, "main", false));
    main->Show();
    auto sheet = TestWindow::Build({}, "Sheet.Sheet");
    sheet->ShowWithin(main);
    sheet->AddMenuHandler("EditPreferences", MenuHandler(log, "sheet", false));

    auto newGame = bar->Child("FileMenu")->Child("FileNew").Cast<LoggingItem>();
    auto preferences = bar->Child("EditMenu")->Child("EditPreferences").Cast<LoggingItem>();
    rb::MenuActionOf(*main, "FileNew")->trigger();
    EXPECT_EQ(log, std::vector<std::string>{"main"});
    EXPECT_EQ(newGame->unhandled, 0);

    log.clear();
    rb::MenuActionOf(*main, "EditPreferences")->trigger();
    EXPECT_EQ(log, (std::vector<std::string>{"sheet", "main"})) << "the front window first";
    EXPECT_EQ(preferences->unhandled, 1) << "neither said it handled the item";
}

TEST_F(MenuTest, MenuHandlerMustReturnABoolean)
{
    auto window = TestWindow::Build();
    EXPECT_THROW(window->AddMenuHandler("FileNew", rb::RuntimeCreateDelegate(std::function<void()>([] {}), "(  )")),
                 rb::UsageException);
    EXPECT_FALSE(window->HandleMenuItem("FileNew"));
}

class QuitTest : public MenuTest {
protected:
    void SetUp() override
    {
        back_ = TestWindow::Build({}, "Window1.Window1");
        back_->MenuBar(MakeBar());
        back_->Show();
        front_ = TestWindow::Build({}, "endwindow.endwindow");
        front_->Show();
    }

    bool Live(const rb::Ref<TestWindow>& window) const
    {
        return rb::GetImplicitWindow(window->FullClassName()) == window;
    }

    rb::Ref<TestWindow> back_;
    rb::Ref<TestWindow> front_;
};

TEST_F(QuitTest, QuitGivesUpWhenACancelCloseRefusesAndLeavesEveryWindowOpen)
{
    back_->refuseClose = true;
    rb::Quit(0);
    EXPECT_EQ(front_->closeAsked, std::vector<bool>{true});
    EXPECT_EQ(back_->closeAsked, std::vector<bool>{true});
    EXPECT_TRUE(Live(front_)) << "a window that agreed stays open when the quit is given up";
    EXPECT_TRUE(Live(back_));
    EXPECT_TRUE(front_->Visible());
}

TEST_F(QuitTest, QuitGoesAheadWhenNoWindowRefuses)
{
    rb::MenuActionOf(*back_, "FileQuit")->trigger();
    EXPECT_EQ(front_->closeAsked, std::vector<bool>{true});
    EXPECT_EQ(back_->closeAsked, std::vector<bool>{true});
    EXPECT_FALSE(Live(front_));
    EXPECT_FALSE(Live(back_));
}

TEST_F(QuitTest, QuitEndsTheEventLoopOnlyWhenNoWindowRefuses)
{
    for (const bool refuse : {true, false}) {
        SCOPED_TRACE(refuse);
        back_->refuseClose = refuse;
        QTimer::singleShot(0, [] { rb::Quit(0); });
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
        EXPECT_EQ(QApplication::exec(), refuse ? 7 : 0);
        ProcessEvents();
    }
}

TEST_F(QuitTest, QuitShortcutQuits)
{
    back_->refuseClose = true;
    QWidget* frame = rb::FrameWidgetOf(*back_);
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    ProcessEvents();
    QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(back_->closeAsked, std::vector<bool>{true});
}

// Edit: the six editing items, an item that a window handles, one that none
// handles, and one without AutoEnable.
rb::Ref<rb::MenuBar> MakeEditBar()
{
    auto bar = rb::New<rb::MenuBar>();
    bar->Append(Item("EditMenu", "&Edit"));
    for (const auto& [name, text, shortcut] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"EditUndo", "&Undo", "Cmd+Z"}, {"EditCut", "Cu&t", "Cmd+X"}, {"EditCopy", "&Copy", "Cmd+C"},
             {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "&Delete", ""}, {"EditSelectAll", "Select &All", "Cmd+A"},
             {"EditPreferences", "Preferences...", ""}, {"EditOther", "Other", ""}})
        bar->Child("EditMenu")->Append(Item(name, text, shortcut));
    auto fixed = Item("EditFixed", "Fixed");
    fixed->AutoEnable(false);
    bar->Child("EditMenu")->Append(fixed);
    return bar;
}

// The main window with the edit bar, a field and a check box, active.
class EditMenuTest : public MenuTest {
protected:
    void SetUp() override
    {
        window_ = TestWindow::Build(
            [&](TestWindow& w) {
                field_ = w.Add<rb::TextField>("TextField1");
                check_ = w.Add<rb::CheckBox>("CheckBox1", rb::PropertyList().Integer("Top", 40).Bytes());
            },
            "Window1.Window1");
        window_->MenuBar(MakeEditBar());
        window_->AddMenuHandler("EditPreferences", MenuHandler(log_, "main", true));
        rb::InstallInstanceEventHandler(field_, "KeyDown",
                                        rb::RuntimeCreateDelegate(std::function<bool(const std::string&)>([this](const std::string& key) {
                                                                      keys_.push_back(key);
                                                                      return swallow_.find(key) != std::string::npos;
                                                                  }),
                                                                  "( String ) as Boolean"));
        window_->Show();
        QWidget* frame = rb::FrameWidgetOf(*window_);
        frame->activateWindow();
        QApplication::setActiveWindow(frame);
        Line()->setFocus();
        QApplication::clipboard()->clear();
        ProcessEvents();
    }

    QLineEdit* Line() const { return static_cast<QLineEdit*>(rb::WidgetOf(*field_)); }

    // The names of the Edit menu's enabled entries, as the open menu shows them.
    std::vector<std::string> Enabled() const
    {
        auto* menu = rb::MenuBarWidgetOf(*window_)->findChild<QMenu*>("EditMenu");
        menu->popup(QPoint(0, 0));
        std::vector<std::string> enabled;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled.push_back(action->objectName().toStdString());
        menu->close();
        return enabled;
    }

    void Choose(const char* itemName) const { rb::MenuActionOf(*window_, itemName)->trigger(); }

    rb::Ref<TestWindow> window_;
    rb::Ref<rb::TextField> field_;
    rb::Ref<rb::CheckBox> check_;
    std::vector<std::string> log_;
    std::vector<std::string> keys_;
    std::string swallow_;
};

TEST_F(EditMenuTest, EditingItemsAreEnabledOnlyWhileTheFocusedTextControlCanActOnThem)
{
    using Names = std::vector<std::string>;
    const Names always{"EditPreferences", "EditFixed"};
    struct State {
        const char* what;
        std::function<void()> set;
        Names editing;
    };
    const State states[] = {
        {"a check box focused", [this] { rb::WidgetOf(*check_)->setFocus(); }, {}},
        {"an empty field", [] {}, {}},
        {"a field with text", [this] { field_->Text("50"); }, {"EditSelectAll"}},
        {"all its text selected", [this] {
             field_->Text("50");
             Line()->selectAll();
         }, {"EditCut", "EditCopy", "EditClear"}},
        {"part of it selected", [this] {
             field_->Text("50");
             Line()->setSelection(0, 1);
         }, {"EditCut", "EditCopy", "EditClear", "EditSelectAll"}},
        {"text typed", [this] { QTest::keyClicks(Line(), "7"); }, {"EditUndo", "EditSelectAll"}},
        {"text on the clipboard", [] { QApplication::clipboard()->setText("7"); }, {"EditPaste"}},
        {"the clipboard's text, a check box focused", [this] {
             QApplication::clipboard()->setText("7");
             rb::WidgetOf(*check_)->setFocus();
         }, {}},
        {"read-only, all selected", [this] {
             field_->Text("50");
             field_->ReadOnly(true);
             Line()->selectAll();
             QApplication::clipboard()->setText("7");
         }, {"EditCopy"}},
        {"a password, all selected", [this] {
             field_->Text("50");
             field_->Password(true);
             Line()->selectAll();
         }, {"EditClear"}},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.what);
        state.set();
        Names expected = state.editing;
        expected.insert(expected.end(), always.begin(), always.end());
        std::sort(expected.begin(), expected.end());
        Names enabled = Enabled();
        std::sort(enabled.begin(), enabled.end());
        EXPECT_EQ(enabled, expected);
        EXPECT_TRUE(rb::MenuActionOf(*window_, "EditPaste")->isEnabled()) << "a closed menu's entries take their shortcuts";
        field_->ReadOnly(false);
        field_->Password(false);
        field_->Text("");
        QApplication::clipboard()->clear();
        Line()->setFocus();
    }
}

TEST_F(EditMenuTest, EditingItemsActOnTheFocusedFieldThroughItsKeyDown)
{
    field_->Text("12345");
    Line()->setSelection(1, 2);
    Choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "23");
    EXPECT_EQ(field_->Text(), "12345");

    Choose("EditCut");
    EXPECT_EQ(field_->Text(), "145");
    EXPECT_EQ(keys_, std::vector<std::string>{"\b"}) << "Cut erases as the delete key does";

    keys_.clear();
    QApplication::clipboard()->setText("x9");
    swallow_ = "x";
    Choose("EditPaste");
    EXPECT_EQ(field_->Text(), "1945");
    EXPECT_EQ(keys_, (std::vector<std::string>{"x", "9"}));

    Choose("EditUndo");
    EXPECT_EQ(field_->Text(), "145");
    Choose("EditSelectAll");
    EXPECT_EQ(Line()->selectedText(), "145");

    swallow_ = "\b";
    Choose("EditClear");
    Choose("EditCut");
    EXPECT_EQ(field_->Text(), "145") << "a KeyDown that swallows the delete key keeps the selection";
    EXPECT_EQ(QApplication::clipboard()->text(), "145") << "Cut still copies";
    swallow_.clear();
    Choose("EditClear");
    EXPECT_EQ(field_->Text(), "");
}

TEST_F(EditMenuTest, AnEditingShortcutIsTheMenusAndDoesNothingWhereTheItemCannotAct)
{
    field_->Text("12");
    Line()->selectAll();
    QTest::keyClick(Line(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12");
    Line()->deselect();
    QTest::keyClick(Line(), Qt::Key_X, Qt::ControlModifier); // nothing selected: Cut cannot act
    QTest::keyClick(Line(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(field_->Text(), "12");
    EXPECT_EQ(keys_, std::vector<std::string>{}) << "never Chr(3), which would be taken for Enter";
}

TEST_F(MenuTest, AWindowWithATitleBarAndNoBarOfItsOwnShowsTheApplications)
{
    auto application = rb::New<rb::Application>();
    application->MenuBar(MakeBar());
    rb::RuntimeRegisterAppObject(application);
    struct Case {
        std::int32_t frame;
        bool ownBar;
        bool menuBarVisible;
        const char* shows;
    };
    const Case cases[] = {
        {0, false, true, "application"}, {1, false, true, "application"}, {2, false, true, "none"},
        {4, false, true, "none"},        {1, true, true, "own"},          {1, false, false, "none"},
    };
    const auto own = MakeEditBar();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "frame " << c.frame << (c.ownBar ? ", its own bar" : "")
                                        << (c.menuBarVisible ? "" : ", MenuBarVisible False"));
        auto window = TestWindow::Build();
        rb::SetProperties(window, rb::PropertyList().Integer("Frame", c.frame).Boolean("MenuBarVisible", c.menuBarVisible).Bytes());
        if (c.ownBar)
            window->MenuBar(own);
        window->Show();
        const QMenuBar* bar = rb::MenuBarWidgetOf(*window);
        const std::string shows = bar == nullptr ? "none" : bar->findChild<QMenu*>("FileMenu") ? "application" : "own";
        EXPECT_EQ(shows, c.shows);
        window->Close();
    }
    auto parent = TestWindow::Build({}, "Window1.Window1");
    parent->Show();
    auto sheet = TestWindow::Build({}, "Sheet.Sheet");
    rb::SetProperties(sheet, rb::PropertyList().Integer("Frame", 1).Bytes());
    sheet->ShowWithin(parent);
    EXPECT_EQ(rb::MenuBarWidgetOf(*sheet), nullptr) << "within another window";
    rb::RuntimeRegisterAppObject(nullptr);
}

} // namespace
