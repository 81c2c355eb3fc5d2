#pragma once

#include "rb/Picture.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

namespace rb {

// What a Graphics draws into.
class GraphicsSurface {
public:
    virtual ~GraphicsSurface() = default;
    virtual void DrawPicture(const Picture& picture, QPoint at) = 0;
    virtual QRgb Pixel(QPoint at) const = 0;
    virtual QSize Size() const = 0;
};

} // namespace rb
