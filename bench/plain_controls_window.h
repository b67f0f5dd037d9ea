#pragma once

#include <QWidget>

namespace armoursmith::bench {

// The main window's thirty controls made the plain way: the same frames, field boxes, option
// buttons, editable lists (one shown) and buttons, with the same texts and entries, in the
// same frames, but nothing the program adds to them. Start-up is measured against it: the
// floor that controls of these kinds set.
class PlainControlsWindow : public QWidget {
 public:
  PlainControlsWindow();
};

}  // namespace armoursmith::bench
