// A popup menu (CreatePopupMenu) with its items. Popup() records the control it was opened on
// (the popup component), runs OnPopup, lets the user choose (TrackPopupMenu) and runs the chosen
// item's OnClick. An item whose caption is "-" is a separator line. Enabled states and the default
// item are kept in the menu itself (GetMenuState and GetMenuDefaultItem read them).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/Control.h"

struct HMENU__;

namespace platform {

class PopupMenu;

class MenuItem {
 public:
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::wstring& Caption() const { return caption_; }
  bool Separator() const { return caption_ == L"-"; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // EnableMenuItem.
  void SetEnabled(bool enabled);
  // The command identifier in the menu, 1 for the first item.
  unsigned Command() const { return command_; }
  PopupMenu& Menu() const { return menu_; }

  Handler<MenuItem&> OnClick;

 private:
  friend class PopupMenu;
  MenuItem(PopupMenu& menu, std::wstring caption, unsigned command)
      : menu_(menu), caption_(std::move(caption)), command_(command) {}

  PopupMenu& menu_;
  std::wstring caption_;
  unsigned command_;
  int tag_ = 0;
};

class PopupMenu : public Component {
 public:
  PopupMenu();
  ~PopupMenu() override;

  // Appends an item, owned by the menu, enabled.
  MenuItem& Add(std::wstring caption);

  // SetMenuDefaultItem: the item is drawn in bold.
  void SetDefaultItem(MenuItem& item);

  // Opens the menu at screen position (x, y) on `component` and returns when it has closed.
  void Popup(int x, int y, Control& component);
  Control* PopupComponent() const { return popupComponent_; }

  Handler<PopupMenu&> OnPopup;

  HMENU__* Handle() const { return handle_; }

 private:
  HMENU__* handle_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
  Control* popupComponent_ = nullptr;
};

}  // namespace platform
