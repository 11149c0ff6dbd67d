#include "platform/Panel.h"

#include "platform/win32/Internal.h"

namespace platform {

Panel::Panel(Control* parent)
    : Control(parent, Color::BtnFace(), false) {
  CreateOwnHandle(L"ZQPanel", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  SetClicks(Clicks::Click);
}

void Panel::SetBevel(BevelKind kind, int width) {
  bevel_ = kind;
  bevelWidth_ = width;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Panel::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Panel::Paint(HDC dc, RECT& r) {
  if (bevel_ == BevelKind::Raised) {
    DrawFrame(dc, r, Color::BtnHighlight(), Color::BtnShadow(), bevelWidth_);
  } else if (bevel_ == BevelKind::Lowered) {
    DrawFrame(dc, r, Color::BtnShadow(), Color::BtnHighlight(), bevelWidth_);
  }
  DrawCaption(dc, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (alignment_ == Alignment::Center ? DT_CENTER : DT_LEFT));
}

}  // namespace platform
