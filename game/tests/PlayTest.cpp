#include "BoardPaint.h"
#include "PlayDriver.h"
#include "PlayFixture.h"

#include "Module1.h"
#include "PictureItems.h"

#include "rb/Graphics.h"
#include "rb/RectControl.h"
#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/Window.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QLabel>
#include <QPaintEvent>
#include <QRegion>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

using Sounds = std::vector<std::string>;

const QPoint InBasket{500, 640};
const std::string Refused = "Please choose a number between 1 and 42.";

class Play : public PlayFixture {
protected:
    static bool EndWindowIsUp() { return !Live("endwindow").IsNil(); }

    // The box of the group, or the next one along for a wrong answer.
    static std::int32_t BoxFor(const std::string& key, bool right)
    {
        for (std::int32_t index = 0; index < 3; ++index)
            if (Box(index)->name == key.substr(0, 1))
                return right ? index : (index + 1) % 3;
        return -1;
    }
};

TEST_F(Play, AWholeGameOfFiveItemsJudgesEveryDropAndEndsAfterTheLast)
{
    play::FixedRandom random({1, 4, 9, 12}); // fruit, vegetables, breads; samples f4, v9, b12
    play::SoundLog sounds;
    StartGame();
    const std::set<std::string> samples{"f4", "v9", "b12"};
    ASSERT_EQ(Box(0)->name + Box(1)->name + Box(2)->name, "fvb");
    Answer("5");
    ASSERT_EQ(Main()->howmany, 5);
    ASSERT_TRUE(Sheet().IsNil());

    const bool rightAnswers[] = {true, false, true, true, false};
    std::set<std::string> served;
    int score = 0;
    for (const bool right : rightAnswers) {
        ClickBoard(InBasket);
        ASSERT_FALSE(Main()->pix.IsNil());
        const std::string key = Main()->pix->name;
        SCOPED_TRACE(key + (right ? " right" : " wrong"));
        EXPECT_EQ(samples.count(key), 0u);
        EXPECT_TRUE(served.insert(key).second);
        EXPECT_EQ(Module1::s->IndexOf(key), -1);
        EXPECT_TRUE(Main()->waiting);
        EXPECT_TRUE(Main()->inbasket);
        EXPECT_EQ(sounds.Take(), Sounds{"pop.wav@100"});

        const auto box = Box(BoxFor(key, right));
        const auto shownBefore = box->tempic;
        const auto item = Main()->pix->p;
        play::DropPicture(*box); // a red picture: the served item is judged, not what was dropped
        ProcessEvents();

        EXPECT_TRUE(Main()->pix.IsNil());
        EXPECT_FALSE(Main()->waiting);
        EXPECT_FALSE(Main()->inbasket);
        score += right ? 1 : 0;
        EXPECT_EQ(box->tempic, right ? item : shownBefore);
        EXPECT_EQ(Main()->StaticText1()->Text(), std::to_string(score));
        Sounds heard{right ? "Bell2.wav@100" : "buzz.wav@100"};
        if (served.size() == 5)
            heard.insert(heard.end(), {"MorningRain.mp3@50", "children.wav@100"}); // threshold 0: applause
        EXPECT_EQ(sounds.Take(), heard);
        EXPECT_EQ(EndWindowIsUp(), served.size() == 5);
    }
    EXPECT_EQ(Module1::s->Ubound(), 41 - 5);

    ClickBoard(InBasket);
    EXPECT_TRUE(Main()->pix.IsNil());
    EXPECT_EQ(Main()->c, 5);
    EXPECT_TRUE(sounds.Take().empty());
}

// Also on a screen too small for the board, where the whole program is
// scaled down: the release at the screen pixel that shows a point reaches
// the game as that point. (A screen has fewer pixels than the board has
// units; at 0.875 each of the edges below has a pixel of its own.)
class PlayOnScreen : public Play, public testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        rb::testing::SetScreenScale(GetParam());
        Play::SetUp();
    }

    void TearDown() override
    {
        Play::TearDown();
        rb::testing::SetScreenScale(1.0);
    }
};

TEST_P(PlayOnScreen, OnlyAReleaseStrictlyInsideTheBasketAreaServes)
{
    struct Release {
        QPoint at;
        bool serves;
    };
    const Release releases[] = {
        {{440, 640}, false}, {{441, 640}, true}, {{564, 640}, true}, {{565, 640}, false},
        {{500, 580}, false}, {{500, 581}, true}, {{500, 704}, true}, {{500, 705}, false},
    };
    StartGame();
    Answer("42");
    for (const auto& release : releases) {
        SCOPED_TRACE(std::to_string(release.at.x()) + ", " + std::to_string(release.at.y()));
        ClearServedItem();
        const std::int32_t served = Main()->c;
        ClickBoard(release.at);
        EXPECT_EQ(Main()->pix.IsNil(), !release.serves);
        EXPECT_EQ(Main()->c, served + (release.serves ? 1 : 0));
        EXPECT_EQ(QPoint(Main()->MouseX(), Main()->MouseY()), release.at);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PlayOnScreen, testing::Values(1.0, 0.875));

TEST_F(Play, TheBasketServesNothingWhileAnItemWaitsOrNoneIsLeftToServe)
{
    enum class Situation { ItemWaiting, AllServed, NotAnswered };
    const std::pair<const char*, Situation> situations[] = {
        {"an item waits", Situation::ItemWaiting},
        {"c equals howmany", Situation::AllServed},
        {"howmany is 0", Situation::NotAnswered},
    };
    for (const auto& [what, situation] : situations) {
        SCOPED_TRACE(what);
        StartGame();
        if (situation == Situation::NotAnswered) {
            Sheet()->Close(); // out of the way, unanswered
            ProcessEvents();
        } else {
            Answer(situation == Situation::AllServed ? "1" : "3");
            ClickBoard(InBasket);
            if (situation == Situation::AllServed)
                ClearServedItem();
        }
        const auto item = Main()->pix;
        const std::int32_t served = Main()->c;
        const std::int32_t deck = Module1::s->Ubound();
        play::SoundLog sounds;

        ClickBoard(InBasket);

        EXPECT_EQ(Main()->pix, item);
        EXPECT_EQ(Main()->c, served);
        EXPECT_EQ(Module1::s->Ubound(), deck);
        EXPECT_TRUE(sounds.Take().empty());
        FinishGame();
    }
}

// What the board's widget is asked to paint while it lives.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintSpy() override { widget_->removeEventFilter(this); }
    PaintSpy(const PaintSpy&) = delete;
    PaintSpy& operator=(const PaintSpy&) = delete;
    const QRegion& Painted() const { return painted_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QWidget* widget_;
    QRegion painted_;
};

// The region's rectangles as left, top, width x height.
std::string Described(const QRegion& region)
{
    std::string text;
    for (const QRect& r : region)
        text += " (" + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ", " + std::to_string(r.width()) +
                " x " + std::to_string(r.height()) + ")";
    return text.empty() ? " nothing" : text;
}

// A serve repaints the strip from x 336 to x 583 below the item's top, and
// beyond it only what drawing the item at once needs.
TEST_F(Play, AServeRepaintsTheBoardStripBelowTheItem)
{
    struct Served {
        std::int32_t width;
        std::int32_t height;
        std::array<std::int32_t, 4> item; // left, top, width, height
    };
    const Served cases[] = {
        {120, 90, {440, 620, 120, 90}},
        {121, 90, {439, 620, 121, 90}}, // 439.5 converted
        {300, 200, {350, 510, 300, 200}}, // wider than the strip
    };
    StartGame();
    Answer("42");
    for (const auto& served : cases) {
        SCOPED_TRACE(std::to_string(served.width) + " x " + std::to_string(served.height));
        ClearServedItem();
        const auto picture = play::SolidPicture(served.width, served.height, Qt::blue);
        for (std::int32_t index = 0; index <= Module1::s->Ubound(); ++index)
            Module1::d->Value(Module1::s->Element(index), picture);
        PaintSpy spy(rb::WidgetOf(*Main()->Canvas1()));
        ClickBoard(InBasket);
        ASSERT_FALSE(Main()->pix.IsNil());
        const auto& pix = *Main()->pix;
        ASSERT_EQ((std::array{pix.left, pix.top, pix.width, pix.height}), served.item);

        const QRect item(pix.left, pix.top, pix.width, pix.height);
        const QRect strip(336, pix.top, 248, 800 - pix.top);
        EXPECT_TRUE((QRegion(strip) - spy.Painted()).isEmpty()) << "painted:" << Described(spy.Painted());
        EXPECT_TRUE((spy.Painted() - strip - item).isEmpty()) << "painted:" << Described(spy.Painted());
    }
}

TEST_F(Play, TheBoardTakesTheFingerPointerOverTheBasketAndKeepsIt)
{
    struct Moved {
        QPoint to;
        bool finger;
    };
    const Moved moves[] = {
        {{300, 300}, false}, {{440, 640}, false}, {{500, 705}, false}, {{441, 581}, true}, {{300, 300}, true},
    };
    StartGame();
    Answer("1");
    for (const auto& move : moves) {
        SCOPED_TRACE(std::to_string(move.to.x()) + ", " + std::to_string(move.to.y()));
        play::Move(*Main(), move.to);
        const auto expected = move.finger ? rb::System::Cursors().FingerPointer : nullptr;
        EXPECT_EQ(Main()->Canvas1()->MouseCursor(), expected);
    }
}

TEST_F(Play, AnItemIsHitStrictlyInsideItsRectangleOnABoardPixelThatIsNotWhite)
{
    struct Point {
        QPoint at;
        QColor board;
        bool hits;
    };
    const QColor dark(10, 10, 10);
    const Point points[] = {
        {{400, 600}, dark, false},
        {{600, 600}, dark, false},
        {{450, 500}, dark, false},
        {{401, 501}, dark, true},
        {{599, 709}, dark, true},
        {{500, 600}, QColor(255, 255, 255), false},
        {{500, 600}, QColor(254, 255, 255), true},
    };
    StartGame();
    auto item = rb::New<food>();
    item->left = 400;
    item->top = 500;
    item->width = 200;
    item->height = 210;
    for (const auto& point : points) {
        SCOPED_TRACE(std::to_string(point.at.x()) + ", " + std::to_string(point.at.y()) + " on " +
                     point.board.name().toStdString());
        Main()->Canvas1()->Graphics()->DrawPicture(play::SolidPicture(1, 1, point.board), point.at.x(),
                                                   point.at.y());
        EXPECT_EQ(item->within(point.at.x(), point.at.y()), point.hits);
    }
}

TEST_F(Play, ABoxCentresItsPictureAndLowersOneNotAsHighAsItself)
{
    struct Shown {
        std::int32_t width;
        std::int32_t height;
        PixelBox area;
    };
    const Shown cases[] = {
        {200, 239, {50, 0, 250, 239}},
        {200, 201, {50, 34, 250, 235}},
        {0, 0, {}}, // before the first deal: nothing drawn
    };
    StartGame();
    const auto box = Box(1);
    for (const auto& shown : cases) {
        SCOPED_TRACE(std::to_string(shown.width) + " x " + std::to_string(shown.height));
        box->tempic = shown.width == 0 ? nullptr : play::SolidPicture(shown.width, shown.height, Qt::blue);
        auto painted = rb::New<rb::Picture>(300, 239, 32);
        box->Event_Paint(painted->Graphics());
        EXPECT_EQ(Differences(painted, rb::New<rb::Picture>(300, 239, 32), {0, 0, 300, 239}), shown.area);
    }
    EXPECT_NO_THROW(box->Event_Paint(nullptr));
}

TEST_F(Play, TheDealGivesEachBoxItsGroupAndSampleAndTakesTheSamplesOutOfTheDeck)
{
    struct Deal {
        std::vector<std::int32_t> draws; // group order, then the three numbers
        std::array<const char*, 3> keys;
    };
    const Deal deals[] = {
        {{1, 2, 3, 4}, {"f2", "v3", "b4"}},
        {{2, 7, 7, 7}, {"b7", "f7", "v7"}},
        {{3, 1, 15, 9}, {"v1", "b15", "f9"}},
        {{6, 15, 1, 8}, {"b15", "v1", "f8"}},
    };
    StartGame();
    for (const auto& deal : deals) {
        SCOPED_TRACE(std::string(deal.keys[0]) + " " + deal.keys[1] + " " + deal.keys[2]);
        Module1::dodict();
        play::FixedRandom random(deal.draws);
        Main()->setitup();

        std::vector<std::string> rest;
        for (const char* group : {"f", "v", "b"})
            for (int number = 1; number <= 15; ++number)
                rest.push_back(group + std::to_string(number));
        for (std::int32_t index = 0; index < 3; ++index) {
            const std::string key = deal.keys[static_cast<std::size_t>(index)];
            EXPECT_EQ(Box(index)->name, key.substr(0, 1));
            EXPECT_EQ(Box(index)->tempic, Module1::d->Value(key).ObjectValue<rb::Picture>());
            std::erase(rest, key);
        }
        std::vector<std::string> deck;
        for (std::int32_t index = 0; index <= Module1::s->Ubound(); ++index)
            deck.push_back(Module1::s->Element(index));
        EXPECT_EQ(deck, rest);
    }
    // The last deal's samples are the catalogue's artichoke, pancakes and lime.
    Module1::dodict();
    play::FixedRandom random({3, 1, 15, 9});
    Main()->setitup();
    EXPECT_EQ(Box(0)->tempic, artichoke());
    EXPECT_EQ(Box(1)->tempic, pancakes());
    EXPECT_EQ(Box(2)->tempic, lime());
}

// Every key pressed in the number box, with "4" typed before it: the digits,
// backspace, Return and Enter pass; every other key is swallowed whole, so
// that neither the box, its caret, the focus nor the windows around it see it.
TEST_F(Play, TheNumberBoxTakesDigitsBackspaceReturnAndEnterOnly)
{
    struct Pressed {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool swallowed;
        std::string boxAfter; // empty when OK took the number
        bool sheetCloses;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    std::vector<Pressed> keys = {
        {"digit", Qt::Key_7, none, false, "47", false},
        {"zero", Qt::Key_0, none, false, "40", false},
        {"keypad digit", Qt::Key_5, Qt::KeypadModifier, false, "45", false},
        {"backspace", Qt::Key_Backspace, none, false, "", false},
        {"Return", Qt::Key_Return, none, false, "", true},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, false, "", true},
        {"letter", Qt::Key_A, none, true, "4", false},
        {"capital", Qt::Key_Z, shift, true, "4", false},
        {"minus", Qt::Key_Minus, none, true, "4", false},
        {"point", Qt::Key_Period, none, true, "4", false},
        {"space", Qt::Key_Space, none, true, "4", false},
        {"Tab", Qt::Key_Tab, none, true, "4", false},
        {"Shift+Tab", Qt::Key_Backtab, shift, true, "4", false},
        {"Escape", Qt::Key_Escape, none, true, "4", false},
        {"forward delete", Qt::Key_Delete, none, true, "4", false},
        {"Insert", Qt::Key_Insert, none, true, "4", false},
        {"Shift+Insert", Qt::Key_Insert, shift, true, "4", false},
        {"left arrow", Qt::Key_Left, none, true, "4", false},
        {"right arrow", Qt::Key_Right, none, true, "4", false},
        {"up arrow", Qt::Key_Up, none, true, "4", false},
        {"down arrow", Qt::Key_Down, none, true, "4", false},
        {"Shift+left arrow", Qt::Key_Left, shift, true, "4", false},
        {"Home", Qt::Key_Home, none, true, "4", false},
        {"Shift+Home", Qt::Key_Home, shift, true, "4", false},
        {"End", Qt::Key_End, none, true, "4", false},
        {"Page Up", Qt::Key_PageUp, none, true, "4", false},
        {"Page Down", Qt::Key_PageDown, none, true, "4", false},
        {"menu key", Qt::Key_Menu, none, true, "4", false},
        {"Ctrl+Home", Qt::Key_Home, ctrl, true, "4", false},
        {"Ctrl+left arrow", Qt::Key_Left, ctrl, true, "4", false},
        {"Ctrl+Space", Qt::Key_Space, ctrl, true, "4", false},
        {"Ctrl+[", Qt::Key_BracketLeft, ctrl, true, "4", false},
        {"Ctrl+Backspace", Qt::Key_Backspace, ctrl, false, "", false}, // Chr(8): a backspace
    };
    for (int f = 1; f <= 12; ++f)
        keys.push_back({"function key", static_cast<Qt::Key>(Qt::Key_F1 + f - 1), none, true, "4", false});
    // Every Ctrl+letter that is no menu shortcut (Z, X, C, V, A and Q are); H
    // and M give Chr(8) and Chr(13), which pass: the box does nothing with them.
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (std::string("ZXCVAQ").find(letter) == std::string::npos) {
            const bool passes = letter == 'H' || letter == 'M';
            keys.push_back({"Ctrl+letter", static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')), ctrl, !passes, "4", false});
        }

    StartGame();
    for (const auto& pressed : keys) {
        SCOPED_TRACE(std::string(pressed.what) + " " + QKeySequence(pressed.modifiers | pressed.key).toString().toStdString());
        if (Sheet().IsNil())
            firstwindow::Instance()->ShowWithin(Main(), -1);
        const auto sheet = Sheet();
        const auto box = sheet->TextArea1();
        box->Text("");
        play::Type(*box, "4");
        const play::Caret caret = play::CaretOf(*box);
        const play::KeySpy beyond(*sheet);
        play::Stroke(*box, pressed.key, pressed.modifiers);
        ProcessEvents();
        EXPECT_EQ(Sheet().IsNil(), pressed.sheetCloses);
        if (pressed.sheetCloses) {
            EXPECT_EQ(Main()->howmany, 4);
            continue;
        }
        EXPECT_EQ(box->Text(), pressed.boxAfter);
        EXPECT_EQ(QApplication::focusWidget(), rb::WidgetOf(*box)) << "the focus moved";
        if (pressed.swallowed) {
            EXPECT_EQ(play::CaretOf(*box), caret) << "the caret moved";
            EXPECT_EQ(beyond.Presses(), 0) << "the key went on past the box";
        }
        EXPECT_TRUE(play::OpenMessages().empty());
        EXPECT_TRUE(Live("quitwindow").IsNil());
    }
}

TEST_F(Play, ATypedThirdDigitDoesNotEnterTheBox)
{
    StartGame();
    play::Type(*Sheet()->TextArea1(), "123");
    EXPECT_EQ(Sheet()->TextArea1()->Text(), "12");
}

TEST_F(Play, ThePromptShowsOnThreeLinesWithRoomForTheNumberBox)
{
    StartGame();
    const auto prompt = ControlOf<rb::StaticText>(Sheet(), "StaticText1");
    const auto* label = qobject_cast<const QLabel*>(rb::WidgetOf(*prompt));
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(QFontInfo(label->font()).family(), "Kidprint Regular");
    const QFontMetricsF metrics(label->font());
    // A line too wide for the label wraps, and the prompt runs under the box and the OK button.
    EXPECT_LT(label->heightForWidth(prompt->Width()), 4 * metrics.lineSpacing());
    const auto box = Sheet()->TextArea1();
    EXPECT_GE(prompt->Left() + metrics.horizontalAdvance("        "), box->Left() + box->Width());
}

TEST_F(Play, OkTakesANumberFrom1To42AndOtherwiseSaysSoAndKeepsTheText)
{
    struct Answered {
        const char* text;
        std::int32_t howmany; // 0: refused
    };
    const Answered answers[] = {{"1", 1}, {"42", 42}, {"07", 7}, {"0", 0},
                                {"00", 0}, {"43", 0}, {"99", 0}, {"", 0}};
    StartGame();
    for (const auto& answer : answers) {
        SCOPED_TRACE(std::string("\"") + answer.text + "\"");
        Main()->howmany = 0;
        if (Sheet().IsNil())
            firstwindow::Instance()->ShowWithin(Main(), -1);
        Sheet()->TextArea1()->Text(answer.text);
        PressOk();
        EXPECT_EQ(Main()->howmany, answer.howmany);
        if (answer.howmany != 0) {
            EXPECT_TRUE(Sheet().IsNil());
            EXPECT_TRUE(play::OpenMessages().empty());
            continue;
        }
        ASSERT_FALSE(Sheet().IsNil());
        EXPECT_EQ(Sheet()->TextArea1()->Text(), answer.text);
        EXPECT_EQ(play::OpenMessages(), std::vector<std::string>{Refused});
        play::CloseMessages();
    }
}

TEST_F(Play, ADropJudgesNothingWithoutAPictureOrAServedItemButStillEndsAFinishedGame)
{
    struct Dropped {
        const char* what;
        bool served;
        bool picture;
        bool gameOver; // c equals howmany
    };
    const Dropped drops[] = {
        {"no picture, item served", true, false, false},
        {"no picture, item served, last item", true, false, true},
        {"picture, nothing served", false, true, false},
        {"picture, nothing served, game over", false, true, true},
    };
    for (const auto& drop : drops) {
        SCOPED_TRACE(drop.what);
        StartGame();
        Answer("3");
        if (drop.served)
            ClickBoard(InBasket);
        Main()->c = drop.gameOver ? Main()->howmany : 1;
        const auto item = Main()->pix;
        const auto box = Box(0);
        const auto shown = box->tempic;
        play::SoundLog sounds;

        drop.picture ? play::DropPicture(*box) : play::DropText(*box);
        ProcessEvents();

        EXPECT_EQ(Main()->pix, item);
        EXPECT_EQ(Main()->waiting, drop.served);
        EXPECT_EQ(Main()->inbasket, drop.served);
        EXPECT_EQ(box->tempic, shown);
        EXPECT_EQ(Main()->StaticText1()->Text(), "0");
        const Sounds ending{"MorningRain.mp3@50", "children.wav@100"};
        EXPECT_EQ(sounds.Take(), drop.gameOver ? ending : Sounds{});
        EXPECT_EQ(EndWindowIsUp(), drop.gameOver);
        FinishGame();
    }
}

} // namespace
