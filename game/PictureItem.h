#pragma once

#include "rb/Picture.h"

// A picture file of the bundle's resources, loaded on first use and kept for
// the life of the process. A load that gave nil is tried again at the next use.
class PictureItem {
public:
    explicit PictureItem(const char* fileName) : fileName_(fileName) {}

    rb::Ref<rb::Picture> Get();

private:
    const char* fileName_;
    rb::Ref<rb::Picture> pic_;
};
