#include "platform/Bevel.h"

#include "platform/win32/Internal.h"

namespace platform {

Bevel::Bevel(Control* parent)
    : Control(parent, parent->BackColor(), true) {
  CreateOwnHandle(L"ZQBevel", 0, 0);
}

void Bevel::Paint(HDC dc, RECT& r) {
  FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, Color::BtnShadow());
  FillSolid(dc, RECT{r.left, r.top + 1, r.right, r.top + 2}, Color::BtnHighlight());
}

}  // namespace platform
