#include "SoundItems.h"

#include "SoundItem.h"

namespace {

SoundItem bell2Item("Bell2.wav");
SoundItem buzzItem("buzz.wav");
SoundItem morningRainItem("MorningRain.mp3");
SoundItem childrenItem("children.wav");
SoundItem popItem("pop.wav");

} // namespace

rb::Ref<rb::Sound> Bell2() { return bell2Item.Get(); }
rb::Ref<rb::Sound> buzz() { return buzzItem.Get(); }
rb::Ref<rb::Sound> MorningRain() { return morningRainItem.Get(); }
rb::Ref<rb::Sound> children() { return childrenItem.Get(); }
rb::Ref<rb::Sound> pop() { return popItem.Get(); }

void ReleaseSounds()
{
    for (SoundItem* item : {&bell2Item, &buzzItem, &childrenItem, &popItem, &morningRainItem})
        item->Release();
}
