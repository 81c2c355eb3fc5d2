#include "GameFixture.h"

#include "Module1.h"
#include "PictureItems.h"

#include <filesystem>

namespace {

using Catalogue = GameFixture;

TEST_F(Catalogue, TheDeckIsEmptyNotNilBeforeTheFirstCatalogue)
{
    ASSERT_FALSE(Module1::s.IsNil());
    EXPECT_EQ(Module1::s->Ubound(), -1);
}

TEST_F(Catalogue, AFreshDeckHoldsTheKeysInCatalogueOrder)
{
    Module1::dodict();
    ASSERT_EQ(Module1::s->Ubound(), 44);
    const std::pair<std::int32_t, const char*> keys[] = {{0, "f1"},   {14, "f15"}, {15, "v1"}, {30, "b1"},
                                                         {42, "b13"}, {43, "b14"}, {44, "b15"}};
    for (const auto& [index, key] : keys) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Module1::s->Element(index), key);
    }
}

TEST_F(Catalogue, KeysHoldTheirFoodsPictures)
{
    Module1::dodict();
    EXPECT_EQ(Module1::d->Count(), 45);
    EXPECT_EQ(Module1::d->Value("b13").ObjectValue<rb::Picture>(), french_bread());
    EXPECT_EQ(Module1::d->Value("b14").ObjectValue<rb::Picture>(), frenchroll());
    EXPECT_EQ(Module1::d->Value("f1").ObjectValue<rb::Picture>(), apple());
    EXPECT_EQ(Module1::d->Value("v9").ObjectValue<rb::Picture>(), greenonion());
}

TEST_F(Catalogue, ASecondCatalogueIsNewButHoldsTheSamePictures)
{
    Module1::dodict();
    const auto firstDictionary = Module1::d;
    const auto firstDeck = Module1::s;
    firstDeck->Remove(0);
    Module1::dodict();
    EXPECT_NE(Module1::d, firstDictionary);
    EXPECT_NE(Module1::s, firstDeck);
    EXPECT_EQ(Module1::s->Ubound(), 44);
    EXPECT_EQ(Module1::d->Value("f1").ObjectValue<rb::Picture>(),
              firstDictionary->Value("f1").ObjectValue<rb::Picture>());
}

} // namespace
