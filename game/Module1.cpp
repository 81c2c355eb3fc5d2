#include "Module1.h"

#include "PictureItems.h"

namespace Module1 {

rb::Ref<rb::Dictionary> d;
rb::Ref<rb::StringArray> s = rb::CreateArray(-1);
double ratio = 0.0;

namespace {

struct CatalogueEntry {
    const char* key;
    rb::Ref<rb::Picture> (*picture)();
};

// Catalogue order: "f1" to "f15", "v1" to "v15", "b1" to "b15".
constexpr CatalogueEntry catalogue[] = {
    {"f1", apple},         {"f2", apricot},       {"f3", banana},         {"f4", blackberry},
    {"f5", blueberry},     {"f6", cherry},        {"f7", grapes},         {"f8", lemon},
    {"f9", lime},          {"f10", orange},       {"f11", peach},         {"f12", pear},
    {"f13", pineapple},    {"f14", strawberry},   {"f15", watermelon},    {"v1", artichoke},
    {"v2", asparagus},     {"v3", broccoli},      {"v4", cabbage},        {"v5", carrot},
    {"v6", cauliflower},   {"v7", corn},          {"v8", cucumber},       {"v9", greenonion},
    {"v10", greenpepper},  {"v11", lettuce},      {"v12", onion},         {"v13", peas},
    {"v14", spinach},      {"v15", tomato},       {"b1", bagel},          {"b2", bialy},
    {"b3", challah},       {"b4", cinnamonraisinbread}, {"b5", cinnamonroll}, {"b6", cornbread},
    {"b7", cornryebread},  {"b8", cracker},       {"b9", croissant},      {"b10", dinnerroll},
    {"b11", donut},        {"b12", englishmuffin}, {"b13", french_bread}, {"b14", frenchroll},
    {"b15", pancakes},
};

} // namespace

void dodict()
{
    d = rb::New<rb::Dictionary>();
    for (const auto& [key, picture] : catalogue)
        d->Value(rb::StringToVariant(key), picture());

    auto deck = rb::CreateArray(static_cast<std::int32_t>(std::size(catalogue)) - 1);
    for (std::int32_t i = 0; i <= deck->Ubound(); ++i)
        deck->Element(i, catalogue[i].key);
    s = deck;
}

} // namespace Module1
