#include "PlayDriver.h"
#include "PlayFixture.h"

#include "preferencewindow.h"

#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The number box of the welcome sheet and the percent field of the
// preferences editor, edited as a player does: keys, the Edit menu, drops
// and the middle button.
class Editing : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        QApplication::clipboard()->clear();
        StartGame();
    }

    static rb::Ref<rb::TextArea> NumberBox() { return Sheet()->TextArea1(); }
    static rb::Ref<rb::Window> Editor() { return preferencewindow::Instance(); }
    static rb::Ref<rb::TextField> PercentField() { return ControlOf<rb::TextField>(Editor(), "TextField1"); }

    // The Edit menu's enabled entries on the window's bar, in order.
    static Names EnabledEditEntries(const rb::Ref<rb::Window>& window) { return play::EnabledEntries(*window, "EditMenu"); }

    static void SelectAll(const rb::RectControl& edit) { play::Stroke(edit, Qt::Key_A, Qt::ControlModifier); }
};

TEST_F(Editing, MenuShortcutsInTheNumberBoxGoToTheirMenuItemsAndPastesThroughItsFilter)
{
    struct Shortcut {
        const char* what;
        std::string typed;
        QString clipboard;
        std::function<void(const rb::TextArea&)> before;
        Qt::Key key;
        std::string boxAfter;
        QString clipboardAfter;
    };
    const auto none = [](const rb::TextArea&) {};
    const Shortcut shortcuts[] = {
        {"paste", "4", "a7", none, Qt::Key_V, "47", "a7"},
        {"paste past the limit", "", "1-23", none, Qt::Key_V, "12", "1-23"},
        {"copy without a selection (Chr(3) would be Enter)", "4", "", none, Qt::Key_C, "4", ""},
        {"select all, then copy", "42", "", SelectAll, Qt::Key_C, "42", "42"},
        {"select all, then cut", "42", "", SelectAll, Qt::Key_X, "", "42"},
        {"undo", "4", "", none, Qt::Key_Z, "", ""},
    };
    for (const auto& shortcut : shortcuts) {
        SCOPED_TRACE(shortcut.what);
        const auto box = NumberBox();
        box->Text("");
        play::Type(*box, shortcut.typed);
        QApplication::clipboard()->setText(shortcut.clipboard);
        shortcut.before(*box);
        play::Stroke(*box, shortcut.key, Qt::ControlModifier);
        ProcessEvents();
        ASSERT_FALSE(Sheet().IsNil()) << "the key pressed OK";
        EXPECT_EQ(box->Text(), shortcut.boxAfter);
        EXPECT_EQ(QApplication::clipboard()->text(), shortcut.clipboardAfter);
    }
    SelectAll(*NumberBox());
    EXPECT_EQ(play::CaretOf(*NumberBox()), (play::Caret{0, 0})) << "an empty box has nothing to select";
    play::Type(*NumberBox(), "12");
    SelectAll(*NumberBox());
    EXPECT_EQ(play::CaretOf(*NumberBox()), (play::Caret{2, 0}));

    play::Stroke(*NumberBox(), Qt::Key_Q, Qt::ControlModifier);
    ProcessEvents();
    EXPECT_FALSE(Live("quitwindow").IsNil()) << "Ctrl+Q asks before quitting";
}

TEST_F(Editing, ADroppedTextGoesThroughTheNumberBoxsFilter)
{
    const auto box = NumberBox();
    play::DropText(*box, "a1-b");
    EXPECT_EQ(box->Text(), "1");
    box->Text("");
    play::DropText(*box, "2 3 4");
    EXPECT_EQ(box->Text(), "23");
    play::DropText(*box, "carrot");
    EXPECT_EQ(box->Text(), "23");
    ProcessEvents();
    EXPECT_FALSE(Sheet().IsNil());
}

TEST_F(Editing, TheMiddleButtonPastesThePrimarySelectionThroughTheNumberBoxsFilter)
{
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no primary selection on the " << QApplication::platformName().toStdString() << " platform";
    const auto box = NumberBox();
    play::MiddleClick(*box, "x4\n");
    EXPECT_EQ(box->Text(), "4");
    play::MiddleClick(*box, "-2.5");
    EXPECT_EQ(box->Text(), "42");
}

TEST_F(Editing, TheEditItemsAreEnabledOnlyForWhatTheFocusedControlCanDo)
{
    const Names mainItems{"EditPreferences", "EditAboutNubrello"};
    struct State {
        const char* what;
        std::function<rb::Ref<rb::Window>()> set; // gives the window whose bar is looked at
        Names editing;
    };
    const State states[] = {
        {"the number box, empty", [] {
             play::Focus(*NumberBox());
             return Main();
         }, {}},
        {"the number box, text on the clipboard", [] {
             QApplication::clipboard()->setText("7");
             play::Focus(*NumberBox());
             return Main();
         }, {"EditPaste"}},
        {"the number box, a typed number", [] {
             play::Type(*NumberBox(), "4");
             play::Focus(*NumberBox());
             return Main();
         }, {"EditUndo", "EditSelectAll"}},
        {"the number box, all selected", [] {
             play::Type(*NumberBox(), "42");
             SelectAll(*NumberBox());
             return Main();
         }, {"EditUndo", "EditCut", "EditCopy", "EditClear"}},
        {"the board", [] {
             QApplication::clipboard()->setText("7");
             Answer("5");
             return Main();
         }, {}},
        {"the percent field, empty, text on the clipboard", [] {
             QApplication::clipboard()->setText("7");
             Editor()->Show();
             play::Focus(*PercentField());
             return Editor();
         }, {"EditPaste"}},
        {"the percent field, text selected", [] {
             Editor()->Show();
             play::Type(*PercentField(), "50");
             play::Stroke(*PercentField(), Qt::Key_Home, Qt::ShiftModifier);
             return Editor();
         }, {"EditUndo", "EditCut", "EditCopy", "EditClear"}},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.what);
        const auto window = state.set();
        ProcessEvents();
        Names expected = state.editing;
        if (window == Main())
            expected.insert(expected.end(), mainItems.begin(), mainItems.end());
        EXPECT_EQ(EnabledEditEntries(window), expected);
        const Names file = window == Main() ? Names{"FileNew", "FileShowPrefs", "FileQuit"} : Names{"FileQuit"};
        EXPECT_EQ(play::EnabledEntries(*window, "FileMenu"), file) << "the editor binds none of the main window's items";
        QApplication::clipboard()->clear();
        if (!Live("preferencewindow").IsNil())
            Editor()->Close();
        if (Sheet().IsNil())
            firstwindow::Instance()->ShowWithin(Main(), -1);
        NumberBox()->Text("");
    }
}

TEST_F(Editing, EachEditItemActsOnThePercentField)
{
    Editor()->Show();
    const auto field = PercentField();
    play::Focus(*field);
    play::Type(*field, "50");
    auto* line = static_cast<QLineEdit*>(rb::WidgetOf(*field));
    const auto choose = [&](const char* item) { play::Choose(*Editor(), "EditMenu", item); };

    choose("EditSelectAll");
    EXPECT_EQ(line->selectedText(), "50");
    choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "50");
    EXPECT_EQ(field->Text(), "50");
    choose("EditCut");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "50");
    choose("EditUndo");
    EXPECT_EQ(field->Text(), "50");
    QApplication::clipboard()->setText("7.5%");
    choose("EditSelectAll");
    choose("EditPaste");
    EXPECT_EQ(field->Text(), "7.5%") << "the field takes any text";
    line->setSelection(0, 1);
    choose("EditClear");
    EXPECT_EQ(field->Text(), ".5%");
    EXPECT_EQ(QApplication::clipboard()->text(), "7.5%") << "Delete leaves the clipboard";
    choose("EditUndo");
    EXPECT_EQ(field->Text(), "7.5%");
}

} // namespace
