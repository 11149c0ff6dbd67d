// A German context menu for the edit fields of a window, in place of the system's edit menu. The
// entries that make no sense at the moment the menu opens are greyed.
#pragma once
#include <array>

#include "platform/PopupMenu.h"

namespace platform {
class Window;
}

class TZQEditPop : public platform::PopupMenu {
 public:

  // The ten items, 1 to 10 in menu order; element 0 is null.
  std::array<platform::MenuItem*, 11> Punkte = {};

  // Before the menu opens: the enabled states of items 3, 5, 6, 7 and 8 from the popup component.
  void PopAuf(platform::PopupMenu& Sender);
  // Any item: its action, chosen by the item's tag, on the popup component.
  void Klick(platform::MenuItem& Sender);
};

// Builds one menu, owned by `fenster`, and gives it to every edit field on the window.
void EditPopupSetzen(platform::Window& fenster);
