// A three-state check box (system class "Button", BS_3STATE). Setting the state from code runs
// OnClick when the state changes; a user's click (or BM_CLICK) toggles between ticked and cleared,
// from grayed to ticked, and runs OnClick once. The background is the control's colour (its
// parent's at creation), the text in the font's colour.
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

enum class CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

class CheckBox : public Control {
 public:
  // Unchecked, a tab stop.
  explicit CheckBox(Control* parent);

  // BM_GETCHECK.
  CheckState State() const;
  // BM_SETCHECK; runs OnClick when the state changed.
  void SetState(CheckState state);
  // BM_SETCHECK alone: OnClick does not run.
  void SetStateQuietly(CheckState state);
  bool Checked() const { return State() == CheckState::Checked; }
  void SetChecked(bool checked) { SetState(checked ? CheckState::Checked : CheckState::Unchecked); }

 protected:
  void Notify(unsigned code) override;
  HBRUSH__* ControlColor(HDC__* dc) override;
};

}  // namespace platform
