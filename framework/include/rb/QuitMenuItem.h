#pragma once

#include "rb/MenuItem.h"

namespace rb {

// The application's Quit command: unless a window's handler takes it, it
// runs the framework's Quit(0), which asks every window first.
class QuitMenuItem : public MenuItem {
public:
    void Unhandled() override;
    bool ActsUnhandled() const override { return true; }
};

} // namespace rb
