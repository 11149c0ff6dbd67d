#include "platform/Label.h"

#include "platform/win32/Internal.h"

namespace platform {

Label::Label(Control* parent)
    : Control(parent, parent->BackColor(), true) {
  // SS_NOPREFIX: the system's static proxy names the label as it is drawn, ampersands included.
  CreateOwnHandle(L"ZQLabel", SS_NOPREFIX, 0);
  SetClicks(Clicks::Click);
  SetActsAs(ActsAs::Static);
}

unsigned Label::TextFlags() const {
  return DT_EXPANDTABS | DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK : 0) |
         (alignment_ == Alignment::Center ? DT_CENTER : DT_LEFT);
}

void Label::AdjustBounds() {
  if (!autoSize_) return;
  HWND h = ControlAccess::Hwnd(*this);
  HDC dc = ::GetDC(h);
  HGDIOBJ old = ::SelectObject(dc, FontHandle());
  // An empty caption keeps the height of one line.
  std::wstring text = Caption();
  if (text.empty()) text.push_back(' ');
  RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
  ::DrawTextW(dc, text.c_str(), -1, &r, TextFlags() | DT_CALCRECT);
  ::SelectObject(dc, old);
  ::ReleaseDC(h, dc);
  SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  AdjustBounds();
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Label::SetLayout(TextLayout layout) {
  layout_ = layout;
  ::InvalidateRect(ControlAccess::Hwnd(*this), nullptr, TRUE);
}

void Label::SetFocusControl(Control& control) {
  focusControl_ = &control;
  control.focusLabel_ = this;
}

void Label::SetCaption(const wchar_t* caption) {
  Control::SetCaption(caption);
  AdjustBounds();
}

void Label::SetFont(const FontStyle& font) {
  Control::SetFont(font);
  AdjustBounds();
}

void Label::Paint(HDC dc, RECT& r) {
  if (layout_ == TextLayout::Center) {
    // DrawTextW centres single lines only: the wrapped block is measured and moved down.
    RECT needed = r;
    DrawCaption(dc, needed, TextFlags() | DT_CALCRECT);
    ::OffsetRect(&r, 0, (r.bottom - needed.bottom) / 2);
  }
  DrawCaption(dc, r, TextFlags());
  HWND h = ControlAccess::Hwnd(*this);
  if (focusControl_ != nullptr && focusControl_->Focused() &&
      (::SendMessageW(h, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
    ::GetClientRect(h, &r);
    ::DrawFocusRect(dc, &r);
  }
}

}  // namespace platform
