#include "GameFixture.h"

#include "Module1.h"

// Its own program: a picture cached by an earlier test would hide the missing file.
namespace {

using MissingPicture = GameFixture;

TEST_F(MissingPicture, AMissingFoodKeepsItsKeyWithNil)
{
    RemoveResource("cornryebread.png");
    Module1::dodict();
    EXPECT_TRUE(Module1::d->Value("b7").IsNil());
    EXPECT_EQ(Module1::s->IndexOf("b7"), 36);
}

} // namespace
