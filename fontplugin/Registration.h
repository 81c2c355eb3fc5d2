#pragma once

namespace kwx {

// Registers the five classes, the methods of "folderitem" and the two global
// methods, in that order: FontKWX comes before FontFamilyKWX, which its
// declarations name, since the host resolves class names once all are in.
void RegisterAll();

} // namespace kwx
