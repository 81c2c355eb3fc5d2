#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextControl.h"

#include <cstdint>
#include <string>

namespace rb {

class RB_FRAMEWORK_EXPORT CheckBox : public TextControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void Caption(const std::string& caption);
    // Ticked; reads what the player set.
    bool Value() const;
    void Value(bool value);
    // 0 unticked, 1 ticked, 2 indeterminate.
    std::int32_t State() const;
    void State(std::int32_t state);

    void DescribeProperties(PropertyTable& table) override;

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string caption_;
    std::int32_t state_ = 0;
};

} // namespace rb
