// A message box (MessageBoxW), owned by a window or by none.
#pragma once

namespace platform {

class Window;

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr int kIdOk = 1;

// The MessageBoxW result: the button pressed (kIdOk ...), 0 on failure.
int ShowMessageBox(const Window* owner, const wchar_t* text, const wchar_t* title, unsigned flags);

}  // namespace platform
