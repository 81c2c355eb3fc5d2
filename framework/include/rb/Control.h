#pragma once

#include "rb/Designable.h"
#include "rb/FrameworkExport.h"

#include <cstdint>
#include <limits>
#include <string>

namespace rb {

class Window;

// A control of a window: made through its window (Window::NewControl), added
// to it under a name (Window::AddControl); the elements of a control array
// share the name and differ by Index.
class RB_FRAMEWORK_EXPORT Control : public Designable {
public:
    // The Index of a control that is not in a control array.
    static constexpr std::int32_t NoIndex = std::numeric_limits<std::int32_t>::min();

    const std::string& Name() const noexcept { return name_; }
    void Name(const std::string& name) { name_ = name; }
    std::int32_t Index() const noexcept { return index_; }
    void Index(std::int32_t index) { index_ = index; }

    // The window the control was made within; nil once that window is gone.
    Ref<rb::Window> Window() const;

    std::string DesignName() const override;
    void DescribeProperties(PropertyTable& table) override;

    // Added to its window with AddControl.
    bool Added() const noexcept { return added_; }

    // "Window1.Canvas1.Paint": where an event of this control is delivered.
    std::string EventPath(const std::string& event) const;

protected:
    Control() = default;

private:
    friend class rb::Window;

    std::string name_;
    std::int32_t index_ = NoIndex;
    rb::Window* window_ = nullptr; // the window owns its controls, not the reverse
    bool added_ = false;
};

} // namespace rb
