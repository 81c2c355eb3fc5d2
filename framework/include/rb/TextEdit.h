#pragma once

#include "rb/FrameworkExport.h"
#include "rb/TextControl.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rb {

// An editable text control (TextArea, TextField). Its KeyDown event gets
// every key pressed in it, before the control and before any shortcut but
// the menu bar's, as a String: the typed character, or Chr(8) backspace,
// Chr(9) Tab, Chr(13) Return, Chr(3) Enter, Chr(27) Escape, Chr(127)
// forward delete, Chr(28) to Chr(31) the left, right, up and down arrows,
// Chr(1) Home, Chr(4) End, Chr(11) Page Up, Chr(12) Page Down, Chr(5)
// Insert, Chr(16) a function key or any other key that types nothing; a
// Ctrl+letter its control character (Chr(1) to Chr(26)). True swallows the
// key whatever the control would have done with it. A Return, Enter or
// Escape key that passes presses the window's default or cancel button when
// it has one. Text that arrives without its keys (a paste, a drop, the
// middle button's primary selection, an input method) is offered to KeyDown
// character by character, and only what passes goes in.
class RB_FRAMEWORK_EXPORT TextEdit : public TextControl {
public:
    virtual std::string Text() const = 0;
    virtual void Text(const std::string& text) = 0;
    // At most this many characters can be typed or pasted in; 0 is no limit.
    std::int32_t LimitText() const noexcept { return limit_; }
    void LimitText(std::int32_t limit);
    // 0 default (left), 1 left, 2 centre, 3 right.
    std::int32_t Alignment() const noexcept { return alignment_; }
    void Alignment(std::int32_t alignment);
    bool ReadOnly() const noexcept { return readOnly_; }
    void ReadOnly(bool readOnly);
    bool Border() const noexcept { return border_; }
    void Border(bool border);
    // 0xRRGGBB.
    std::uint32_t BackColor() const noexcept { return backColor_; }
    void BackColor(std::uint32_t rgb);

    std::string_view EventSignature(std::string_view event) const override;
    void DescribeProperties(PropertyTable& table) override;

    // A handler bound to "KeyDown" is a bool(const std::string&).
    virtual bool Event_KeyDown(const std::string&) { return false; }

protected:
    TextEdit() = default;
    // Shows the edit's common properties on its widget.
    void UpdateEditStyle();

private:
    std::int32_t limit_ = 0;
    std::int32_t alignment_ = 0;
    bool readOnly_ = false;
    bool border_ = true;
    std::uint32_t backColor_ = 0xFFFFFF;
};

} // namespace rb
