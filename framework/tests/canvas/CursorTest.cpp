#include "CanvasFixture.h"

#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/qt/QtAccess.h"

#include <QWidget>

namespace {

using rb::MouseCursor;
using rb::Ref;
using rb::System;

class CursorTest : public CanvasFixture {
protected:
    static Qt::CursorShape ShapeOver(const rb::RectControl& control)
    {
        return rb::WidgetOf(control)->cursor().shape();
    }
};

TEST_F(CursorTest, ControlShowsItsCursor)
{
    const struct {
        const char* name;
        Ref<MouseCursor> cursor;
        Qt::CursorShape shape;
    } rows[] = {{"StandardPointer", System::Cursors().StandardPointer, Qt::ArrowCursor},
                {"FingerPointer", System::Cursors().FingerPointer, Qt::PointingHandCursor},
                {"HandOpen", System::Cursors().HandOpen, Qt::OpenHandCursor},
                {"HandClosed", System::Cursors().HandClosed, Qt::ClosedHandCursor}};
    auto label = window_->NewControl<rb::StaticText>();
    label->Width(60);
    label->Height(20);
    label->Constructor();
    window_->AddControl("StaticText1", label);
    const Ref<rb::RectControl> controls[] = {AddCanvas("Canvas1", 0, 30, 60, 40), label};
    Show();
    for (const auto& control : controls) {
        for (const auto& row : rows) {
            SCOPED_TRACE(control->Name() + " " + row.name);
            control->MouseCursor(row.cursor);
            EXPECT_EQ(ShapeOver(*control), row.shape);
        }
    }
}

TEST_F(CursorTest, ControlWithoutACursorShowsTheWindowsCursor)
{
    auto canvas = AddCanvas("Canvas1", 0, 0, 60, 40);
    window_->MouseCursor(System::Cursors().HandOpen);
    Show();
    EXPECT_EQ(rb::WidgetOf(*window_)->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(ShapeOver(*canvas), Qt::OpenHandCursor);

    canvas->MouseCursor(System::Cursors().FingerPointer);
    canvas->MouseCursor(nullptr);
    EXPECT_EQ(ShapeOver(*canvas), Qt::OpenHandCursor);
}

TEST_F(CursorTest, CursorSetBeforeTheWidgetIsMadeShowsOnIt)
{
    auto canvas = window_->NewControl<rb::Canvas>();
    canvas->MouseCursor(System::Cursors().HandClosed);
    canvas->Constructor();
    window_->AddControl("Canvas1", canvas);
    Show();
    EXPECT_EQ(ShapeOver(*canvas), Qt::ClosedHandCursor);
}

} // namespace
