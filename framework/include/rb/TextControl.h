#pragma once

#include "rb/FrameworkExport.h"
#include "rb/RectControl.h"

#include <cstdint>
#include <string>

namespace rb {

// A control that shows text: its font, size, style and colour.
class RB_FRAMEWORK_EXPORT TextControl : public RectControl {
public:
    // "System" (or empty) is the platform's default font.
    const std::string& TextFont() const noexcept { return font_; }
    void TextFont(const std::string& font);
    // In pixels; 0 is the font's default size.
    float TextSize() const noexcept { return size_; }
    void TextSize(float size);
    // Kept; sizes are always pixels here.
    std::int32_t TextUnit() const noexcept { return unit_; }
    void TextUnit(std::int32_t unit) { unit_ = unit; }
    bool Bold() const noexcept { return bold_; }
    void Bold(bool bold);
    bool Italic() const noexcept { return italic_; }
    void Italic(bool italic);
    bool Underline() const noexcept { return underline_; }
    void Underline(bool underline);
    // 0xRRGGBB.
    std::uint32_t TextColor() const noexcept { return color_; }
    void TextColor(std::uint32_t rgb);

    void DescribeProperties(PropertyTable& table) override;

protected:
    TextControl() = default;
    // Shows the font and colour on the widget; subclasses call it from
    // their UpdateWidget.
    void UpdateTextStyle();

private:
    std::string font_ = "System";
    float size_ = 0;
    std::int32_t unit_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    std::uint32_t color_ = 0x000000;
};

} // namespace rb
