// A flat speed button: drawn on its parent's colour with a centred caption, a raised edge while
// the mouse is over it and a sunken one while it is pressed. It never takes the focus, so a click
// on it leaves the focus where it was. A click runs OnClick.
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
