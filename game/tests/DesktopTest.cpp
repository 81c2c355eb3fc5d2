// The game's windows on a desktop: each window shown over the board is the
// transient child of the main window, and the keyboard goes where a child
// types first: the editor's percent field, the welcome sheet's number box,
// and back to the box after the range message.
#include "PlayDriver.h"
#include "PlayFixture.h"

#include "endwindow.h"
#include "preferencewindow.h"
#include "showprefswindow.h"

#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include <filesystem>

namespace {

class Desktop : public PlayFixture {
protected:
    static QWindow* Native(const rb::Ref<rb::Window>& window) { return rb::FrameWidgetOf(*window)->windowHandle(); }
    static QWidget* NumberBox() { return rb::WidgetOf(*Sheet()->TextArea1()); }
};

TEST_F(Desktop, TheFirstStartsEditorIsAChildOfTheBoardWithTheFocusOnItsPercentField)
{
    std::filesystem::remove(PreferencesFile());
    StartGame();
    auto editor = Live("preferencewindow");
    ASSERT_FALSE(editor.IsNil());
    EXPECT_TRUE(Main()->Visible());
    EXPECT_EQ(Native(editor)->transientParent(), Native(Main()));
    EXPECT_EQ(QApplication::focusWidget(), rb::WidgetOf(*ControlOf<rb::TextField>(editor, "TextField1")));

    ClickButton(editor, "PushButton2"); // Cancel
    EXPECT_EQ(QApplication::focusWidget(), NumberBox()) << "the welcome sheet waits for a number";
}

TEST_F(Desktop, TheWelcomeSheetTakesTypingAtOnceAndAgainAfterTheRangeMessage)
{
    StartGame();
    ASSERT_EQ(QApplication::focusWidget(), NumberBox());
    Sheet()->TextArea1()->Text("99");
    PressOk();
    ASSERT_EQ(play::OpenMessages().size(), 1u);
    play::CloseMessages();
    ProcessEvents();
    EXPECT_EQ(QApplication::focusWidget(), NumberBox());
}

TEST_F(Desktop, EveryWindowShownOverTheBoardIsTheMainWindowsTransientChild)
{
    StartGame();
    const auto expectChild = [](const char* className) {
        SCOPED_TRACE(className);
        auto window = Live(className);
        ASSERT_FALSE(window.IsNil());
        EXPECT_TRUE(window->Visible());
        EXPECT_EQ(Native(window)->transientParent(), Native(Main()));
        window->Close();
        ProcessEvents();
    };
    Main()->HandleMenuItem("EditPreferences");
    expectChild("preferencewindow");
    Main()->HandleMenuItem("EditAboutNubrello");
    expectChild("aboutbox");
    endwindow::Instance()->Show();
    expectChild("endwindow");
    rb::FrameWidgetOf(*Main())->close(); // the close box asks first
    ProcessEvents();
    expectChild("quitwindow");

    Sheet()->TextArea1()->Text("");
    PressOk();
    QWidget* message = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(widget) && widget->isVisible())
            message = widget;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->windowHandle()->transientParent(), Native(Main()));

    Main()->HandleMenuItem("FileShowPrefs");
    EXPECT_EQ(rb::FrameWidgetOf(*showprefswindow::Instance())->parentWidget(), rb::WidgetOf(*Main()))
        << "the preferences display is within the board";
}

} // namespace
