#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextControl.h"

#include <cstdint>
#include <string>

namespace rb {

// A label. Carriage returns in its text are line breaks.
class RB_FRAMEWORK_EXPORT StaticText : public TextControl {
public:
    const std::string& Text() const noexcept { return text_; }
    void Text(const std::string& text);
    // 0 left, 1 centre, 2 right.
    std::int32_t TextAlign() const noexcept { return align_; }
    void TextAlign(std::int32_t align);
    // False shows the text on one line, clipped.
    bool Multiline() const noexcept { return multiline_; }
    void Multiline(bool multiline);

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string text_;
    std::int32_t align_ = 0;
    bool multiline_ = false;
};

} // namespace rb
