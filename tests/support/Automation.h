// What an automation program reads of the installer's windows from outside, with nothing but
// Win32 calls that work across processes: captions, geometry, the own visibility flag, fonts, the
// z-order, and the names that assistive technology reads.
#pragma once
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace automation {

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};

// Outer bounds relative to the parent's client area.
inline Bounds BoundsInParent(HWND window) {
  RECT r = {};
  ::GetWindowRect(window, &r);
  HWND parent = ::GetAncestor(window, GA_PARENT);
  if (parent != nullptr && parent != ::GetDesktopWindow()) {
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline SIZE ClientSize(HWND window) {
  RECT r = {};
  ::GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

// The window's own WS_VISIBLE flag, not whether it is on screen.
inline bool OwnVisible(HWND window) {
  return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The caption in Unicode, as the window holds it.
inline std::wstring Text(HWND window) {
  wchar_t text[4096] = {};
  const LRESULT length = ::SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return std::wstring(text, static_cast<std::size_t>(length));
}

struct FontInfo {
  std::string face;
  int characterHeight;  // tmHeight - tmInternalLeading
  int lineHeight;       // tmHeight
  bool bold;
};

// The font the window was given with WM_SETFONT, as GDI realises it.
inline FontInfo Font(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
  HDC dc = ::GetDC(window);
  HGDIOBJ old = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(SYSTEM_FONT));
  char face[LF_FACESIZE] = {};
  ::GetTextFaceA(dc, sizeof face, face);
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return FontInfo{face, metrics.tmHeight - metrics.tmInternalLeading, metrics.tmHeight,
                  metrics.tmWeight >= FW_BOLD};
}

// Width of `text` in the window's font.
inline int TextWidth(HWND window, const std::wstring& text) {
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
  HDC dc = ::GetDC(window);
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size = {};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return size.cx;
}

// The direct children, topmost first.
inline std::vector<HWND> ChildrenTopFirst(HWND parent) {
  std::vector<HWND> children;
  for (HWND w = ::GetWindow(parent, GW_CHILD); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
    children.push_back(w);
  }
  return children;
}

// The pixel at (x, y) of the window's client area, as the window paints it (WM_PRINTCLIENT into a
// memory bitmap), as 0xRRGGBB.
inline std::uint32_t PrintedPixel(HWND window, int x, int y) {
  const SIZE size = ClientSize(window);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  const COLORREF c = ::GetPixel(memory, x, y);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

// The name that assistive technology reads for the window (its client area's accessible object,
// AccessibleObjectFromWindow); empty when it gets none. COM must be initialised on the thread.
inline std::wstring AccessibleName(HWND window) {
  IAccessible* objekt = nullptr;
  if (::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&objekt)) != S_OK) {
    return {};
  }
  VARIANT selbst;
  selbst.vt = VT_I4;
  selbst.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring gelesen;
  if (objekt->get_accName(selbst, &name) == S_OK && name != nullptr) gelesen = name;
  ::SysFreeString(name);
  objekt->Release();
  return gelesen;
}

// Handles the thread's waiting messages until `done` holds or `milliseconds` have passed.
template <class Done, class Pump>
bool PumpUntil(Done done, Pump pump, DWORD milliseconds = 3000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > milliseconds) return false;
    pump();
    ::Sleep(5);
  }
  return true;
}

}  // namespace automation
