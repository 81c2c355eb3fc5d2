#include "WindowFixture.h"

#include "rb/PropertyList.h"
#include "rb/StaticText.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QLabel>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(PropertyListBuilder, WritesEachTypeAsTheDesignedListsHoldIt)
{
    struct Case {
        const char* what;
        rb::PropertyList list;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"Integer, big-endian", rb::PropertyList().Integer("Left", 0x01020304), "Left \x01\x02\x03\x04"s},
        {"negative Integer", rb::PropertyList().Integer("Top", -2), "Top \xFF\xFF\xFF\xFE"s},
        {"no control array", rb::PropertyList().Integer("Index", rb::Control::NoIndex), "Index \x80\0\0\0"s},
        {"Boolean True", rb::PropertyList().Boolean("Visible", true), "Visible \x01"s},
        {"Boolean False", rb::PropertyList().Boolean("Bold", false), "Bold \0"s},
        {"Color", rb::PropertyList().Color("TextColor", 0x12AB34), "TextColor \x12\xAB\x34"s},
        {"String with a line break", rb::PropertyList().String("Text", "a\rb"), "Text \0\0\0\x03" "a\rb"s},
        {"empty String", rb::PropertyList().String("HelpTag", ""), "HelpTag \0\0\0\0"s},
        {"UTF-8 String", rb::PropertyList().String("Title", "\xC3\xA9"), "Title \0\0\0\x02\xC3\xA9"s},
        {"entries in a run", rb::PropertyList().Boolean("Bold", true).Integer("Left", 7),
         "Bold \x01Left \0\0\0\x07"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.list.Bytes(), c.bytes);
    }
}

class PropertyListTest : public WindowFixture {
protected:
    void SetUp() override
    {
        window_ = TestWindow::Build([](TestWindow& w) { w.Add<rb::StaticText>("StaticText1"); }, "Window1.Window1");
        label_ = rb::RuntimeWindowControlByName(window_, "StaticText1").Cast<rb::StaticText>();
    }

    rb::Ref<TestWindow> window_;
    rb::Ref<rb::StaticText> label_;
};

TEST_F(PropertyListTest, EachEntrySetsItsProperty)
{
    struct Case {
        const char* what;
        rb::PropertyList list;
        std::function<void(const rb::StaticText&)> check;
    };
    const std::vector<Case> cases = {
        {"place and size", rb::PropertyList().Integer("Left", 45).Integer("Top", -3).Integer("Width", 300).Integer("Height", 20),
         [](const rb::StaticText& t) {
             EXPECT_EQ(t.Left(), 45);
             EXPECT_EQ(t.Top(), -3);
             EXPECT_EQ(WidgetOf(t)->geometry(), QRect(45, -3, 300, 20));
         }},
        {"index", rb::PropertyList().Integer("Index", 2), [](const rb::StaticText& t) { EXPECT_EQ(t.Index(), 2); }},
        {"no index", rb::PropertyList().Integer("Index", rb::Control::NoIndex),
         [](const rb::StaticText& t) { EXPECT_EQ(t.Index(), rb::Control::NoIndex); }},
        {"locks", rb::PropertyList().Boolean("LockBottom", true).Boolean("LockRight", true),
         [](const rb::StaticText& t) {
             EXPECT_TRUE(t.LockBottom());
             EXPECT_TRUE(t.LockRight());
             EXPECT_FALSE(t.LockLeft());
         }},
        {"text with carriage returns", rb::PropertyList().String("Text", "one\rtwo"),
         [](const rb::StaticText& t) {
             EXPECT_EQ(t.Text(), "one\rtwo");
             EXPECT_EQ(static_cast<QLabel*>(WidgetOf(t))->text(), "one\ntwo");
         }},
        {"style", rb::PropertyList().Boolean("Bold", true).Boolean("Italic", true).Integer("TextAlign", 1),
         [](const rb::StaticText& t) {
             EXPECT_TRUE(WidgetOf(t)->font().bold());
             EXPECT_TRUE(WidgetOf(t)->font().italic());
             EXPECT_TRUE(static_cast<QLabel*>(WidgetOf(t))->alignment() & Qt::AlignHCenter);
         }},
        {"colour", rb::PropertyList().Color("TextColor", 0x12AB34),
         [](const rb::StaticText& t) {
             EXPECT_EQ(t.TextColor(), 0x12AB34u);
             EXPECT_EQ(WidgetOf(t)->palette().color(QPalette::WindowText), QColor(0x12, 0xAB, 0x34));
         }},
        {"hidden", rb::PropertyList().Boolean("Visible", false),
         [](const rb::StaticText& t) {
             EXPECT_FALSE(t.Visible());
             EXPECT_TRUE(WidgetOf(t)->isHidden());
         }},
        {"a property kept without effect", rb::PropertyList().Boolean("AutoDeactivate", true).String("DataField", "x"),
         [](const rb::StaticText& t) {
             EXPECT_EQ(t.StoredProperty("AutoDeactivate"), rb::Variant(true));
             EXPECT_EQ(t.StoredProperty("DataField"), rb::Variant("x"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rb::SetProperties(label_, c.list.Bytes());
        c.check(*label_);
    }
}

TEST_F(PropertyListTest, WindowListSetsTheWindowsProperties)
{
    rb::SetProperties(window_, rb::PropertyList()
                                   .String("Title", "Nubrello")
                                   .Integer("Width", 300)
                                   .Integer("Height", 200)
                                   .Integer("Placement", 2)
                                   .Bytes());
    EXPECT_EQ(window_->Title(), "Nubrello");
    EXPECT_EQ(rb::FrameWidgetOf(*window_)->windowTitle(), "Nubrello");
    EXPECT_EQ(rb::WidgetOf(*window_)->size(), QSize(300, 200));
    EXPECT_EQ(window_->StoredProperty("Placement"), rb::Variant(std::int32_t{2}));
}

TEST_F(PropertyListTest, BadListThrowsNamingOwnerAndPropertyAndSetsNothing)
{
    // Each list starts with a sound entry, which must not be applied.
    const std::string sound = rb::PropertyList().Integer("Left", 45).Bytes();
    struct Case {
        const char* what;
        std::string rest;
        std::string property;
    };
    const std::vector<Case> cases = {
        {"Integer cut off", "Top \0\0"s, "Top"},
        {"Boolean cut off", "Visible "s, "Visible"},
        {"Color cut off", "TextColor \x01\x02"s, "TextColor"},
        {"length cut off", "Text \0\0"s, "Text"},
        {"length past the end", "Text \0\0\0\x09" "abc"s, "Text"},
        {"length far past the end", "Text \xFF\xFF\xFF\xFF" "abc"s, "Text"},
        {"name without its space at the end", "Visible"s, "Visible"},
        {"name without its space before a value", "Visible\x01"s, "Visible"},
        {"unknown property", "Colour \x01\x02\x03"s, "Colour"},
        {"property of another kind of control", "Caption \0\0\0\x01x"s, "Caption"},
        {"Boolean byte other than 0 or 1", "Visible \x02"s, "Visible"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            rb::SetProperties(label_, sound + c.rest);
            ADD_FAILURE() << "no exception";
        } catch (const rb::UsageException& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("Window1.StaticText1"), std::string::npos) << message;
            EXPECT_NE(message.find("'" + c.property + "'"), std::string::npos) << message;
        }
        EXPECT_EQ(label_->Left(), 0);
    }
}

TEST_F(PropertyListTest, EveryCutOfAListAppliesWholeEntriesOrThrows)
{
    const std::string list = rb::PropertyList()
                                 .String("Text", "Score")
                                 .Integer("Left", 45)
                                 .Boolean("Bold", true)
                                 .Color("TextColor", 0x102030)
                                 .Bytes();
    const std::vector<std::size_t> boundaries = {0, 14, 23, 29, list.size()};
    for (std::size_t length = 0; length <= list.size(); ++length) {
        SCOPED_TRACE(length);
        const bool whole = std::find(boundaries.begin(), boundaries.end(), length) != boundaries.end();
        if (whole)
            EXPECT_NO_THROW(rb::SetProperties(label_, list.substr(0, length)));
        else
            EXPECT_THROW(rb::SetProperties(label_, list.substr(0, length)), rb::UsageException);
    }
    EXPECT_EQ(label_->Text(), "Score");
    EXPECT_EQ(label_->TextColor(), 0x102030u);
}

TEST_F(PropertyListTest, NilTargetThrowsNilObject)
{
    EXPECT_THROW(rb::SetProperties(rb::Ref<rb::TextField>(), "Left \0\0\0\x01"s), rb::NilObjectException);
}

} // namespace
