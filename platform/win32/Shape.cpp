#include "platform/Shape.h"

#include "platform/win32/Internal.h"

namespace platform {

Shape::Shape(Control* parent)
    : Control(parent, parent->BackColor(), true) {
  CreateOwnHandle(L"ZQShape", 0, 0);
}

void Shape::SetFill(Color color) {
  fill_ = color;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Shape::SetOutline(std::optional<Color> color) {
  outline_ = color;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Shape::Paint(HDC dc, RECT& r) {
  if (outline_) DrawFrame(dc, r, *outline_, *outline_, 1);
}

}  // namespace platform
