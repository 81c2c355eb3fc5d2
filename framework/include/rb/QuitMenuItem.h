#pragma once

#include "rb/FrameworkExport.h"
#include "rb/MenuItem.h"

namespace rb {

// The application's Quit command: unless a window's handler takes it, it
// runs the framework's Quit(0), which asks every window first.
class RB_FRAMEWORK_EXPORT QuitMenuItem : public MenuItem {
public:
    void Unhandled() override;
    bool ActsUnhandled() const override { return true; }
};

} // namespace rb
