#include "rb/Graphics.h"

#include "graphics/GraphicsSurface.h"

namespace rb {

Graphics::Graphics(std::unique_ptr<GraphicsSurface> surface) : surface_(std::move(surface)) {}

Graphics::~Graphics() = default;

void Graphics::DrawPicture(const Ref<Picture>& picture, std::int32_t x, std::int32_t y)
{
    if (picture)
        surface_->DrawPicture(*picture, QPoint(x, y));
}

Color Graphics::Pixel(std::int32_t x, std::int32_t y) const
{
    const QPoint at(x, y);
    if (!QRect(QPoint(0, 0), surface_->Size()).contains(at))
        return {};
    const QRgb pixel = surface_->Pixel(at);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

std::int32_t Graphics::Width() const
{
    return surface_->Size().width();
}

std::int32_t Graphics::Height() const
{
    return surface_->Size().height();
}

} // namespace rb
