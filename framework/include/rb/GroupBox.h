#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextControl.h"

#include <string>

namespace rb {

// A framed group; controls go inside it through their InitialParent.
class RB_FRAMEWORK_EXPORT GroupBox : public TextControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void Caption(const std::string& caption);

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string caption_;
};

} // namespace rb
