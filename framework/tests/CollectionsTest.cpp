#include "rb/Dictionary.h"
#include "rb/Random.h"
#include "rb/StringArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

class ScopedRandomSource {
public:
    explicit ScopedRandomSource(rb::RandomSource source) { rb::SetRandomSource(std::move(source)); }
    ~ScopedRandomSource() { rb::SetRandomSource(nullptr); }
};

rb::Ref<rb::StringArray> Deck(std::initializer_list<const char*> keys)
{
    auto deck = rb::CreateArray(-1);
    for (const char* key : keys)
        deck->Append(key);
    return deck;
}

std::vector<std::string> Elements(const rb::StringArray& array)
{
    std::vector<std::string> elements;
    for (std::int32_t i = 0; i <= array.Ubound(); ++i)
        elements.push_back(array.Element(i));
    return elements;
}

TEST(StringArray, EmptyArrayHasUpperBoundMinusOne)
{
    EXPECT_EQ(rb::CreateArray(-1)->Ubound(), -1);
    EXPECT_EQ(rb::CreateArray(44)->Ubound(), 44);
}

TEST(StringArray, RemoveAndIndexOfKeepTheOrderOfTheRest)
{
    auto deck = Deck({"f1", "v1", "b1", "v1"});
    EXPECT_EQ(deck->IndexOf("v1"), 1);
    EXPECT_EQ(deck->IndexOf("v1", 2), 3);
    EXPECT_EQ(deck->IndexOf("x"), -1);
    deck->Remove(1);
    EXPECT_EQ(Elements(*deck), (std::vector<std::string>{"f1", "b1", "v1"}));
}

TEST(StringArray, IndexOutsideTheArrayThrows)
{
    auto deck = Deck({"f1"});
    EXPECT_THROW(deck->Element(1), rb::OutOfBoundsException);
    EXPECT_THROW(deck->Remove(-1), rb::OutOfBoundsException);
    EXPECT_THROW(rb::CreateArray(-1)->Remove(0), rb::OutOfBoundsException);
}

TEST(StringArray, ShuffleKeepsEveryElementOnce)
{
    auto deck = Deck({"a", "b", "c", "d", "e", "f"});
    deck->Shuffle();
    auto elements = Elements(*deck);
    std::ranges::sort(elements);
    EXPECT_EQ(elements, (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
}

TEST(StringArray, ShuffleDrawsFromTheFrameworkSource)
{
    ScopedRandomSource alwaysFirst([](std::int32_t min, std::int32_t) { return min; });
    auto deck = Deck({"a", "b", "c"});
    deck->Shuffle();
    EXPECT_EQ(Elements(*deck), (std::vector<std::string>{"b", "c", "a"}));
}

TEST(Random, InRangeStaysInItsBoundsAndReachesBoth)
{
    rb::Random random;
    std::set<std::int32_t> seen;
    for (int draw = 0; draw < 2000; ++draw) {
        const auto value = random.InRange(1, 6);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(random.InRange(15, 15), 15);
}

TEST(Dictionary, StoresValuesUnderStringKeysIncludingNil)
{
    auto dictionary = rb::New<rb::Dictionary>();
    auto deck = rb::CreateArray(0);
    dictionary->Value(rb::StringToVariant("f1"), deck);
    dictionary->Value(rb::StringToVariant("b13"), rb::Variant());
    EXPECT_EQ(dictionary->Value("f1").ObjectValue<rb::StringArray>(), deck);
    EXPECT_TRUE(dictionary->Value("b13").IsNil());
    EXPECT_TRUE(dictionary->Value("b13").ObjectValue<rb::StringArray>().IsNil());
    EXPECT_EQ(dictionary->Count(), 2);
    EXPECT_THROW(dictionary->Value("v1"), rb::KeyNotFoundException);
}

TEST(Ref, CountsReferencesAndThrowsOnNil)
{
    rb::Ref<rb::StringArray> nil;
    EXPECT_THROW(nil->Ubound(), rb::NilObjectException);
    auto array = rb::CreateArray(0);
    {
        rb::Ref<rb::Object> other = array;
        EXPECT_EQ(array->ReferenceCount(), 2);
        EXPECT_EQ(other.Cast<rb::StringArray>(), array);
        EXPECT_THROW(other.Cast<rb::Dictionary>(), rb::IllegalCastException);
    }
    EXPECT_EQ(array->ReferenceCount(), 1);
}

} // namespace
