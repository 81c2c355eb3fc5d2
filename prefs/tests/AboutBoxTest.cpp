#include "GameFixture.h"
#include "PlayerInput.h"

#include "Window1.h"

#include "rb/ShowURL.h"
#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/qt/QtAccess.h"

#include <QLabel>
#include <QWidget>

#include <vector>

namespace {

using namespace PlayerInput;

// The about box over a started game whose preferences were saved; the mail
// links it hands to the system are kept instead of opened.
class AboutBox : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        rb::SetShowURLObserver([this](const std::string& url) { urls_.push_back(url); });
        WritePreferences(0.0, true, false);
        StartGame();
    }

    void TearDown() override
    {
        GameFixture::TearDown();
        rb::SetShowURLObserver({});
    }

    static rb::Ref<rb::Window> Box() { return rb::GetImplicitWindow("aboutbox.aboutbox"); }

    static rb::Ref<rb::Window> ShowBox()
    {
        ChooseMenuItem(Window1::Instance(), "EditAboutNubrello");
        ProcessEvents();
        return Box();
    }

    static std::string TextOf(const char* label)
    {
        return rb::RuntimeWindowControlByName(Box(), label).Cast<rb::StaticText>()->Text();
    }

    std::vector<std::string> urls_;
};

TEST_F(AboutBox, ShowsTheVersionOnTwoLinesAndTheContactAddress)
{
    ASSERT_FALSE(ShowBox().IsNil());
    EXPECT_EQ(TextOf("StaticText1"), "Nubrello v.1.0.1\r\u00A9 2026 Nubrello");
    EXPECT_EQ(TextOf("StaticText2"), "nubrello@example.org");
}

// The player sees every line whole: none is wrapped past the label's height
// or clipped at its side.
bool ShowsWholly(QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label == nullptr)
        return false;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->sizeHint().width() <= label->width();
}

// In their designed places: the version at 103, 29, 129 x 34, the address at
// 100, 63, 148 x 20.
TEST_F(AboutBox, ShowsItsTextsWhole)
{
    struct Label {
        const char* name;
        std::int32_t left, top, width, height;
    };
    const Label labels[] = {{"StaticText1", 103, 29, 129, 34}, {"StaticText2", 100, 63, 148, 20}};
    const auto box = ShowBox();
    ASSERT_FALSE(box.IsNil());
    for (const auto& label : labels) {
        SCOPED_TRACE(label.name);
        const auto control = rb::RuntimeWindowControlByName(box, label.name).Cast<rb::StaticText>();
        EXPECT_EQ(std::vector<std::int32_t>({control->Left(), control->Top(), control->Width(), control->Height()}),
                  std::vector<std::int32_t>({label.left, label.top, label.width, label.height}));
        EXPECT_TRUE(ShowsWholly(ControlWidget(box, label.name)));
    }
}

TEST_F(AboutBox, APressOnTheAddressOpensTheMailLinkOnceAtItsReleaseWhereverItIs)
{
    const auto box = ShowBox();
    ASSERT_FALSE(box.IsNil());
    QWidget* address = ControlWidget(box, "StaticText2");
    Press(address, QPoint(5, 5));
    EXPECT_TRUE(urls_.empty());
    Release(address, QPoint(-80, 300));
    ProcessEvents();
    EXPECT_EQ(urls_, std::vector<std::string>{"mailto:nubrello@example.org"});
    EXPECT_EQ(Box(), box);
    EXPECT_TRUE(box->Visible());
}

TEST_F(AboutBox, AClickAwayFromTheControlsClosesTheBoxAndTheMenuOpensANewOne)
{
    const auto first = ShowBox();
    ASSERT_FALSE(first.IsNil());
    EXPECT_EQ(ShowBox(), first);
    Click(rb::WidgetOf(*first), QPoint(5, 5));
    ProcessEvents();
    EXPECT_TRUE(Box().IsNil());
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(urls_.empty());

    const auto second = ShowBox();
    ASSERT_FALSE(second.IsNil());
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->Visible());
}

TEST_F(AboutBox, ThePointerOverTheAddressIsTheFingerPointer)
{
    const auto box = ShowBox();
    ASSERT_FALSE(box.IsNil());
    Enter(ControlWidget(box, "StaticText2"));
    const auto address = rb::RuntimeWindowControlByName(box, "StaticText2").Cast<rb::StaticText>();
    EXPECT_EQ(address->MouseCursor(), rb::System::Cursors().FingerPointer);
}

} // namespace
