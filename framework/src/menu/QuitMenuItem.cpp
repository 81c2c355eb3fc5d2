#include "rb/QuitMenuItem.h"

#include "rb/Runtime.h"

namespace rb {

void QuitMenuItem::Unhandled()
{
    Quit(0);
}

} // namespace rb
