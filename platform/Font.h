// The font of a control: face, character height in pixels (the em height without internal
// leading: 11 for 8 pt and 13 for 10 pt at 96 pixels per inch), weight and text colour.
#pragma once

#include "platform/Color.h"

namespace platform {

struct FontStyle {
  const wchar_t* face = L"Tahoma";
  int height = 11;
  bool bold = false;
  Color color = Color::WindowText();
};

inline constexpr int kHeight8pt = 11;
inline constexpr int kHeight10pt = 13;

}  // namespace platform
