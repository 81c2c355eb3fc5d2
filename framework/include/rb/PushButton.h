#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextControl.h"

#include <string>
#include <string_view>

namespace rb {

// A button; a click raises Action. The window's Default button is pressed by
// Return and Enter, its Cancel button by Escape.
class RB_FRAMEWORK_EXPORT PushButton : public TextControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void Caption(const std::string& caption);
    bool Default() const noexcept { return default_; }
    void Default(bool isDefault);
    bool Cancel() const noexcept { return cancel_; }
    void Cancel(bool isCancel);

    // Clicks the button as the player would, when it is visible and enabled.
    void Push();

    std::string_view EventSignature(std::string_view event) const override;
    void DescribeProperties(PropertyTable& table) override;

    virtual void Event_Action() {}

protected:
    void MakeWidget() override;
    void UpdateWidget() override;

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace rb
