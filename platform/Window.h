// A top-level window: single, not resizable border with caption and system menu; optional
// minimize and maximize boxes. It owns its components (every control placed on it at any depth,
// and objects handed over with Own), starts hidden, and can preview keys before its controls.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Control.h"

namespace platform {

class Button;

// Modifier keys and mouse buttons held while a key goes down.
using ShiftState = unsigned;
inline constexpr ShiftState kShift = 1;
inline constexpr ShiftState kAlt = 2;
inline constexpr ShiftState kCtrl = 4;
inline constexpr ShiftState kLeftButton = 8;
inline constexpr ShiftState kRightButton = 16;
inline constexpr ShiftState kMiddleButton = 32;

struct BorderIcons {
  bool minimize = true;
  bool maximize = false;
};

class Window : public Control {
 public:
  // `owner` stays beneath this window and is disabled while this window runs modally.
  explicit Window(BorderIcons icons = {}, Window* owner = nullptr);
  ~Window() override;

  // Sets the outer size so that the client area has this size (AdjustWindowRectEx).
  void SetClientSize(int width, int height);

  // Centred on the screen when first shown.
  void SetCenterOnFirstShow(bool center) { centerOnFirstShow_ = center; }
  void SetVisible(bool visible) override;
  void Show() { SetVisible(true); }
  // Whether it is the active window of its thread (GetActiveWindow), the one that keys go to.
  bool Active() const;

  // The window's key handler sees every key before the focused control does (keys that go down
  // with Alt arrive as WM_SYSKEYDOWN and are previewed as well); setting `key` to 0 swallows it.
  void SetKeyPreview(bool preview) { keyPreview_ = preview; }
  Handler<Control&, unsigned short&, ShiftState> OnKeyDown;

  // Enter presses the focused push button, or else the default button; Escape presses the cancel
  // button; Tab and Shift+Tab move the focus between the visible, enabled tab stops in the tab order
  // and show the focus cues from then on (WM_CHANGEUISTATE), as the system's dialogs do. The message
  // loop calls this for keys of this window's controls that they do not want themselves. True when
  // the key was used.
  bool DialogKey(unsigned short key, ShiftState shift);
  // The tab order: these controls in turn, wrapping. Without one, the order of creation.
  void SetTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }

  // WM_CLOSE: unless OnCloseQuery keeps the window, a modal run ends; otherwise the window hides,
  // and the main window of the message loop ends the loop.
  void Close();
  // Asked before the window closes: clearing `canClose` keeps the window open.
  Handler<Control&, bool&> OnCloseQuery;
  // WM_QUERYENDSESSION: clearing `canEnd` asks the system not to end the session now.
  Handler<Control&, bool&> OnQueryEndSession;
  // WM_ENDSESSION: whether the session ends after all.
  Handler<Control&, bool> OnEndSession;
  // Shows the window, disables the other windows of the thread and handles messages until the
  // window is closed; then hides it and enables the others again.
  void ShowModal();

  // Every control on the window at any depth, in creation order.
  const std::vector<Control*>& Controls() const { return controls_; }
  // Takes ownership of a component (a popup menu, for example); it lives as long as the window.
  template <class T>
  T& Own(std::unique_ptr<T> component) {
    T& ref = *component;
    owned_.push_back(std::move(component));
    return ref;
  }

 protected:
  bool HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                     std::intptr_t& result) override;

 private:
  friend class Control;
  friend class Button;
  friend struct ControlAccess;

  bool PreviewKey(unsigned short& key, ShiftState shift);
  // The tab stop after (or before) `from` (an HWND), wrapping; the first one when `from` is none.
  HWND__* NextTabStop(HWND__* from, bool backwards) const;
  void RestoreFocus();

  std::vector<Control*> controls_;
  std::vector<Control*> tabOrder_;
  std::vector<std::unique_ptr<Component>> owned_;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  bool centerOnFirstShow_ = false;
  bool shownBefore_ = false;
  bool keyPreview_ = false;
  bool modal_ = false;
  bool modalDone_ = false;
  HWND__* lastFocus_ = nullptr;
};

}  // namespace platform
