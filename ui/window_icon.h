#pragma once

#include <QIcon>

namespace armoursmith {

// The main window's icon: the 64 px picture in 256 colours, and the 128 px one that keeps it
// sharp at twice the scale. The pictures are read when the window system first asks for the
// icon, not while the window is made: X11 asks when the window appears, but the offscreen
// platform never does, nor does a Wayland compositor that draws the title bar itself (it shows
// the desktop entry's icon).
QIcon WindowIcon();

}  // namespace armoursmith
