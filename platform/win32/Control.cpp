#include "platform/Control.h"

#include <algorithm>
#include <string>

#include "platform/Application.h"
#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

// Every creation registers its class; from the second time on the system answers
// ERROR_CLASS_ALREADY_EXISTS and keeps the first registration, which is the same.
void RegisterOwnClass(const wchar_t* name) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  // Own classes paint everything in WM_PAINT; redrawing on resize keeps centred texts right.
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = &ControlAccess::Procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

// Nothing can be shown or done without the window: the program ends with the system's word for
// why, rather than work on a null handle.
[[noreturn]] void EndWithoutWindow() {
  EndWithMessage(L"Ein Fenster des Installations-Programms kann nicht hergestellt werden.", ::GetLastError());
}

int NextControlId() {
  static int id = 100;
  return ++id;
}

template <class T>
void RemoveFrom(std::vector<T*>& list, const void* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

// The object lies in the window's user data, which the system reads in the calling process; a
// window property would ask the window server at every message. Only windows that run this layer's
// procedure hold one: others, a system dialog among them, keep their user data to themselves.
Control* ControlAccess::FromHandle(HWND window) {
  if (window == nullptr ||
      ::GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Control*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK ControlAccess::Procedure(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) {
  Control* control = reinterpret_cast<Control*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (control == nullptr && message == WM_NCCREATE) {
    control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (control != nullptr) {
      control->handle_ = window;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
  }
  if (control == nullptr) return ::DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    const LRESULT r = control->CallDefault(message, wparam, lparam);
    control->Detach();
    return r;
  }
  std::intptr_t result = 0;
  if (control->HandleMessage(message, wparam, lparam, result)) return static_cast<LRESULT>(result);
  return control->CallDefault(message, wparam, lparam);
}

Control::Control(Control* parent, Color color, bool drawnOnly)
    : parent_(parent),
      form_(parent->form_),
      font_(parent->font_),
      color_(color),
      drawnOnly_(drawnOnly) {
  parent_->children_.push_back(this);
  if (form_ != nullptr) form_->controls_.push_back(this);
}

Control::Control(Color color) : color_(color) {}

Control::~Control() {
  HWND h = handle_;
  if (h != nullptr) {
    // No message of the dying window reaches this half-destroyed object any more.
    if (systemProc_ != nullptr) {
      ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    }
    Detach();
    ::DestroyWindow(h);
  }
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_ != nullptr) RemoveFrom(parent_->children_, this);
  if (form_ != nullptr && form_ != this) RemoveFrom(form_->controls_, this);
  if (brush_ != nullptr) ::DeleteObject(brush_);
}

void Control::Detach() {
  HWND h = handle_;
  if (h == nullptr) return;
  ::SetWindowLongPtrW(h, GWLP_USERDATA, 0);
  handle_ = nullptr;
}

void Control::CreateOwnHandle(const wchar_t* windowClass, std::uint32_t style, std::uint32_t exStyle,
                              HWND owner) {
  RegisterOwnClass(windowClass);
  HWND parent = parent_ != nullptr ? parent_->handle_ : owner;
  if (parent_ != nullptr) style |= WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
  HMENU id = parent_ != nullptr ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId()))
                                : nullptr;
  if (::CreateWindowExW(exStyle, windowClass, L"", style, 0, 0, 0, 0, parent, id,
                        ::GetModuleHandleW(nullptr), this) == nullptr) {
    EndWithoutWindow();
  }
  FinishCreation();
}

void Control::CreateSystemHandle(const wchar_t* windowClass, std::uint32_t style,
                                 std::uint32_t exStyle) {
  HWND h = ::CreateWindowExW(
      exStyle, windowClass, L"", style | WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, 0, 0, 0, 0,
      parent_->handle_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())), ::GetModuleHandleW(nullptr),
      nullptr);
  if (h == nullptr) EndWithoutWindow();
  handle_ = h;
  ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  systemProc_ = reinterpret_cast<void*>(::SetWindowLongPtrW(
      h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlAccess::Procedure)));
  FinishCreation();
}

void Control::FinishCreation() {
  HWND h = handle_;
  if (h == nullptr) return;
  fontHandle_ = SharedGdiFont(font_);
  ::SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_), FALSE);
  // New windows enter beneath their siblings; a later control lies above the earlier ones.
  if (parent_ != nullptr) BringToFront();
}

void Control::InsertIntoZOrder() {
  HWND h = handle_;
  // Directly beneath the lowest window-owning sibling: above every earlier drawn-only one.
  HWND lowestOwning = nullptr;
  for (HWND s = ::GetWindow(h, GW_HWNDLAST); s != nullptr; s = ::GetWindow(s, GW_HWNDPREV)) {
    if (s == h) continue;
    Control* sibling = ControlAccess::FromHandle(s);
    if (sibling == nullptr || !sibling->drawnOnly_) {
      lowestOwning = s;
      break;
    }
  }
  ::SetWindowPos(h, lowestOwning != nullptr ? lowestOwning : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::intptr_t Control::CallDefault(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  HWND h = handle_;
  if (systemProc_ != nullptr) {
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(systemProc_), h, message, wparam, lparam);
  }
  return ::DefWindowProcW(h, message, wparam, lparam);
}

bool Control::HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                            std::intptr_t& result) {
  switch (message) {
    case WM_COMMAND:
      // Notifications of child controls arrive here, at the parent: each goes to its control. A
      // disabled window takes no commands, as it takes no input: a click that another program sends
      // to one of its buttons (BM_CLICK, WM_COMMAND) does nothing.
      if (Control* child = ControlAccess::FromHandle(reinterpret_cast<HWND>(lparam))) {
        if (::IsWindowEnabled(::GetAncestor(handle_, GA_ROOT))) child->Notify(HIWORD(wparam));
        result = 0;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      if (Control* child = ControlAccess::FromHandle(reinterpret_cast<HWND>(lparam))) {
        if (void* brush = child->ControlColor(reinterpret_cast<HDC>(wparam))) {
          result = reinterpret_cast<std::intptr_t>(brush);
          return true;
        }
      }
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (focusLabel_ != nullptr) ::InvalidateRect(focusLabel_->handle_, nullptr, TRUE);
      break;
    case WM_GETOBJECT: {
      // The identifier is a 32-bit value, sign-extended or not in a 64-bit lparam.
      const DWORD objekt = static_cast<DWORD>(lparam);
      if (actsAs_ != ActsAs::None && objekt == static_cast<DWORD>(OBJID_QUERYCLASSNAMEIDX)) {
        result = 65536 + static_cast<int>(actsAs_);
        return true;
      }
      if (accessibleName_.empty() || objekt != static_cast<DWORD>(OBJID_CLIENT)) return false;
      result = AccessibleObjectNamed(handle_, accessibleName_.c_str(), wparam);
      return result != 0;
    }
    default:
      break;
  }
  if (systemProc_ != nullptr) return false;
  // The system gives a disabled window no input; what arrives all the same was posted by another
  // program, and a control of a disabled window acts on none of it, as the system's own do not.
  const bool eingabe = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                       (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
  if (eingabe && !(::IsWindowEnabled(handle_) && ::IsWindowEnabled(::GetAncestor(handle_, GA_ROOT)))) {
    result = 0;
    return true;
  }
  if (clicks_ != Clicks::None && TrackClick(message, wparam, lparam)) {
    if (clicks_ == Clicks::ShownClick) ::InvalidateRect(handle_, nullptr, TRUE);
    result = 0;
    return true;
  }
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(handle_, &ps);
      PaintClient(dc);
      ::EndPaint(handle_, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      PaintClient(reinterpret_cast<HDC>(wparam));
      result = 0;
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<std::intptr_t>(fontHandle_);
      return true;
    case WM_SETFONT:
      // The control keeps the font made from Font(); others only read it.
      result = 0;
      return true;
    default:
      return false;
  }
}

void Control::PaintClient(HDC dc) {
  RECT r;
  ::GetClientRect(handle_, &r);
  FillSolid(dc, r, PaintedBackColor());
  Paint(dc, r);
}

void Control::Paint(HDC, RECT&) {}
void Control::Notify(unsigned) {}
HBRUSH Control::ControlColor(HDC) { return nullptr; }

bool Control::TrackClick(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  HWND h = handle_;
  switch (message) {
    // Space presses the control that has the focus, as it presses a system button.
    case WM_KEYDOWN:
      if (wparam != VK_SPACE) return false;
      pressed_ = true;
      return true;
    case WM_KEYUP:
      if (wparam != VK_SPACE || !pressed_) return false;
      pressed_ = false;
      Click();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      ::SetCapture(h);
      return true;
    case WM_LBUTTONUP: {
      if (!pressed_) return false;
      pressed_ = false;
      ::ReleaseCapture();
      RECT client;
      ::GetClientRect(h, &client);
      const POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (::PtInRect(&client, p)) Click();
      return true;
    }
    case WM_CAPTURECHANGED:
    case WM_KILLFOCUS:
      pressed_ = false;
      return false;
    default:
      return false;
  }
}

namespace {

RECT BoundsInParent(HWND h, Control* parent) {
  RECT r = {};
  ::GetWindowRect(h, &r);
  if (parent != nullptr) {
    ::MapWindowPoints(HWND_DESKTOP, ControlAccess::Hwnd(*parent), reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

}  // namespace

int Control::Left() const { return BoundsInParent(handle_, parent_).left; }
int Control::Top() const { return BoundsInParent(handle_, parent_).top; }
int Control::Width() const {
  const RECT r = BoundsInParent(handle_, parent_);
  return r.right - r.left;
}
int Control::Height() const {
  const RECT r = BoundsInParent(handle_, parent_);
  return r.bottom - r.top;
}
int Control::ClientWidth() const {
  RECT r = {};
  ::GetClientRect(handle_, &r);
  return r.right;
}
int Control::ClientHeight() const {
  RECT r = {};
  ::GetClientRect(handle_, &r);
  return r.bottom;
}

void Control::SetBounds(int left, int top, int width, int height) {
  ::SetWindowPos(handle_, nullptr, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Control::Visible() const {
  return (::GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
  ::ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const { return ::IsWindowEnabled(handle_) != FALSE; }

void Control::SetEnabled(bool enabled) { ::EnableWindow(handle_, enabled); }

void Control::SetTabStop(bool tabStop) {
  HWND h = handle_;
  const LONG style = ::GetWindowLongW(h, GWL_STYLE);
  ::SetWindowLongW(h, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

std::wstring Control::Caption() const {
  HWND h = handle_;
  const int length = ::GetWindowTextLengthW(h);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(h, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

void Control::SetCaption(const wchar_t* caption) {
  HWND h = handle_;
  ::SetWindowTextW(h, caption);
  if (systemProc_ == nullptr) ::InvalidateRect(h, nullptr, TRUE);
}

void Control::SetFont(const FontStyle& font) {
  font_ = font;
  fontHandle_ = SharedGdiFont(font_);
  ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_), TRUE);
  ::InvalidateRect(handle_, nullptr, TRUE);
}

void Control::SetBackColor(Color color) {
  color_ = color;
  ::InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH Control::BackBrush() {
  if (brush_ == nullptr || !(brushColor_ == color_)) {
    if (brush_ != nullptr) ::DeleteObject(brush_);
    brush_ = ::CreateSolidBrush(ToColorRef(color_));
    brushColor_ = color_;
  }
  return brush_;
}

void Control::DrawCaption(HDC dc, RECT& rect, unsigned format) const {
  const std::wstring text = Caption();
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(font_.color));
  HGDIOBJ old = ::SelectObject(dc, fontHandle_);
  ::DrawTextW(dc, text.c_str(), -1, &rect, format);
  ::SelectObject(dc, old);
}

Color Control::ParentBackColor() const { return parent_ != nullptr ? parent_->color_ : color_; }

void Control::BringToFront() {
  if (drawnOnly_) {
    InsertIntoZOrder();
  } else {
    ::SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Control::Repaint() {
  ::RedrawWindow(handle_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}


void Control::SetFocus() { ::SetFocus(handle_); }

bool Control::Focused() const { return ::GetFocus() == handle_; }

int Control::TextWidth(const FontStyle& font, const std::wstring& text) const {
  HWND h = handle_;
  HDC dc = ::GetDC(h);
  HGDIOBJ old = ::SelectObject(dc, SharedGdiFont(font));
  SIZE size = {};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(h, dc);
  return size.cx;
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace platform
