#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <memory>

namespace rb {

class Graphics;
struct PictureData;

// A 32-bit picture with an optional mask. The mask is a picture of the same
// size: black is opaque, white clear, greys between. A picture drawn anywhere
// shows through its mask, or through its own alpha (a PNG's) while it has none.
class RB_FRAMEWORK_EXPORT Picture : public Object {
public:
    // Pictures may be at most this many pixels wide and high.
    static constexpr std::int32_t MaxSide = 4096;

    // A new picture, opaque white, with no mask. Throws UsageException for a
    // depth other than 32 or a side outside 1..MaxSide.
    Picture(std::int32_t width, std::int32_t height, std::int32_t depth);
    explicit Picture(std::unique_ptr<PictureData> data);
    ~Picture() override;

    std::int32_t Width() const;
    std::int32_t Height() const;

    // Draws into the picture. For a mask, drawing changes the transparency of
    // the picture it masks. Colour drawn into a masked picture fills the
    // picture's coverage: a picture drawn into a copy that carries a copy of its
    // mask makes the copy show exactly as the original.
    Ref<rb::Graphics> Graphics();

    // The mask; nil when there is none and create is false. A new mask is made
    // from the picture's alpha (a PNG's) or, lacking one, all black.
    Ref<Picture> Mask(bool create);

private:
    friend class PictureAccess;
    std::unique_ptr<PictureData> data_;
};

} // namespace rb
