#pragma once

#include "rb/Dictionary.h"
#include "rb/StringArray.h"

// The food catalogue: the dictionary from food key ("f1" .. "b15") to picture,
// the deck of keys not yet used in this game, and the applause threshold.
namespace Module1 {

extern rb::Ref<rb::Dictionary> d;
extern rb::Ref<rb::StringArray> s;
extern double ratio;

// A new catalogue of the 45 foods and a full deck in catalogue order.
void dodict();

} // namespace Module1
