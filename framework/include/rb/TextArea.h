#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextEdit.h"

#include <string>

namespace rb {

// A text box that can hold several lines (carriage returns as line breaks).
class RB_FRAMEWORK_EXPORT TextArea : public TextEdit {
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
