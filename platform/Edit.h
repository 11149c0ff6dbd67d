// A single-line edit field (system class "Edit", with a sunken client edge). OnChange runs on
// every change of the text (EN_CHANGE), also when the text is set from code. A popup menu set
// with SetPopupMenu replaces the system's context menu (right click or the context-menu key).
#pragma once
#include <string>

#include "platform/Control.h"

namespace platform {

class PopupMenu;

class Edit : public Control {
 public:
  // Empty, writable, a tab stop; background COLOR_WINDOW.
  explicit Edit(Control* parent);

  void SetText(const std::wstring& text) { SetCaption(text); }

  // ES_READONLY; set with EM_SETREADONLY.
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  // EM_GETSEL: the selection's start (0-based) and length.
  int SelStart() const;
  int SelLength() const;
  // The selected part of the text.
  std::wstring SelText() const;

  // EM_CANUNDO; false while the field has no window.
  bool CanUndo() const;
  // WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL 0..-1.
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  void SelectAll();

  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
  PopupMenu* GetPopupMenu() const { return popupMenu_; }

  Handler<Control&> OnChange;

  Edit* AsEdit() override { return this; }

 protected:
  bool HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                     std::intptr_t& result) override;
  void Notify(unsigned code) override;

 private:
  PopupMenu* popupMenu_ = nullptr;
};

}  // namespace platform
