#include "BoardPaint.h"
#include "PlayDriver.h"
#include "PlayFixture.h"

#include "Module1.h"
#include "PictureItems.h"
#include "endwindow.h"
#include "quitwindow.h"

#include "rb/PushButton.h"
#include "rb/StaticText.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

namespace {

using Sounds = std::vector<std::string>;

class End : public PlayFixture {
protected:
    // The end of a game with that score of that many items.
    static rb::Ref<endwindow> EndAt(const std::string& score, std::int32_t howmany)
    {
        Main()->StaticText1()->Text(score);
        Main()->howmany = howmany;
        Main()->c = howmany;
        return endwindow::Instance();
    }

    static rb::Ref<quitwindow> Confirmation() { return Live("quitwindow").Cast<quitwindow>(); }

    // The main window's close box.
    static void CloseMainWindow()
    {
        rb::FrameWidgetOf(*Main())->close();
        ProcessEvents();
    }
};

TEST_F(End, TheScoreTextTellsTheScoreOutOfTheItemsOnItsSecondLine)
{
    StartGame();
    const auto window = EndAt("7", 10);
    EXPECT_EQ(ControlOf<rb::StaticText>(window, "StaticText1")->Text(), "You got a score of \r7 out of 10!");
}

TEST_F(End, ApplausePlaysUnlessTheThresholdIsAboveTheShareOfRightAnswers)
{
    struct Ending {
        double ratio;
        const char* score;
        std::int32_t howmany;
        bool applause;
    };
    const double seventy = 70 * 0.01; // as the preferences store 70 %: 0.7000000000000001
    const Ending endings[] = {
        {seventy, "7", 10, false}, {seventy, "8", 10, true}, {seventy, "14", 20, false},
        {seventy, "21", 30, false}, {0.0, "0", 10, true},    {0.0, "4", 10, true},
        {0.0, "10", 10, true},      {0.0, "0", 0, true},     {seventy, "0", 0, true},
    };
    StartGame();
    play::SoundLog sounds;
    for (const auto& ending : endings) {
        SCOPED_TRACE(std::to_string(ending.ratio) + ": " + ending.score + " of " + std::to_string(ending.howmany));
        Module1::ratio = ending.ratio;
        EndAt(ending.score, ending.howmany)->Close();
        EXPECT_EQ(sounds.Take(), ending.applause ? Sounds{"children.wav@100"} : Sounds{});
    }
    Module1::ratio = 0.0;
}

TEST_F(End, ShowingTheLiveEndWindowAgainComputesNothingAgain)
{
    StartGame();
    play::SoundLog sounds;
    const auto window = EndAt("3", 5);
    EXPECT_EQ(sounds.Take(), Sounds{"children.wav@100"});
    Main()->StaticText1()->Text("4");
    endwindow::Instance()->Show();
    EXPECT_EQ(endwindow::Instance(), window);
    EXPECT_EQ(ControlOf<rb::StaticText>(window, "StaticText1")->Text(), "You got a score of \r3 out of 5!");
    EXPECT_TRUE(sounds.Take().empty());
}

TEST_F(End, TheIconIsDrawnThroughItsMask)
{
    StartGame();
    auto painted = rb::New<rb::Picture>(58, 100, 32);
    EndAt("1", 1)->Canvas1_Paint(painted->Graphics());
    auto expected = rb::New<rb::Picture>(58, 100, 32);
    expected->Graphics()->DrawPicture(NubrelloIcon(), 0, 0);
    EXPECT_TRUE(Differences(painted, expected, {0, 0, 58, 100}).Empty());
    EXPECT_FALSE(Differences(painted, rb::New<rb::Picture>(58, 100, 32), {0, 0, 58, 100}).Empty());
}

TEST_F(End, NewGameResetsDealsAndAsksAgainThenCloses)
{
    // Dealt b2, v3 and f4 at the start, then f2, v4 and b14.
    play::FixedRandom random({6, 2, 3, 4, 1, 2, 4, 14});
    StartGame();
    Answer("3");
    Module1::s->Remove(0); // a served key, gone from the deck
    const auto window = EndAt("2", 3);

    ClickButton(window, "PushButton2");

    EXPECT_EQ(Main()->StaticText1()->Text(), "0");
    EXPECT_EQ(Main()->c, 0);
    EXPECT_EQ(Main()->howmany, 3); // until the sheet's OK
    EXPECT_EQ(Module1::s->Ubound(), 41);
    EXPECT_EQ(Module1::s->IndexOf("f1"), 0);
    EXPECT_EQ(Box(0)->tempic, apricot());
    EXPECT_EQ(Box(1)->tempic, cabbage());
    EXPECT_EQ(Box(2)->tempic, frenchroll());
    ASSERT_FALSE(Sheet().IsNil());
    EXPECT_TRUE(Live("endwindow").IsNil());
    Answer("4");
    EXPECT_EQ(Main()->howmany, 4);
}

TEST_F(End, TheConfirmationCountsTheItemsLeftAndGrowsForTheLine)
{
    struct Left {
        std::int32_t howmany;
        std::int32_t c;
        const char* line; // nullptr: no line
        std::int32_t height;
    };
    const Left cases[] = {
        {8, 3, "You have 5 food items left to sort.", 100},
        {8, 7, "You have 1 food item left to sort.", 100},
        {8, 8, nullptr, 80},
        {0, 0, nullptr, 80},
    };
    StartGame();
    for (const auto& left : cases) {
        SCOPED_TRACE(std::to_string(left.howmany) + " chosen, " + std::to_string(left.c) + " served");
        Main()->howmany = left.howmany;
        Main()->c = left.c;
        CloseMainWindow();
        const auto confirmation = Confirmation();
        ASSERT_FALSE(confirmation.IsNil());
        EXPECT_FALSE(Main()->shutdown);
        EXPECT_TRUE(confirmation->Visible());
        EXPECT_TRUE(Main()->Visible());
        EXPECT_EQ(ControlOf<rb::StaticText>(confirmation, "StaticText1")->Text(), "Are you sure you want to quit?");
        const auto line = ControlOf<rb::StaticText>(confirmation, "StaticText2");
        EXPECT_EQ(line->Visible(), left.line != nullptr);
        if (left.line != nullptr) {
            EXPECT_EQ(line->Text(), left.line);
        }
        EXPECT_EQ(confirmation->Height(), left.height);
        for (const char* button : {"PushButton1", "PushButton2"})
            EXPECT_EQ(ControlOf<rb::RectControl>(confirmation, button)->Top(), left.height - 40) << button;
        const auto quit = ControlOf<rb::PushButton>(confirmation, "PushButton1");
        const auto cancel = ControlOf<rb::PushButton>(confirmation, "PushButton2");
        EXPECT_TRUE(quit->Default() && !quit->Cancel());
        EXPECT_TRUE(cancel->Cancel() && !cancel->Default());
        const QWidget* frame = rb::FrameWidgetOf(*confirmation);
        EXPECT_TRUE(frame->isWindow());
        EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowCloseButtonHint)); // no close box
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize());                  // nor a resizable frame
        ClickButton(confirmation, "PushButton2");
        EXPECT_TRUE(Confirmation().IsNil());
    }
}

TEST_F(End, CancelThenANewCloseBuildsAFreshConfirmation)
{
    StartGame();
    Main()->howmany = 6;
    Main()->c = 1;
    CloseMainWindow();
    const auto first = Confirmation();
    CloseMainWindow(); // asked again while it is up: the same one
    EXPECT_EQ(Confirmation(), first);
    ClickButton(first, "PushButton2");
    EXPECT_TRUE(Confirmation().IsNil());
    EXPECT_FALSE(Main()->shutdown);

    Main()->c = 2;
    CloseMainWindow();
    ASSERT_FALSE(Confirmation().IsNil());
    EXPECT_NE(Confirmation(), first);
    EXPECT_EQ(ControlOf<rb::StaticText>(Confirmation(), "StaticText2")->Text(),
              "You have 4 food items left to sort.");
}

TEST_F(End, QuitConfirmsAndTheProgramEndsWithStatus0)
{
    StartGame();
    const auto main = Main();
    CloseMainWindow();
    QTimer::singleShot(0, [] { ClickButton(Confirmation(), "PushButton1"); });
    QTimer guard; // the quit never came
    guard.callOnTimeout([] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(main->shutdown);
    EXPECT_TRUE(Live("Window1").IsNil());
    EXPECT_TRUE(Confirmation().IsNil());
}

TEST_F(End, TheEndWindowsQuitMeetsTheConfirmationWithoutConfirming)
{
    StartGame();
    const auto window = EndAt("5", 5);
    window->Show();
    ProcessEvents();
    ClickButton(window, "PushButton1");
    EXPECT_FALSE(Main()->shutdown);
    EXPECT_FALSE(Live("Window1").IsNil());
    ASSERT_FALSE(Confirmation().IsNil());
    EXPECT_FALSE(ControlOf<rb::StaticText>(Confirmation(), "StaticText2")->Visible());
    EXPECT_EQ(Confirmation()->Height(), 80);
}

TEST_F(End, TheCloseIsRefusedUntilQuitIsConfirmedWhateverTheFrameworkPasses)
{
    StartGame();
    for (const bool quitting : {false, true}) {
        SCOPED_TRACE(quitting ? "application quit" : "window close");
        Main()->shutdown = false;
        EXPECT_TRUE(Main()->Event_CancelClose(quitting));
        EXPECT_FALSE(Confirmation().IsNil());
        Confirmation()->Close();
        Main()->shutdown = true;
        EXPECT_FALSE(Main()->Event_CancelClose(quitting));
        EXPECT_TRUE(Confirmation().IsNil());
    }
    Main()->shutdown = false;
}

} // namespace
