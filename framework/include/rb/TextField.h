#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextEdit.h"

#include <string>

namespace rb {

// A one-line text box.
class RB_FRAMEWORK_EXPORT TextField : public TextEdit {
public:
    std::string Text() const override;
    void Text(const std::string& text) override;
    bool Password() const noexcept { return password_; }
    void Password(bool password);

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string text_;
    bool password_ = false;
};

} // namespace rb
