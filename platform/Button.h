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
  Button(Control& parent, const char* name);

  // BS_DEFPUSHBUTTON.
  void SetDefault(bool isDefault);
  bool Default() const { return default_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }
  bool Cancel() const { return cancel_; }

 protected:
  void Notify(unsigned code) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace platform
