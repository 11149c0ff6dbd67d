#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

bool CanPress(const Control& control) {
  HWND h = ControlAccess::Hwnd(control);
  return ::IsWindowVisible(h) && ::IsWindowEnabled(h);
}

bool IsTabStop(const Control& control) {
  HWND h = ControlAccess::Hwnd(control);
  return h != nullptr && (::GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) != 0 && CanPress(control);
}

// A window that a modal run disabled carries the modal window's handle in this property until
// the run gives it back.
constexpr char kModalProperty[] = "ZQ.Modal";

BOOL CALLBACK DisableOther(HWND w, LPARAM modal) {
  HWND self = reinterpret_cast<HWND>(modal);
  if (w != self && ::IsWindowVisible(w) && ::IsWindowEnabled(w)) {
    ::EnableWindow(w, FALSE);
    ::SetPropA(w, kModalProperty, self);
  }
  return TRUE;
}

BOOL CALLBACK EnableAgain(HWND w, LPARAM modal) {
  if (::GetPropA(w, kModalProperty) == reinterpret_cast<HANDLE>(modal)) {
    ::RemovePropA(w, kModalProperty);
    ::EnableWindow(w, TRUE);
  }
  return TRUE;
}

}  // namespace

ShiftState KeyShiftState(LPARAM keyData) {
  ShiftState shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= kShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
  if (::GetKeyState(VK_MENU) < 0 || (keyData & (1 << 29)) != 0) shift |= kAlt;
  if (::GetKeyState(VK_LBUTTON) < 0) shift |= kLeftButton;
  if (::GetKeyState(VK_RBUTTON) < 0) shift |= kRightButton;
  if (::GetKeyState(VK_MBUTTON) < 0) shift |= kMiddleButton;
  return shift;
}

Window::Window(BorderIcons icons, Window* owner)
    : Control(Color::BtnFace()) {
  form_ = this;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (icons.minimize) style |= WS_MINIMIZEBOX;
  if (icons.maximize) style |= WS_MAXIMIZEBOX;
  // Tab moves into the controls of panels as well.
  CreateOwnHandle(L"ZQWindow", style, WS_EX_CONTROLPARENT,
                  owner != nullptr ? owner->Handle() : nullptr);
}

Window::~Window() {
  for (Control* control : controls_) control->form_ = nullptr;
  owned_.clear();
  form_ = nullptr;
}

void Window::SetClientSize(int width, int height) {
  HWND h = ControlAccess::Hwnd(*this);
  RECT r{0, 0, width, height};
  ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongW(h, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongW(h, GWL_EXSTYLE)));
  ::SetWindowPos(h, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetVisible(bool visible) {
  HWND h = ControlAccess::Hwnd(*this);
  if (visible && !shownBefore_ && centerOnFirstShow_) {
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    ::SetWindowPos(h, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (visible) shownBefore_ = true;
  ::ShowWindow(h, visible ? SW_SHOW : SW_HIDE);
}

bool Window::Active() const { return ::GetActiveWindow() == ControlAccess::Hwnd(*this); }

void Window::Close() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_CLOSE, 0, 0); }

void Window::ShowModal() {
  HWND h = ControlAccess::Hwnd(*this);
  ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(h));
  modal_ = true;
  modalDone_ = false;
  Show();
  MSG message;
  while (!modalDone_) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The loop outside ends as well.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    Dispatch(message);
  }
  // Enabled before hiding, so that the activation goes back to them.
  ::EnumThreadWindows(::GetCurrentThreadId(), &EnableAgain, reinterpret_cast<LPARAM>(h));
  SetVisible(false);
  modal_ = false;
}

bool Window::PreviewKey(unsigned short& key, ShiftState shift) {
  if (keyPreview_ && OnKeyDown) {
    OnKeyDown(*this, key, shift);
    if (key == 0) return true;
  }
  return DialogKey(key, shift);
}

HWND Window::NextTabStop(HWND from, bool backwards) const {
  const std::vector<Control*>& order = tabOrder_.empty() ? controls_ : tabOrder_;
  const std::size_t n = order.size();
  if (n == 0) return nullptr;
  // Starts one before the first (after the last) control unless `from` is a tab stop.
  std::size_t at = backwards ? 0 : n - 1;
  for (std::size_t i = 0; i < n; ++i) {
    if (order[i]->Handle() == from && IsTabStop(*order[i])) at = i;
  }
  const std::size_t step = backwards ? n - 1 : 1;
  for (std::size_t k = 0; k < n; ++k) {
    at = (at + step) % n;
    if (IsTabStop(*order[at])) return order[at]->Handle();
  }
  return nullptr;
}

bool Window::DialogKey(unsigned short key, ShiftState shift) {
  HWND h = ControlAccess::Hwnd(*this);
  HWND focus = ::GetFocus();
  if (focus != h && !::IsChild(h, focus)) focus = nullptr;
  const bool modifiers = (shift & (kShift | kCtrl | kAlt)) != 0;
  const LRESULT wants = focus != nullptr ? ::SendMessageW(focus, WM_GETDLGCODE, key, 0) : 0;
  if (key == VK_TAB) {
    if ((shift & (kCtrl | kAlt)) != 0 || (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0) {
      return false;
    }
    HWND next = (NextTabStop(focus, (shift & kShift) != 0));
    if (next == nullptr || next == focus) return false;
    ::SendMessageW(h, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(next);
    return true;
  }
  if ((key != VK_RETURN && key != VK_ESCAPE) || modifiers) return false;
  if ((wants & DLGC_WANTALLKEYS) != 0) return false;
  if (key == VK_ESCAPE) {
    if (cancelButton_ == nullptr || !CanPress(*cancelButton_)) return false;
    cancelButton_->Click();
    return true;
  }
  Control* pressed = ControlAccess::FromHandle(focus);
  const bool pushButton = (wants & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  if (!pushButton || pressed == nullptr || pressed->Form() != this) pressed = defaultButton_;
  if (pressed == nullptr || !CanPress(*pressed)) return false;
  pressed->Click();
  return true;
}

void Window::RestoreFocus() {
  HWND h = ControlAccess::Hwnd(*this);
  HWND target = lastFocus_;
  if (target == nullptr || !::IsChild(h, target) || !::IsWindowVisible(target) ||
      !::IsWindowEnabled(target)) {
    target = (NextTabStop(nullptr, false));
    if (target == nullptr) target = h;
  }
  ::SetFocus(target);
}

bool Window::HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                           std::intptr_t& result) {
  HWND h = ControlAccess::Hwnd(*this);
  switch (message) {
    case WM_QUERYENDSESSION: {
      bool kann = true;
      OnQueryEndSession(*this, kann);
      result = kann;
      return true;
    }
    case WM_ENDSESSION:
      OnEndSession(*this, wparam != FALSE);
      result = 0;
      return true;
    case WM_CLOSE: {
      bool kann = true;
      OnCloseQuery(*this, kann);
      result = 0;
      if (!kann) return true;
      if (modal_) {
        modalDone_ = true;
      } else {
        SetVisible(false);
        if (MainWindow() == this) Terminate();
      }
      return true;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(h, focus)) lastFocus_ = focus;
        return false;
      }
      if (HIWORD(wparam) != 0) return false;  // minimized
      RestoreFocus();
      result = 0;
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // With key preview the message loop has already shown the key to OnKeyDown.
      if (!keyPreview_ && OnKeyDown) {
        unsigned short key = static_cast<unsigned short>(wparam);
        OnKeyDown(*this, key, KeyShiftState(lparam));
        if (key == 0) {
          result = 0;
          return true;
        }
      }
      return false;
    default:
      return Control::HandleMessage(message, wparam, lparam, result);
  }
}

}  // namespace platform
