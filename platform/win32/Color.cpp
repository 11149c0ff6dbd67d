#include "platform/Color.h"

#include "platform/win32/Internal.h"

namespace platform {

COLORREF ToColorRef(Color color) {
  if (color.IsSystem()) return ::GetSysColor(static_cast<int>(color.Value()));
  const std::uint32_t v = color.Value();
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

HFONT SharedGdiFont(const FontStyle& font) {
  // The windows use a handful of fonts, each on many controls.
  struct Made {
    const wchar_t* face;
    int height;
    bool bold;
    HFONT font;
  };
  static Made made[8];
  static unsigned count = 0;
  for (unsigned i = 0; i < count; ++i) {
    const Made& m = made[i];
    const wchar_t *a = m.face, *b = font.face;
    while (*a != 0 && *a == *b) ++a, ++b;
    if (*a == *b && m.height == font.height && m.bold == font.bold) return m.font;
  }
  // A negative height asks for the character height, without the internal leading.
  HFONT h = ::CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, font.face);
  if (h != nullptr && count < sizeof made / sizeof made[0]) made[count++] = {font.face, font.height, font.bold, h};
  return h;
}

void FillSolid(HDC dc, const RECT& rect, Color color) {
  HBRUSH brush = ::CreateSolidBrush(ToColorRef(color));
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

void DrawFrame(HDC dc, RECT& rect, Color topLeft, Color bottomRight, int width) {
  for (int i = 0; i < width && rect.right > rect.left && rect.bottom > rect.top; ++i) {
    FillSolid(dc, RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    ::InflateRect(&rect, -1, -1);
  }
}

}  // namespace platform
