// Shared pieces of the Win32 windowing layer; included only by platform/win32/*.cpp.
#pragma once
#include <windows.h>

#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/Font.h"
#include "platform/Window.h"

namespace platform {

struct ControlAccess {
  // The control object of a window of this layer, or null.
  static Control* FromHandle(HWND window);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static HWND Hwnd(const Control& control) { return control.handle_; }
  static bool PreTranslate(MSG& message);
};

// Modifier keys and mouse buttons held now; Alt also from bit 29 of a key message's lparam.
ShiftState KeyShiftState(LPARAM keyData);

COLORREF ToColorRef(Color color);
// CreateFontW of the style, made once and kept for the process: every control of that style
// shares it, and none deletes it. Only the window thread asks.
HFONT SharedGdiFont(const FontStyle& font);
void FillSolid(HDC dc, const RECT& rect, Color color);
// LoadLibraryA of `name` (at most 14 characters) by its full path in the system folder; null when it
// cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);

// The answer to WM_GETOBJECT for the client area of `window`: the system's accessible object of
// the window, named `name` instead of by its text (oleacc, loaded at the first call). 0 where it
// cannot be made: the system then serves its own.
LRESULT AccessibleObjectNamed(HWND window, const wchar_t* name, WPARAM wparam);

// Frame3D: `width` nested rings, top and left in `topLeft`, bottom and right in `bottomRight`;
// `rect` shrinks by the width.
void DrawFrame(HDC dc, RECT& rect, Color topLeft, Color bottomRight, int width);

}  // namespace platform
