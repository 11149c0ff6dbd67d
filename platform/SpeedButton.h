// A flat speed button: drawn on its parent's colour with a centred caption, a raised edge while
// the mouse is over it and a sunken one while it is pressed. A click on it leaves the focus where it
// was; the keyboard brings it there (a tab stop), and then Space or Enter press it, as they press a
// push button, and a focus rectangle shows while the window shows focus cues. A click runs OnClick.
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

class SpeedButton : public Control {
 public:
  explicit SpeedButton(Control* parent);

 protected:
  bool HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                     std::intptr_t& result) override;
  void Paint(HDC__* dc, tagRECT& client) override;
  Color PaintedBackColor() const override { return ParentBackColor(); }

 private:
  bool hot_ = false;
};

}  // namespace platform
