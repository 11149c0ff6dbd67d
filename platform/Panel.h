// A panel: a rectangular child window in its colour, with an optional raised or lowered bevel of
// one or more pixels along its inner edge and a caption centred vertically, left-aligned or
// centred. Panels hold other controls; a click on the panel's own surface runs OnClick.
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

enum class BevelKind { None, Raised, Lowered };

class Panel : public Control {
 public:
  // Starts with the background COLOR_BTNFACE, a raised bevel of 1 pixel and a centred caption.
  explicit Panel(Control* parent);

  void SetBevel(BevelKind kind, int width);
  void SetAlignment(Alignment alignment);

 protected:
  void Paint(HDC__* dc, tagRECT& client) override;

 private:
  BevelKind bevel_ = BevelKind::Raised;
  int bevelWidth_ = 1;
  Alignment alignment_ = Alignment::Center;
};

}  // namespace platform
