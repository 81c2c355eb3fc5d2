#pragma once

#include "rb/Sound.h"

// A sound file of the bundle's resources, tried once, on first use: a sound
// that failed to load stays nil for the rest of the process.
class SoundItem {
public:
    explicit SoundItem(const char* fileName) : fileName_(fileName) {}

    rb::Ref<rb::Sound> Get();
    void Release();
    // Untried again, as when the program starts.
    void Init();

private:
    const char* fileName_;
    bool loaded_ = false;
    rb::Ref<rb::Sound> permaSound_;
};
