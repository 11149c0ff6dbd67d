#include "platform/SpeedButton.h"

#include "platform/win32/Internal.h"

namespace platform {

SpeedButton::SpeedButton(Control* parent)
    : Control(parent, parent->BackColor(), true) {
  CreateOwnHandle(L"ZQSpeedButton", WS_TABSTOP, 0);
  SetClicks(Clicks::ShownClick);
  SetActsAs(ActsAs::Button);
}

bool SpeedButton::HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                                std::intptr_t& result) {
  HWND h = ControlAccess::Hwnd(*this);
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, h, 0};
        ::TrackMouseEvent(&track);
        ::InvalidateRect(h, nullptr, TRUE);
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      ::InvalidateRect(h, nullptr, TRUE);
      result = 0;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      ::InvalidateRect(h, nullptr, TRUE);
      break;
    case WM_GETDLGCODE:
      result = DLGC_UNDEFPUSHBUTTON;
      return true;
    default:
      break;
  }
  return Control::HandleMessage(message, wparam, lparam, result);
}

void SpeedButton::Paint(HDC dc, RECT& r) {
  RECT edge = r;
  RECT fokus = r;
  ::InflateRect(&fokus, -2, -2);
  if (Pressed()) {
    DrawFrame(dc, edge, Color::BtnShadow(), Color::BtnHighlight(), 1);
    ::OffsetRect(&r, 1, 1);
  } else if (hot_) {
    DrawFrame(dc, edge, Color::BtnHighlight(), Color::BtnShadow(), 1);
  }
  DrawCaption(dc, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  HWND h = ControlAccess::Hwnd(*this);
  if (::GetFocus() == h && (::SendMessageW(h, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
    ::DrawFocusRect(dc, &fokus);
  }
}

}  // namespace platform
