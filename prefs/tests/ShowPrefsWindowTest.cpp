#include "GameFixture.h"
#include "PlayerInput.h"

#include "Module1.h"
#include "Window1.h"

#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/qt/QtAccess.h"

#include <QWidget>

namespace {

using namespace PlayerInput;

// The display over a started game whose preferences were saved, so that no
// editor stands in the way.
class ShowPrefsWindow : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        WritePreferences(0.0, true, false);
        StartGame();
    }

    void TearDown() override
    {
        GameFixture::TearDown();
        Module1::ratio = 0.0;
    }

    static rb::Ref<rb::Window> Display() { return rb::GetImplicitWindow("showprefswindow.showprefswindow"); }

    static rb::Ref<rb::Window> ShowDisplay()
    {
        ChooseMenuItem(Window1::Instance(), "FileShowPrefs");
        ProcessEvents();
        return Display();
    }

    static std::string Shown()
    {
        return rb::RuntimeWindowControlByName(Display(), "StaticText1").Cast<rb::StaticText>()->Text();
    }
};

struct TextCase {
    double ratio;
    const char* shown;
};

TEST_F(ShowPrefsWindow, ShowsTheLastTwoCharactersOfTheThresholdAsAPercentage)
{
    const TextCase cases[] = {
        {1.0, "100%"},  {0.75, "75%"}, {0.5, "50%"},  {0.05, "05%"},  {0.0, "0%"},
        {0.333, "33%"}, {1.5, "50%"},  {-0.05, "05%"}, {0.7000000000000001, "70%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ratio " << c.ratio);
        Module1::ratio = c.ratio;
        ASSERT_FALSE(ShowDisplay().IsNil());
        EXPECT_EQ(Shown(), c.shown);
        Click(rb::WidgetOf(*Display()));
    }
}

TEST_F(ShowPrefsWindow, AClickHidesTheDisplayAndTheMenuShowsItAgainWithTheNewThreshold)
{
    Module1::ratio = 0.5;
    const auto display = ShowDisplay();
    ASSERT_FALSE(display.IsNil());
    EXPECT_TRUE(display->Visible());
    EXPECT_EQ(rb::FrameWidgetOf(*display)->parentWidget(), rb::WidgetOf(*Window1::Instance()));

    Click(rb::WidgetOf(*display), QPoint(10, 10));
    EXPECT_FALSE(display->Visible());
    EXPECT_EQ(Display(), display);

    Module1::ratio = 0.75;
    EXPECT_EQ(ShowDisplay(), display);
    EXPECT_TRUE(display->Visible());
    EXPECT_EQ(Shown(), "75%");
}

TEST_F(ShowPrefsWindow, ShowsTheThresholdJustSavedInTheEditor)
{
    ChooseMenuItem(Window1::Instance(), "EditPreferences");
    const auto editor = rb::GetImplicitWindow("preferencewindow.preferencewindow");
    ASSERT_FALSE(editor.IsNil());
    Tick(ControlWidget(editor, "checkapplause"));
    Type(ControlWidget(editor, "TextField1"), "35");
    Click(ControlWidget(editor, "PushButton1"));
    ProcessEvents();
    ASSERT_FALSE(ShowDisplay().IsNil());
    EXPECT_EQ(Shown(), "35%");
}

TEST_F(ShowPrefsWindow, ThePointerOverTheDisplayIsTheFingerPointer)
{
    const auto display = ShowDisplay();
    ASSERT_FALSE(display.IsNil());
    Enter(rb::WidgetOf(*display));
    EXPECT_EQ(display->MouseCursor(), rb::System::Cursors().FingerPointer);
}

} // namespace
