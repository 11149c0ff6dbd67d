// A shape: a rectangle filled with its brush colour, with a one-pixel outline or none.
#pragma once
#include <optional>
#include <string>

#include "platform/Control.h"

namespace platform {

class Shape : public Control {
 public:
  // White fill, black outline.
  explicit Shape(Control* parent);

  void SetFill(Color color);
  // No value: no outline.
  void SetOutline(std::optional<Color> color);

 protected:
  void Paint(HDC__* dc, tagRECT& client) override;
  Color PaintedBackColor() const override { return fill_; }

 private:
  Color fill_ = Color::Rgb(0xFFFFFF);
  std::optional<Color> outline_ = Color::Rgb(0x000000);
};

}  // namespace platform
