#include "platform/PopupMenu.h"

#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

HMENU MenuOf(const MenuItem& item) { return item.Menu().Handle(); }

}  // namespace

void MenuItem::SetEnabled(bool enabled) {
  ::EnableMenuItem(MenuOf(*this), command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

PopupMenu::PopupMenu() {
  handle_ = ::CreatePopupMenu();
}

PopupMenu::~PopupMenu() { ::DestroyMenu(handle_); }

MenuItem& PopupMenu::Add(std::wstring caption) {
  const unsigned command = static_cast<unsigned>(items_.size()) + 1;
  items_.push_back(std::unique_ptr<MenuItem>(new MenuItem(*this, std::move(caption), command)));
  MenuItem& item = *items_.back();
  HMENU menu = handle_;
  if (item.Separator()) {
    ::AppendMenuW(menu, MF_SEPARATOR, command, nullptr);
  } else {
    ::AppendMenuW(menu, MF_STRING, command, item.Caption().c_str());
  }
  return item;
}

void PopupMenu::SetDefaultItem(MenuItem& item) {
  ::SetMenuDefaultItem(handle_, item.Command(), FALSE);
}

void PopupMenu::Popup(int x, int y, Control& component) {
  popupComponent_ = &component;
  if (OnPopup) OnPopup(*this);
  HWND owner = ControlAccess::Hwnd(component.Form() != nullptr ? *component.Form() : component);
  const UINT command =
      static_cast<UINT>(::TrackPopupMenu(handle_,
                                         TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0,
                                         owner, nullptr));
  if (command == 0 || command > items_.size()) return;
  MenuItem& item = *items_[command - 1];
  if (item.OnClick) item.OnClick(item);
}

}  // namespace platform
