#include "rb/EventDelivery.h"
#include "rb/Runtime.h"
#include "rb/StringArray.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(EventDelivery, NilObjectEndsTheHandlerReachesUnhandledExceptionAndTheLoopGoesOn)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    rb::RuntimeInit(argc, argv);

    bool restOfHandlerRan = false;
    bool laterEventRan = false;
    QTimer::singleShot(0, [&] {
        rb::DeliverEvent("Window1.Canvas1.Paint", [&] {
            rb::Ref<rb::StringArray> nil;
            nil->Ubound();
            restOfHandlerRan = true;
        });
    });
    QTimer::singleShot(0, [&] {
        laterEventRan = true;
        QCoreApplication::exit(0);
    });

    testing::internal::CaptureStderr();
    QApplication::exec();
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(restOfHandlerRan);
    EXPECT_TRUE(laterEventRan);
    EXPECT_EQ(report, "rb: unhandled NilObjectException in Window1.Canvas1.Paint: a nil object was used\n");
}

TEST(EventDelivery, AHandlerThatThrowsGivesTheDefaultResult)
{
    testing::internal::CaptureStderr();
    const bool handled = rb::DeliverEvent("Canvas1.MouseDown", []() -> bool { throw rb::NilObjectException(); });
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(handled);
    EXPECT_EQ(rb::CurrentEvent(), "");
}

} // namespace
