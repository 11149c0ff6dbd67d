// Helpers for tests that drive real windows of the toolkit on the test display.
#pragma once
#include <windows.h>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Handler.h"

namespace testfenster {

// An event slot bound to a callable that the test keeps alive (a lambda in a variable).
template <class F, class... Args>
platform::Handler<Args...> AnImpl(F& f, void (F::*)(Args...) const) {
  return platform::Handler<Args...>(&f, [](void* t, Args... args) { (*static_cast<F*>(t))(args...); });
}
template <class F>
auto An(F& f) {
  return AnImpl(f, &F::operator());
}

// Handles every message waiting in the queue as the toolkit's message loop does, and returns.
inline void Verarbeiten() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    platform::Dispatch(message);
  }
}

inline HWND H(const platform::Control& control) { return static_cast<HWND>(control.Handle()); }

// Whether the control has the keyboard focus.
inline bool Fokus(const platform::Control& control) { return ::GetFocus() == H(control); }

// Selects `length` characters of an edit control from `start` (0-based), as the mouse does.
inline void Markieren(const platform::Control& feld, int start, int length) {
  ::SendMessageA(H(feld), EM_SETSEL, start, start + length);
}

// A system colour as 0xRRGGBB, as it is at this moment.
inline std::uint32_t Rgb(int systemFarbe) {
  const COLORREF c = ::GetSysColor(systemFarbe);
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
         GetBValue(c);
}

// Handles waiting messages for a while, so that showing, activation and painting settle.
inline void Warten(DWORD milliseconds = 100) {
  const DWORD start = ::GetTickCount();
  do {
    Verarbeiten();
    ::Sleep(5);
  } while (::GetTickCount() - start < milliseconds);
}

// Posts a key press to the window with the focus, as the keyboard would deliver it, and handles
// it through the toolkit's message loop.
inline void Taste(WORD key, bool system = false) {
  HWND ziel = ::GetFocus();
  const UINT down = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = system ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM alt = system ? (1 << 29) : 0;
  ::PostMessageA(ziel, down, key, 1 | alt);
  ::PostMessageA(ziel, up, key, 1 | alt | (3u << 30));
  Verarbeiten();
}

}  // namespace testfenster
