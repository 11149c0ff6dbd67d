// A push button (system class "Button"). A click, BM_CLICK from outside or Click() from code
// runs OnClick. The window's default button is pressed by Enter while no other push button has
// the focus, its cancel button by Escape (see Window::DialogKey).
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

class Button : public Control {
 public:
  // A tab stop, neither default nor cancel button.
  explicit Button(Control* parent);
  ~Button() override;

  // The window's default button (BS_DEFPUSHBUTTON), or no longer.
  void SetDefault(bool isDefault);
  // The window's cancel button, or no longer.
  void SetCancel(bool cancel);

 protected:
  void Notify(unsigned code) override;
};

}  // namespace platform
