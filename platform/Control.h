// Base of every control of the windowing layer, and of the components a window owns.
//
// Every control, labels, shapes, bevels and speed buttons included, is a real child window, so that
// another process (an automation program, an assistive tool) reads what a user sees: the caption
// with WM_GETTEXT, the geometry with GetWindowRect, the own visibility flag as the WS_VISIBLE style
// bit, the kind from the window class ("ZQWindow", "ZQPanel", "ZQLabel", "ZQSpeedButton",
// "ZQShape", "ZQBevel", "Button", "Edit").
//
// Stacking: a window-owning control created later lies above its earlier siblings. Drawn-only
// controls (labels, shapes, bevels, speed buttons) lie beneath all window-owning siblings, and
// among themselves a later one lies above an earlier one. Every child clips its siblings.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Handler.h"

// The system's handle types, as <windows.h> declares them (STRICT), without including it.
struct HBRUSH__;
struct HDC__;
struct HFONT__;
struct HWND__;
struct tagRECT;

namespace platform {

class Edit;
class Window;
struct ControlAccess;

// Anything a window owns: its controls and its popup menus.
class Component {
 public:
  Component() = default;
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
};

enum class Alignment { Left, Center };

// The system control that an own-class control acts as, for assistive technology: the index of the
// system's class, answered to WM_GETOBJECT with OBJID_QUERYCLASSNAMEIDX as 65536 + index, so that
// the system's accessible proxy of that class serves the control (its role, and its name from the
// window text). None: a plain window of its own, as a grouping or a picture is.
enum class ActsAs : unsigned char { None = 0, Button = 2, Static = 3 };

// How an own-class control takes the left mouse button: not at all, a press and release inside it
// as a click (OnClick), or as a click that is painted anew at the press and at the release.
enum class Clicks : unsigned char { None, Click, ShownClick };

class Control : public Component {
 public:
  ~Control() override;

  // The direct children, in creation order.
  const std::vector<Control*>& Children() const { return children_; }
  // The top-level window the control lies on; a window answers itself.
  Window* Form() const { return form_; }

  // Outer bounds, relative to the parent's client area (to the screen for a window).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  int ClientWidth() const;
  int ClientHeight() const;
  // One SetWindowPos.
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

  // The control's own visibility flag (WS_VISIBLE), whether or not its parent shows.
  bool Visible() const;
  virtual void SetVisible(bool visible);
  // IsWindowEnabled and EnableWindow.
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetTabStop(bool tabStop);

  // The window text.
  std::wstring Caption() const;
  virtual void SetCaption(const wchar_t* caption);
  void SetCaption(const std::wstring& caption) { SetCaption(caption.c_str()); }
  const FontStyle& Font() const { return font_; }
  virtual void SetFont(const FontStyle& font);
  Color BackColor() const { return color_; }
  void SetBackColor(Color color);

  // Top of the z-order among the siblings of its kind (see the stacking rule above).
  void BringToFront();
  // Invalidates the control and its children and paints them at once.
  void Repaint();
  // SetFocus, and whether the control has the focus (GetFocus).
  void SetFocus();
  bool Focused() const;

  // Width of `text` in `font`, measured in this control's drawing surface.
  int TextWidth(const FontStyle& font, const std::wstring& text) const;

  // The control as an edit field, or null: the one downcast that the layers above need.
  virtual Edit* AsEdit() { return nullptr; }

  // The window handle, for the platform layer and for tests that inspect real windows.
  HWND__* Handle() const { return handle_; }

  // Runs OnClick.
  void Click();
  Handler<Control&> OnClick;

  // What an own-class control tells assistive technology it is; a system class tells it itself.
  void SetActsAs(ActsAs kind) { actsAs_ = kind; }
  // The name assistive technology reads for the control where its caption does not tell it (none,
  // or one that other controls share): the system's accessible object of the control, named so.
  void SetAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }

 protected:
  // `color` is the background the control starts with.
  Control(Control* parent, Color color, bool drawnOnly);
  // For a window: no parent, the window itself is its form.
  explicit Control(Color color);

  // Creates the window: one of the layer's own classes (painted by Paint) or a system class
  // (subclassed). Children get WS_CHILD, WS_CLIPSIBLINGS and WS_VISIBLE; a window without parent
  // gets `style` alone and `owner` (an HWND) as its owner.
  void CreateOwnHandle(const wchar_t* windowClass, std::uint32_t style, std::uint32_t exStyle,
                       HWND__* owner = nullptr);
  void CreateSystemHandle(const wchar_t* windowClass, std::uint32_t style, std::uint32_t exStyle);

  // Messages of the control's window. Returns true when handled, with the result in `result`.
  virtual bool HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                             std::intptr_t& result);
  // Paints an own-class control into the device context `dc`, over its client area `client`
  // already filled with PaintedBackColor().
  virtual void Paint(HDC__* dc, tagRECT& client);
  // The colour that fills an own-class control before Paint: its own.
  virtual Color PaintedBackColor() const { return color_; }
  // A WM_COMMAND notification that the control sent to its parent.
  virtual void Notify(unsigned code);
  // WM_CTLCOLOR* that the control sent to its parent: the brush to use, or null for the default.
  virtual HBRUSH__* ControlColor(HDC__* dc);

  // The font made from Font().
  HFONT__* FontHandle() const { return fontHandle_; }
  // A solid brush of BackColor(), owned by the control.
  HBRUSH__* BackBrush();
  // DrawTextW of the caption into `rect` with `format`, in the control's font and font colour over
  // what is painted already.
  void DrawCaption(HDC__* dc, tagRECT& rect, unsigned format) const;
  // The colour that the control's background shows: its own, or its parent's when it paints none.
  Color ParentBackColor() const;
  // Own classes: how the control takes the left mouse button, and Space while it has the focus;
  // none until set.
  void SetClicks(Clicks clicks) { clicks_ = clicks; }
  // Between the press and the release of a click.
  bool Pressed() const { return pressed_; }

 private:
  friend struct ControlAccess;
  friend class Label;
  friend class Window;

  void FinishCreation();
  bool TrackClick(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
  void PaintClient(HDC__* dc);
  void InsertIntoZOrder();
  std::intptr_t CallDefault(unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
  void Detach();

  Control* parent_ = nullptr;
  Window* form_ = nullptr;
  std::vector<Control*> children_;
  FontStyle font_;
  Color color_;
  bool drawnOnly_ = false;
  bool pressed_ = false;
  Clicks clicks_ = Clicks::None;
  ActsAs actsAs_ = ActsAs::None;
  std::wstring accessibleName_;
  Control* focusLabel_ = nullptr;  // the label that shows this control's focus (Label::SetFocusControl)
  HWND__* handle_ = nullptr;
  HFONT__* fontHandle_ = nullptr;
  HBRUSH__* brush_ = nullptr;
  Color brushColor_ = Color::BtnFace();
  void* systemProc_ = nullptr;
};

}  // namespace platform
