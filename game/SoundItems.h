#pragma once

#include "rb/Sound.h"

// The game's sounds, one accessor each, named after the item. Each is tried
// once; ReleaseSounds drops them at the program's end.
rb::Ref<rb::Sound> Bell2();
rb::Ref<rb::Sound> buzz();
rb::Ref<rb::Sound> MorningRain();
rb::Ref<rb::Sound> children();
rb::Ref<rb::Sound> pop();

// Makes the five sounds untried, as when the program starts: each opens its
// file again at its next use.
void InitSounds();

// Releases the five sounds in the order Bell2, buzz, children, pop, MorningRain.
void ReleaseSounds();
