// How windows meet the desktop: the frame that each kind of window asks the
// window manager for, where a window is placed, whose transient child it is,
// and where the keyboard goes as windows come and go.
#include "WindowFixture.h"

#include "rb/CheckBox.h"
#include "rb/MsgBox.h"
#include "rb/PushButton.h"
#include "rb/StaticText.h"
#include "rb/TextArea.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"
#include "rb/testing/ScreenScale.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

class HideCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

class DesktopTest : public WindowFixture {
protected:
    static rb::Ref<TestWindow> Shown(const std::string& name, const std::string& properties,
                                     std::function<void(TestWindow&)> controls = {})
    {
        auto window = TestWindow::Build(std::move(controls), name + "." + name);
        rb::SetProperties(window, properties);
        window->Show();
        ProcessEvents();
        return window;
    }

    static QWindow* Native(const rb::Ref<TestWindow>& window) { return rb::FrameWidgetOf(*window)->windowHandle(); }

    // 300 x 200, within 100 x 90 and 500 x 400.
    static std::string Sized(bool resizeable)
    {
        return rb::PropertyList()
            .Integer("Width", 300)
            .Integer("Height", 200)
            .Integer("MinWidth", 100)
            .Integer("MinHeight", 90)
            .Integer("MaxWidth", 500)
            .Integer("MaxHeight", 400)
            .Boolean("Resizeable", resizeable)
            .Bytes();
    }

    static QMessageBox* MessageBox()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return box;
        return nullptr;
    }
};

struct FrameCase {
    const char* what;
    std::int32_t frame;
    bool close, minimize, maximize, resizeable;
    Qt::WindowType type;
    bool modal, title;
    Qt::WindowFlags buttons;
};

TEST_F(DesktopTest, EachFrameCodeAsksForItsKindAndOnlyTheDesignedButtons)
{
    using F = Qt::WindowFlags;
    const F close = Qt::WindowCloseButtonHint, minimize = Qt::WindowMinimizeButtonHint,
            maximize = Qt::WindowMaximizeButtonHint;
    const FrameCase cases[] = {
        {"document, fixed size (the main window)", 0, true, true, false, false, Qt::Window, false, true, close | minimize},
        {"document with every button, resizeable", 0, true, true, true, true, Qt::Window, false, true, close | minimize | maximize},
        {"document: no maximize without resizing", 0, true, false, true, false, Qt::Window, false, true, close},
        {"document without buttons", 0, false, false, false, false, Qt::Window, false, true, {}},
        {"movable modal, resizeable (the editor): never minimized", 1, true, true, false, true, Qt::Dialog, true, true, close},
        {"movable modal, fixed size (the end window)", 1, true, true, false, false, Qt::Dialog, true, true, close},
        {"movable modal, resizeable with a maximize button", 1, false, false, true, true, Qt::Dialog, true, true, maximize},
        {"modal dialog (the quit confirmation)", 2, false, false, false, false, Qt::Dialog, true, false, {}},
        {"modal dialog: no title bar, so no buttons", 2, true, true, true, true, Qt::Dialog, true, false, {}},
        {"plain box (the about box)", 4, false, false, false, false, Qt::Dialog, true, false, {}},
        {"sheet shown on its own", 8, true, true, false, true, Qt::Dialog, true, true, close},
        {"panel shown on its own", 10, true, false, false, false, Qt::Tool, false, true, close},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = Shown("Framed", rb::PropertyList()
                                          .Integer("Frame", c.frame)
                                          .Boolean("CloseButton", c.close)
                                          .Boolean("MinimizeButton", c.minimize)
                                          .Boolean("MaximizeButton", c.maximize)
                                          .Boolean("Resizeable", c.resizeable)
                                          .Bytes());
        const Qt::WindowFlags flags = rb::FrameWidgetOf(*window)->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, c.type);
        EXPECT_EQ(rb::FrameWidgetOf(*window)->windowModality(), c.modal ? Qt::ApplicationModal : Qt::NonModal);
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), !c.title);
        EXPECT_EQ(flags.testFlag(Qt::WindowTitleHint), c.title);
        EXPECT_EQ(flags & (close | minimize | maximize), c.buttons);
        window->Close();
    }
}

TEST_F(DesktopTest, AWindowThatIsNotResizeableHasOneSizeAndAResizeableOneItsDesignedLimits)
{
    auto fixed = Shown("Fixed", Sized(false));
    const QWidget* frame = rb::FrameWidgetOf(*fixed);
    EXPECT_EQ(frame->minimumSize(), QSize(300, 200));
    EXPECT_EQ(frame->maximumSize(), QSize(300, 200));

    auto resizeable = Shown("Resizeable", Sized(true));
    EXPECT_EQ(rb::WidgetOf(*resizeable)->size(), QSize(300, 200));
    EXPECT_EQ(rb::FrameWidgetOf(*resizeable)->minimumSize(), QSize(100, 90));
    EXPECT_EQ(rb::FrameWidgetOf(*resizeable)->maximumSize(), QSize(500, 400));
}

// Asked for a size beyond its limits, a resizeable window keeps the size it
// shows, and a control locked to its right and bottom follows that size.
TEST_F(DesktopTest, AResizeableWindowAskedBeyondItsLimitsKeepsToThem)
{
    struct Asked {
        std::int32_t width, height;
        QSize kept;
    };
    const Asked asks[] = {{50, 1000, {100, 400}}, {10, 400, {100, 400}}, {-1, 0, {100, 90}},
                          {600, 95, {500, 95}}, {300, 200, {300, 200}}};
    const std::string corner = rb::PropertyList()
                                   .Integer("Left", 50)
                                   .Integer("Top", 50)
                                   .Integer("Width", 20)
                                   .Integer("Height", 20)
                                   .Boolean("LockLeft", false)
                                   .Boolean("LockTop", false)
                                   .Boolean("LockRight", true)
                                   .Boolean("LockBottom", true)
                                   .Bytes();
    auto window = Shown("Limited", Sized(true), [&](TestWindow& w) { w.Add<rb::StaticText>("StaticText1", corner); });
    const auto label = rb::RuntimeWindowControlByName(window, "StaticText1").Cast<rb::RectControl>();
    const QPoint designed(label->Left() - 300, label->Top() - 200); // from the corner
    for (const auto& asked : asks) {
        SCOPED_TRACE(std::to_string(asked.width) + " x " + std::to_string(asked.height));
        window->Width(asked.width);
        window->Height(asked.height);
        ProcessEvents();
        EXPECT_EQ(QSize(window->Width(), window->Height()), asked.kept);
        EXPECT_EQ(rb::WidgetOf(*window)->size(), asked.kept);
        EXPECT_EQ(QPoint(label->Left(), label->Top()), designed + QPoint(asked.kept.width(), asked.kept.height()));
    }
}

TEST_F(DesktopTest, OnAScaledScreenAResizeableWindowOpensAtItsScaledSize)
{
    rb::testing::SetScreenScale(0.5);
    auto window = Shown("Scaled", rb::PropertyList().Integer("Width", 300).Integer("Height", 200).Boolean("Resizeable", true).Bytes());
    rb::testing::SetScreenScale(1.0);
    EXPECT_EQ(rb::WidgetOf(*window)->size(), QSize(150, 100));
    EXPECT_EQ(rb::FrameWidgetOf(*window)->size(), QSize(150, 100));
}

TEST_F(DesktopTest, AModalDialogHasABorderOfItsOwnAroundItsContent)
{
    auto dialog = Shown("Dialog", rb::PropertyList().Integer("Frame", 2).Integer("Width", 100).Integer("Height", 50).Bytes());
    EXPECT_EQ(rb::FrameWidgetOf(*dialog)->size(), QSize(102, 52));
    EXPECT_EQ(rb::WidgetOf(*dialog)->pos(), QPoint(1, 1));
    const QImage shown = rb::FrameWidgetOf(*dialog)->grab().toImage();
    EXPECT_NE(shown.pixelColor(0, 20), shown.pixelColor(10, 20)) << "the border differs from the content";
}

TEST_F(DesktopTest, TheFramesCloseBoxDoesNothingWhereNoCloseButtonIsDesigned)
{
    for (bool closeButton : {false, true}) {
        SCOPED_TRACE(closeButton);
        auto window = Shown("Closing", rb::PropertyList().Integer("Frame", 1).Boolean("CloseButton", closeButton).Bytes());
        Native(window)->close(); // as the window manager asks
        ProcessEvents();
        EXPECT_EQ(rb::GetImplicitWindow("Closing.Closing").IsNil(), closeButton);
        EXPECT_EQ(window->closeAsked.size(), closeButton ? 1u : 0u);
        window->Close();
    }
}

TEST_F(DesktopTest, AWindowIsCentredOnceAndNeverAboveTheScreensTop)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    auto first = Shown("First", rb::PropertyList().Bytes()); // shows what the window manager adds
    auto small = Shown("Small", rb::PropertyList().Integer("Width", 200).Integer("Height", 100).Bytes());
    EXPECT_EQ(rb::FrameWidgetOf(*small)->frameGeometry().center(), area.center()) << "with its frame";

    auto tall = Shown("Tall", rb::PropertyList().Integer("Width", 200).Integer("Height", area.height() + 300).Bytes());
    EXPECT_EQ(rb::FrameWidgetOf(*tall)->y(), area.top()) << "the title bar stays on the screen";

    // Shown again, for instance by a dialog's Cancel: it stays where the
    // player left it, and is not mapped anew, which a window manager would
    // place anew.
    QWidget* frame = rb::FrameWidgetOf(*small);
    frame->move(10, 20);
    HideCounter hides;
    frame->installEventFilter(&hides);
    small->Show();
    ProcessEvents();
    EXPECT_EQ(frame->pos(), QPoint(10, 20));
    EXPECT_EQ(hides.count, 0);
}

TEST_F(DesktopTest, AWindowShownOverAnotherIsItsTransientChild)
{
    auto main = Shown("Main", rb::PropertyList().Integer("Frame", 0).Bytes());
    for (std::int32_t frame : {1, 2, 4, 8, 10}) {
        SCOPED_TRACE(frame);
        auto over = Shown("Over", rb::PropertyList().Integer("Frame", frame).Bytes());
        EXPECT_EQ(Native(over)->transientParent(), Native(main));
        over->Close();
    }
    auto document = Shown("Document", rb::PropertyList().Integer("Frame", 0).Bytes());
    EXPECT_EQ(Native(document)->transientParent(), nullptr) << "a document window belongs to no other";

    auto dialog = Shown("Dialog", rb::PropertyList().Integer("Frame", 1).Bytes());
    EXPECT_EQ(Native(dialog)->transientParent(), Native(document)) << "the front-most window";
    rb::MsgBox("Hello");
    ProcessEvents();
    ASSERT_NE(MessageBox(), nullptr);
    EXPECT_EQ(MessageBox()->windowHandle()->transientParent(), Native(dialog));
    MessageBox()->accept();
}

TEST_F(DesktopTest, AWindowShownBeforeTheWindowItBelongsToFollowsIt)
{
    std::vector<std::string> shown;
    rb::Ref<TestWindow> dialog;
    auto main = rb::New<TestWindow>("Main.Main");
    main->layout = [](TestWindow& w) { rb::SetProperties(rb::Ref<TestWindow>(&w), rb::PropertyList().Boolean("Visible", true).Bytes()); };
    main->Constructor();
    dialog = TestWindow::Build({}, "Dialog.Dialog");
    rb::SetProperties(dialog, rb::PropertyList().Integer("Frame", 1).Bytes());
    dialog->Show();
    EXPECT_FALSE(dialog->Visible()) << "not before the main window";
    ProcessEvents();
    EXPECT_TRUE(main->Visible());
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(Native(dialog)->transientParent(), Native(main));

    auto hidden = TestWindow::Build({}, "Hidden.Hidden");
    auto another = rb::New<TestWindow>("Another.Another");
    another->layout = main->layout;
    another->Constructor();
    rb::SetProperties(hidden, rb::PropertyList().Integer("Frame", 1).Bytes());
    main->Hide();
    dialog->Close();
    hidden->Show();
    hidden->Hide();
    ProcessEvents();
    EXPECT_FALSE(hidden->Visible()) << "hidden while it waited";
}

TEST_F(DesktopTest, ShowingAWindowOrSheetFocusesItsFirstControlThatTakesText)
{
    const auto controls = [](TestWindow& w) {
        w.Add<rb::PushButton>("OK", rb::PropertyList().Integer("TabIndex", 0).Bytes());
        w.Add<rb::TextArea>("Later", rb::PropertyList().Integer("Top", 60).Integer("TabIndex", 3).Bytes());
        w.Add<rb::CheckBox>("Tick", rb::PropertyList().Integer("Top", 30).Integer("TabIndex", 1).Bytes());
        w.Add<rb::TextField>("First", rb::PropertyList().Integer("Top", 90).Integer("TabIndex", 2).Bytes());
    };
    const auto first = [](const rb::Ref<TestWindow>& w) { return rb::WidgetOf(*rb::RuntimeWindowControlByName(w, "First").Cast<rb::RectControl>()); };

    auto window = Shown("Own", rb::PropertyList().Integer("Frame", 1).Integer("Height", 200).Bytes(), controls);
    EXPECT_EQ(QApplication::focusWidget(), first(window));
    window->Close();

    auto parent = Shown("Parent", rb::PropertyList().Integer("Width", 400).Integer("Height", 300).Bytes());
    auto sheet = TestWindow::Build(controls, "Sheet.Sheet");
    rb::SetProperties(sheet, rb::PropertyList().Integer("Frame", 8).Integer("Height", 200).Bytes());
    sheet->ShowWithin(parent);
    ProcessEvents();
    EXPECT_EQ(QApplication::focusWidget(), first(sheet));

    auto buttons = Shown("Buttons", rb::PropertyList().Integer("Frame", 2).Bytes(), [](TestWindow& w) {
        w.Add<rb::PushButton>("OK", rb::PropertyList().Bytes());
    });
    EXPECT_EQ(QApplication::focusWidget(), rb::FrameWidgetOf(*buttons)) << "without text, the window takes the keys";
}

TEST_F(DesktopTest, TheFocusComesBackWhenAMessageBoxOrAWindowCloses)
{
    auto window = Shown("Main", rb::PropertyList().Integer("Width", 300).Integer("Height", 200).Bytes(), [](TestWindow& w) {
        w.Add<rb::TextField>("Field", rb::PropertyList().Integer("Width", 80).Integer("Height", 22).Bytes());
        w.Add<rb::TextField>("Other", rb::PropertyList().Integer("Top", 40).Integer("Width", 80).Integer("Height", 22).Bytes());
    });
    QWidget* other = rb::WidgetOf(*rb::RuntimeWindowControlByName(window, "Other").Cast<rb::RectControl>());
    other->setFocus();
    ProcessEvents();

    rb::MsgBox("Please choose a number between 1 and 42.");
    ProcessEvents();
    ASSERT_NE(MessageBox(), nullptr);
    EXPECT_TRUE(MessageBox()->isAncestorOf(QApplication::focusWidget()));
    MessageBox()->accept();
    ProcessEvents();
    EXPECT_EQ(QApplication::focusWidget(), other);

    auto dialog = Shown("Dialog", rb::PropertyList().Integer("Frame", 1).Bytes(), [](TestWindow& w) {
        w.Add<rb::TextField>("Field", rb::PropertyList().Bytes());
    });
    EXPECT_NE(QApplication::focusWidget(), other);
    dialog->Close();
    ProcessEvents();
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(DesktopTest, AWindowShownWhileAnotherIsModalLeavesItTheKeyboard)
{
    auto modal = Shown("Modal", rb::PropertyList().Integer("Frame", 1).Bytes(), [](TestWindow& w) {
        w.Add<rb::TextField>("Field", rb::PropertyList().Bytes());
    });
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    auto document = Shown("Document", rb::PropertyList().Integer("Frame", 0).Bytes(), [](TestWindow& w) {
        w.Add<rb::TextField>("Field", rb::PropertyList().Bytes());
    });
    EXPECT_TRUE(document->Visible());
    EXPECT_EQ(QApplication::activeWindow(), rb::FrameWidgetOf(*modal));
    EXPECT_EQ(QApplication::focusWidget(), field);
}

} // namespace
