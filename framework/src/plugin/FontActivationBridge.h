#pragma once

namespace rb {

// Lets the Qt font database follow the process's font activations, so that a
// font a plug-in activates is there before any window draws text in it.
void InstallFontActivationBridge();

} // namespace rb
