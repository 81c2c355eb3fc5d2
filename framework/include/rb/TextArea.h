#pragma once

#include "rb/TextEdit.h"

#include <string>

namespace rb {

// A text box that can hold several lines (carriage returns as line breaks).
class TextArea : public TextEdit {
public:
    std::string Text() const override;
    void Text(const std::string& text) override;

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string text_;
};

} // namespace rb
