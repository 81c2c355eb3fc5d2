#pragma once

#include "Class1.h"
#include "Designs.h"
#include "Window1.h"

#include <cstdint>

// The class of the main window's three sorting boxes, Window1.wbox.
class Window1::wbox : public Class1 {
public:
    // Builds a box as the first box is designed, adding itself to its window.
    void Constructor();
    // Readies the box of that index; the main window adds it and designs it.
    void Constructor(std::int32_t index);

    // The design of the box of that index (0 to 2), its backdrop included.
    static CanvasDesign Design(std::int32_t index);

private:
    static rb::Ref<rb::Picture> DesignedBackdrop(std::int32_t index);
};
