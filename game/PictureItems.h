#pragma once

#include "rb/Picture.h"

// The game's pictures, one accessor each, named after the item (Ref<Picture>
// apple() ...). Each returns the same cached picture at every call, or nil
// while its file cannot be loaded.
#define NUBRELLO_PICTURE_ITEMS(X)                                                                                    \
    X(artichoke, "artichoke.png")                                                                                    \
    X(asparagus, "asparagus.png")                                                                                    \
    X(broccoli, "broccoli.png")                                                                                      \
    X(cabbage, "cabbage.png")                                                                                        \
    X(carrot, "carrot.png")                                                                                          \
    X(cauliflower, "cauliflower.png")                                                                                \
    X(corn, "corn.png")                                                                                              \
    X(cucumber, "cucumber.png")                                                                                      \
    X(greenonion, "green-onion.png")                                                                                 \
    X(greenpepper, "green-pepper.png")                                                                               \
    X(lettuce, "lettuce.png")                                                                                        \
    X(onion, "onion.png")                                                                                            \
    X(peas, "peas.png")                                                                                              \
    X(spinach, "spinach.png")                                                                                        \
    X(tomato, "tomato.png")                                                                                          \
    X(apple, "apple.png")                                                                                            \
    X(apricot, "apricot.png")                                                                                        \
    X(banana, "banana.png")                                                                                          \
    X(blackberry, "blackberry.png")                                                                                  \
    X(blueberry, "blueberry.png")                                                                                    \
    X(cherry, "cherry.png")                                                                                          \
    X(grapes, "grapes.png")                                                                                          \
    X(lemon, "lemon.png")                                                                                            \
    X(lime, "lime.png")                                                                                              \
    X(orange, "orange.png")                                                                                          \
    X(peach, "peach.png")                                                                                            \
    X(pear, "pear.png")                                                                                              \
    X(pineapple, "pineapple.png")                                                                                    \
    X(strawberry, "strawberry.png")                                                                                  \
    X(watermelon, "watermelon.png")                                                                                  \
    X(bagel, "bagel.png")                                                                                            \
    X(bialy, "bialy.png")                                                                                            \
    X(challah, "challah.png")                                                                                        \
    X(cinnamonraisinbread, "cinnamon-raisin-bread.png")                                                              \
    X(cinnamonroll, "cinnamon-roll.png")                                                                             \
    X(cornbread, "cornbread.png")                                                                                    \
    X(cornryebread, "cornryebread.png")                                                                              \
    X(cracker, "cracker.png")                                                                                        \
    X(croissant, "croissant.png")                                                                                    \
    X(dinnerroll, "dinner-roll.png")                                                                                 \
    X(donut, "donut.png")                                                                                            \
    X(englishmuffin, "english-muffin.png")                                                                           \
    X(french_bread, "french_bread.png")                                                                              \
    X(frenchroll, "french-roll.png")                                                                                 \
    X(pancakes, "pancakes.png")                                                                                      \
    X(basket, "basket.png")                                                                                          \
    X(scoresign, "scoresign.png")                                                                                    \
    X(shadow, "shadow.png")                                                                                          \
    X(shadowmask, "shadowmask.png")                                                                                  \
    X(rows, "rows.png")                                                                                              \
    X(boxleft, "boxleft.png")                                                                                        \
    X(box, "box.png")                                                                                                \
    X(boxright, "boxright.png")                                                                                      \
    X(frame1, "frame.png")                                                                                           \
    X(NubrelloIcon, "NubrelloIcon.png")

#define NUBRELLO_DECLARE_PICTURE(name, file) rb::Ref<rb::Picture> name();
NUBRELLO_PICTURE_ITEMS(NUBRELLO_DECLARE_PICTURE)
#undef NUBRELLO_DECLARE_PICTURE
