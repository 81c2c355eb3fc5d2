#pragma once

#include "rb/FrameworkExport.h"
#include "rb/RectControl.h"

#include <cstdint>

namespace rb {

// A filled rectangle with a border: its top and left edges in TopLeftColor,
// its bottom and right edges in BottomRightColor. Colours are 0xRRGGBB.
class RB_FRAMEWORK_EXPORT Rectangle : public RectControl {
public:
    std::uint32_t FillColor() const noexcept { return fill_; }
    void FillColor(std::uint32_t rgb);
    std::int32_t BorderWidth() const noexcept { return borderWidth_; }
    void BorderWidth(std::int32_t width);
    std::uint32_t TopLeftColor() const noexcept { return topLeft_; }
    void TopLeftColor(std::uint32_t rgb);
    std::uint32_t BottomRightColor() const noexcept { return bottomRight_; }
    void BottomRightColor(std::uint32_t rgb);

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::uint32_t fill_ = 0xFFFFFF;
    std::int32_t borderWidth_ = 1;
    std::uint32_t topLeft_ = 0x000000;
    std::uint32_t bottomRight_ = 0x000000;
};

} // namespace rb
