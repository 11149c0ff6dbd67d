// A label: static text drawn on its parent, never taking the focus. It paints its background
// colour, or, when transparent, the colour of its parent, so that the text stands on the parent's
// surface. Auto-size makes the label as large as its text whenever the caption or font changes
// (with word wrap only the height follows). Ampersands are shown as they are. A click runs OnClick.
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

enum class TextLayout { Top, Center };

class Label : public Control {
 public:
  // Starts with its parent's colour, opaque, no auto-size, no word wrap, left and top aligned.
  explicit Label(Control* parent);

  void SetAutoSize(bool autoSize);
  void SetTransparent(bool transparent);
  void SetWordWrap(bool wordWrap);
  void SetAlignment(Alignment alignment);
  void SetLayout(TextLayout layout);

  // The control this label names (VCL's FocusControl), where that has no caption to show its focus
  // on: while it has the focus and the window shows focus cues, the label draws a focus rectangle.
  void SetFocusControl(Control& control);

  using Control::SetCaption;
  void SetCaption(const wchar_t* caption) override;
  void SetFont(const FontStyle& font) override;

 protected:
  void Paint(HDC__* dc, tagRECT& client) override;
  Color PaintedBackColor() const override { return transparent_ ? ParentBackColor() : BackColor(); }

 private:
  unsigned TextFlags() const;
  void AdjustBounds();

  bool autoSize_ = false;
  bool transparent_ = false;
  bool wordWrap_ = false;
  Alignment alignment_ = Alignment::Left;
  TextLayout layout_ = TextLayout::Top;
  const Control* focusControl_ = nullptr;
};

}  // namespace platform
