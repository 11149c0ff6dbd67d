// A bevel: an engraved horizontal line along the top of its bounds (one row in the button shadow
// colour above one row in the button highlight colour).
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

class Bevel : public Control {
 public:
  explicit Bevel(Control* parent);

 protected:
  void Paint(HDC__* dc, tagRECT& client) override;
  Color PaintedBackColor() const override { return ParentBackColor(); }
};

}  // namespace platform
