#include "SoundItems.h"

#include "SoundItem.h"

namespace {

SoundItem bell2Item("Bell2.wav");
SoundItem buzzItem("buzz.wav");
SoundItem morningRainItem("MorningRain.mp3");
SoundItem childrenItem("children.wav");
SoundItem popItem("pop.wav");

// In the order of their release.
SoundItem* const allItems[] = {&bell2Item, &buzzItem, &childrenItem, &popItem, &morningRainItem};

} // namespace

rb::Ref<rb::Sound> Bell2() { return bell2Item.Get(); }
rb::Ref<rb::Sound> buzz() { return buzzItem.Get(); }
rb::Ref<rb::Sound> MorningRain() { return morningRainItem.Get(); }
rb::Ref<rb::Sound> children() { return childrenItem.Get(); }
rb::Ref<rb::Sound> pop() { return popItem.Get(); }

void InitSounds()
{
    for (SoundItem* item : allItems)
        item->Init();
}

void ReleaseSounds()
{
    for (SoundItem* item : allItems)
        item->Release();
}
