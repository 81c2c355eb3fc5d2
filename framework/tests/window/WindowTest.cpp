#include "WindowFixture.h"

#include "graphics/QtPicture.h"
#include "rb/Canvas.h"
#include "rb/Picture.h"
#include "rb/PushButton.h"
#include "rb/StaticText.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A control that logs its Open event into its window's log.
class LoggingLabel : public rb::StaticText {
public:
    void Event_Open() override
    {
        auto window = Window().Cast<TestWindow>();
        window->log.push_back(Name() + ".Open");
    }
};

// Counts the frame's Show events while it is a window of its own.
class ShowCounter : public QObject {
public:
    int topLevelShows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && static_cast<QWidget*>(watched)->isWindow())
            ++topLevelShows;
        return false;
    }
};

class WindowTest : public WindowFixture {};

TEST_F(WindowTest, BuildingRaisesLayoutControlsMenusThenControlOpensThenWindowOpen)
{
    auto window = TestWindow::Build([](TestWindow& w) {
        w.Add<LoggingLabel>("First");
        w.Add<LoggingLabel>("Second");
    });
    EXPECT_EQ(window->log, (Log{"Layout", "CreateControls", "AddMenuHandlers", "First.Open", "Second.Open", "Open"}));
}

TEST_F(WindowTest, AccessorGivesTheLiveWindowUntilItClosesThenANewOne)
{
    auto first = TestWindow::Build();
    EXPECT_EQ(rb::GetImplicitWindow("TestWindow.TestWindow"), first);
    EXPECT_TRUE(rb::GetImplicitWindow("Other.Other").IsNil());

    first->refuseClose = true;
    first->Close();
    EXPECT_EQ(rb::GetImplicitWindow("TestWindow.TestWindow"), first) << "a refused close keeps the instance";

    first->refuseClose = false;
    first->Close();
    EXPECT_EQ(first->closeAsked, (std::vector<bool>{false, false}));
    EXPECT_TRUE(rb::GetImplicitWindow("TestWindow.TestWindow").IsNil());

    auto second = TestWindow::Build();
    EXPECT_NE(second, first);
    EXPECT_EQ(rb::GetImplicitWindow("TestWindow.TestWindow"), second);
    EXPECT_EQ(second->log.back(), "Open") << "the new instance is built afresh";
}

TEST_F(WindowTest, ClosingTheFrameAsksCancelCloseAndARefusalKeepsItOpen)
{
    auto window = TestWindow::Build();
    window->Show();
    window->refuseClose = true;
    EXPECT_FALSE(rb::FrameWidgetOf(*window)->close());
    EXPECT_TRUE(window->Visible());
    window->refuseClose = false;
    EXPECT_TRUE(rb::FrameWidgetOf(*window)->close());
    EXPECT_TRUE(rb::GetImplicitWindow("TestWindow.TestWindow").IsNil());
}

TEST_F(WindowTest, DesignedVisibleWindowAppearsOnceAtTheEndOfTheEvent)
{
    auto window = rb::New<TestWindow>();
    window->layout = [](TestWindow& w) { rb::SetProperties(rb::Ref<TestWindow>(&w), rb::PropertyList().Boolean("Visible", true).Bytes()); };
    ShowCounter counter;
    rb::FrameWidgetOf(*window)->installEventFilter(&counter);
    window->Constructor();
    EXPECT_FALSE(window->Visible()) << "not before the event that built it ends";
    ProcessEvents();
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(counter.topLevelShows, 1);
}

TEST_F(WindowTest, DesignedVisibleSheetShownWithinItsParentNeverAppearsOnItsOwn)
{
    auto parent = TestWindow::Build({}, "Parent.Parent");
    parent->Show();
    auto sheet = rb::New<TestWindow>("Sheet.Sheet");
    sheet->layout = [](TestWindow& w) {
        rb::SetProperties(rb::Ref<TestWindow>(&w),
                          rb::PropertyList().Integer("Frame", 8).Boolean("Visible", true).Bytes());
    };
    ShowCounter counter;
    rb::FrameWidgetOf(*sheet)->installEventFilter(&counter);
    sheet->Constructor();
    sheet->ShowWithin(parent);
    ProcessEvents();
    EXPECT_EQ(counter.topLevelShows, 0);
    EXPECT_EQ(rb::FrameWidgetOf(*sheet)->parentWidget(), rb::WidgetOf(*parent));
}

TEST_F(WindowTest, DesignedVisibleWindowHiddenBeforeItAppearsStaysHidden)
{
    auto window = rb::New<TestWindow>();
    window->layout = [](TestWindow& w) { rb::SetProperties(rb::Ref<TestWindow>(&w), rb::PropertyList().Boolean("Visible", true).Bytes()); };
    window->Constructor();
    window->Hide();
    ProcessEvents();
    EXPECT_FALSE(window->Visible());
}

TEST_F(WindowTest, SheetTakesTheParentsInputWhileItIsUp)
{
    rb::Ref<rb::PushButton> button;
    auto parent = TestWindow::Build(
        [&](TestWindow& w) {
            button = w.Add<rb::PushButton>("PushButton1", rb::PropertyList()
                                                              .Integer("Left", 10)
                                                              .Integer("Top", 150)
                                                              .Integer("Width", 80)
                                                              .Integer("Height", 20)
                                                              .Bytes());
        },
        "Parent.Parent");
    rb::SetProperties(parent, rb::PropertyList().Integer("Width", 400).Integer("Height", 200).Bytes());
    int pushes = 0;
    rb::InstallInstanceEventHandler(button, "Action",
                                    rb::RuntimeCreateDelegate(std::function<void()>([&] { ++pushes; }), "(  )"));
    parent->claimMouse = true;
    parent->Show();
    QWidget* content = rb::WidgetOf(*parent);

    auto sheet = TestWindow::Build({}, "Sheet.Sheet");
    rb::SetProperties(sheet, rb::PropertyList().Integer("Frame", 8).Integer("Width", 200).Integer("Height", 100).Bytes());
    sheet->ShowWithin(parent);
    EXPECT_EQ(rb::FrameWidgetOf(*sheet)->geometry(), QRect(100, 0, 200, 100)) << "at the top centre of the parent";

    parent->log.clear();
    Player::Click(content, QPoint(50, 160));
    Player::Click(content, QPoint(350, 190));
    EXPECT_EQ(pushes, 0);
    EXPECT_EQ(parent->log, Log{}) << "the parent's own mouse events are held back too";

    Player::Click(content, QPoint(150, 50));
    EXPECT_EQ(sheet->log.back(), "MouseDown 50,50") << "the sheet has the click";

    parent->Width(600);
    parent->Height(300);
    Player::Click(content, QPoint(550, 250));
    EXPECT_EQ(parent->log, Log{}) << "also where the parent has grown";

    sheet->Close();
    Player::Click(content, QPoint(50, 160));
    EXPECT_EQ(pushes, 1) << "the parent has its input back once the sheet has closed";
}

TEST_F(WindowTest, SheetEndsWithTheWindowItIsShownWithin)
{
    auto parent = TestWindow::Build({}, "Parent.Parent");
    parent->Show();
    auto sheet = TestWindow::Build({}, "Sheet.Sheet");
    rb::SetProperties(sheet, rb::PropertyList().Integer("Frame", 8).Bytes());
    sheet->ShowWithin(parent);
    parent->Close();
    ProcessEvents();
    EXPECT_TRUE(rb::GetImplicitWindow("Sheet.Sheet").IsNil());
    sheet->Show();
    sheet->ShowWithin(parent);
    EXPECT_FALSE(sheet->Visible());

    auto newParent = TestWindow::Build({}, "Parent.Parent");
    newParent->Show();
    auto newSheet = TestWindow::Build({}, "Sheet.Sheet");
    newSheet->ShowWithin(newParent);
    EXPECT_TRUE(newSheet->Visible());
    newSheet->ShowWithin(parent);
    EXPECT_EQ(rb::FrameWidgetOf(*newSheet)->parentWidget(), rb::WidgetOf(*newParent)) << "not within a closed window";
}

TEST_F(WindowTest, PanelShowsWithinItsParentWithoutTakingItsInput)
{
    rb::Ref<rb::PushButton> button;
    auto parent = TestWindow::Build(
        [&](TestWindow& w) {
            button = w.Add<rb::PushButton>("PushButton1", rb::PropertyList().Integer("Top", 150).Integer("Width", 80).Integer("Height", 20).Bytes());
        },
        "Parent.Parent");
    rb::SetProperties(parent, rb::PropertyList().Integer("Width", 400).Integer("Height", 200).Bytes());
    int pushes = 0;
    rb::InstallInstanceEventHandler(button, "Action",
                                    rb::RuntimeCreateDelegate(std::function<void()>([&] { ++pushes; }), "(  )"));
    parent->Show();
    auto panel = TestWindow::Build({}, "Panel.Panel");
    rb::SetProperties(panel, rb::PropertyList().Integer("Frame", 10).Integer("Width", 200).Integer("Height", 100).Bytes());
    panel->ShowWithin(parent);
    panel->Hide();
    panel->ShowWithin(parent);
    EXPECT_EQ(std::count(panel->log.begin(), panel->log.end(), "Activate"), 2) << "activated at each showing";
    Player::Click(rb::WidgetOf(*parent), QPoint(10, 160));
    EXPECT_EQ(pushes, 1);
}

TEST_F(WindowTest, KeysInASheetStayInTheSheet)
{
    auto parent = TestWindow::Build(
        [](TestWindow& w) {
            w.Add<rb::PushButton>("PushButton1", rb::PropertyList().Integer("Width", 80).Integer("Height", 20).Bytes());
        },
        "Parent.Parent");
    rb::SetProperties(parent, rb::PropertyList().Integer("Width", 400).Integer("Height", 200).Bytes());
    parent->Show();
    auto sheet = TestWindow::Build(
        [](TestWindow& w) {
            w.Add<rb::PushButton>("PushButton1", rb::PropertyList().Integer("Width", 80).Integer("Height", 20).Bytes());
            w.Add<rb::PushButton>("PushButton2", rb::PropertyList().Integer("Top", 30).Integer("Width", 80).Integer("Height", 20).Bytes());
        },
        "Sheet.Sheet");
    rb::SetProperties(sheet, rb::PropertyList().Integer("Frame", 8).Integer("Width", 200).Integer("Height", 100).Bytes());
    sheet->ShowWithin(parent);
    ProcessEvents();
    QWidget* sheetFrame = rb::FrameWidgetOf(*sheet);
    QWidget* parentFrame = rb::FrameWidgetOf(*parent);
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(tab);
        ASSERT_NE(parentFrame->focusWidget(), nullptr);
        Player::Key(parentFrame->focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(sheetFrame->isAncestorOf(parentFrame->focusWidget())) << parentFrame->focusWidget()->metaObject()->className();
    }
}

TEST_F(WindowTest, LockedControlsFollowTheWindowAsItGrows)
{
    auto window = rb::New<TestWindow>();
    window->layout = [](TestWindow& w) {
        rb::SetProperties(rb::Ref<TestWindow>(&w), rb::PropertyList().Integer("Width", 281).Integer("Height", 80).Bytes());
    };
    window->createControls = [](TestWindow& w) {
        const auto place = [](bool left, bool top, bool right, bool bottom) {
            return rb::PropertyList()
                .Integer("Left", 10)
                .Integer("Top", 40)
                .Integer("Width", 80)
                .Integer("Height", 20)
                .Boolean("LockLeft", left)
                .Boolean("LockTop", top)
                .Boolean("LockRight", right)
                .Boolean("LockBottom", bottom)
                .Bytes();
        };
        w.Add<rb::PushButton>("Bottom", place(true, false, false, true));
        w.Add<rb::PushButton>("TopBottom", place(false, true, false, true));
        w.Add<rb::PushButton>("Right", place(false, true, true, false));
        w.Add<rb::PushButton>("LeftRight", place(true, true, true, false));
        w.Add<rb::PushButton>("None", place(false, false, false, false));
    };
    window->Constructor();
    window->Show();
    window->Height(100);
    window->Width(301);
    struct Case {
        const char* name;
        QRect place;
    };
    const Case cases[] = {
        {"Bottom", {10, 60, 80, 20}},    {"TopBottom", {10, 40, 80, 40}}, {"Right", {30, 40, 80, 20}},
        {"LeftRight", {10, 40, 100, 20}}, {"None", {10, 40, 80, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto control = rb::RuntimeWindowControlByName(window, c.name).Cast<rb::RectControl>();
        EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()), c.place);
        EXPECT_EQ(rb::WidgetOf(*control)->geometry(), c.place);
    }
    EXPECT_EQ(rb::WidgetOf(*window)->size(), QSize(301, 100));
}

TEST_F(WindowTest, BackColourAndBackdropPaintTheContent)
{
    auto window = TestWindow::Build();
    rb::SetProperties(window, rb::PropertyList()
                                  .Integer("Width", 40)
                                  .Integer("Height", 30)
                                  .Boolean("HasBackColor", true)
                                  .Color("BackColor", 0x336699)
                                  .Bytes());
    QImage red(10, 10, QImage::Format_ARGB32);
    red.fill(Qt::red);
    window->Backdrop(rb::PictureFromImage(red));
    window->Show();
    const QImage shown = rb::WidgetOf(*window)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(30, 20), QColor(0x33, 0x66, 0x99));
    window->Backdrop(nullptr);
    EXPECT_EQ(rb::WidgetOf(*window)->grab().toImage().pixelColor(5, 5), QColor(0x33, 0x66, 0x99));
}

TEST_F(WindowTest, ClaimedPressSendsItsReleaseToMouseUpAndTheMouseIsTracked)
{
    auto window = TestWindow::Build();
    rb::SetProperties(window, rb::PropertyList().Integer("Width", 100).Integer("Height", 100).Bytes());
    window->Show();
    QWidget* content = rb::WidgetOf(*window);
    Player::Click(content, QPoint(3, 4));
    window->claimMouse = true;
    Player::Click(content, QPoint(5, 6));
    EXPECT_EQ(window->log, (Log{"Layout", "CreateControls", "AddMenuHandlers", "Open", "MouseDown 3,4", "MouseDown 5,6",
                                "MouseUp 5,6"}));
    EXPECT_EQ(window->MouseX(), 5);
    EXPECT_EQ(window->MouseY(), 6);
}

TEST_F(WindowTest, ControlsAreFoundByNameAndByNameAndIndex)
{
    auto window = TestWindow::Build([](TestWindow& w) {
        w.Add<rb::Canvas>("Canvas1");
        for (std::int32_t index : {0, 1, 2})
            w.Add<rb::Canvas>("wbox", rb::PropertyList().Integer("Index", index).Bytes());
    });
    const auto box1 = rb::RuntimeWindowControlByNameIndex(window, "wbox", 1);
    ASSERT_FALSE(box1.IsNil());
    EXPECT_EQ(box1->Index(), 1);
    EXPECT_EQ(rb::RuntimeWindowControlByName(window, "wbox")->Index(), 0);
    EXPECT_EQ(rb::RuntimeWindowControlByName(window, "Canvas1")->Index(), rb::Control::NoIndex);
    EXPECT_TRUE(rb::RuntimeWindowControlByNameIndex(window, "wbox", 3).IsNil());
    EXPECT_TRUE(rb::RuntimeWindowControlByName(window, "Canvas2").IsNil());
    EXPECT_EQ(box1->DesignName(), "TestWindow.wbox");
}

} // namespace
