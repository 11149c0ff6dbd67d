// A colour as the windowing layer paints it: either a fixed RGB value or one of the system colours,
// which are looked up (GetSysColor) each time they are painted.
#pragma once
#include <cstdint>

namespace platform {

class Color {
 public:
  // 0xRRGGBB, written as the colour is usually given: Rgb(0xFF0000) is red.
  static constexpr Color Rgb(std::uint32_t rrggbb) { return Color(rrggbb & 0xFFFFFF); }
  // A COLOR_* index of the system colour table.
  static constexpr Color System(int index) {
    return Color(static_cast<std::uint32_t>(index) | kSystemBit);
  }

  static constexpr Color ActiveCaption() { return System(2); }
  static constexpr Color Window() { return System(5); }
  static constexpr Color WindowText() { return System(8); }
  static constexpr Color CaptionText() { return System(9); }
  static constexpr Color Highlight() { return System(13); }
  static constexpr Color HighlightText() { return System(14); }
  static constexpr Color BtnFace() { return System(15); }
  static constexpr Color BtnShadow() { return System(16); }
  static constexpr Color BtnText() { return System(18); }
  static constexpr Color BtnHighlight() { return System(20); }

  constexpr bool IsSystem() const { return (value_ & kSystemBit) != 0; }
  // The RGB value, or the system colour's index.
  constexpr std::uint32_t Value() const { return value_ & ~kSystemBit; }

  constexpr bool operator==(const Color&) const = default;

 private:
  // One word: an RGB value needs 24 bits, so the top bit tells a system colour's index apart.
  static constexpr std::uint32_t kSystemBit = 0x80000000u;

  explicit constexpr Color(std::uint32_t value) : value_(value) {}
  std::uint32_t value_;
};

}  // namespace platform
