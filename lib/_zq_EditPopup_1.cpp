#include "lib/_zq_EditPopup_1.h"

#include <memory>

#include "lib/_zq_Zeichensatz_1.h"
#include "platform/Clipboard.h"
#include "platform/Edit.h"
#include "platform/Window.h"

namespace {

const char* const kBeschriftungen[] = {
    "",
    "&dieses Menü abbrechen",
    "-",
    "&Rückgängig",
    "-",
    "&Ausschneiden",
    "&Löschen",
    "&Kopieren",
    "&Einfügen",
    "-",
    "alles &markieren",
};

}  // namespace

void TZQEditPop::PopAuf(platform::PopupMenu&) {
  platform::Edit* feld = PopupComponent() != nullptr ? PopupComponent()->AsEdit() : nullptr;
  if (feld == nullptr) return;
  const bool schreibbar = !feld->ReadOnly();
  Punkte[3]->SetEnabled(feld->CanUndo());
  Punkte[5]->SetEnabled(schreibbar && !feld->SelText().empty());
  Punkte[6]->SetEnabled(schreibbar && !feld->SelText().empty());
  Punkte[7]->SetEnabled(!feld->SelText().empty());
  Punkte[8]->SetEnabled(schreibbar && platform::ClipboardHasText());
}

void TZQEditPop::Klick(platform::MenuItem& Sender) {
  platform::Edit* feld = PopupComponent() != nullptr ? PopupComponent()->AsEdit() : nullptr;
  if (feld == nullptr) return;
  switch (Sender.Tag()) {
    case 3:
      feld->Undo();
      break;
    case 5:
      feld->CutToClipboard();
      break;
    case 6:
      feld->ClearSelection();
      break;
    case 7:
      feld->CopyToClipboard();
      break;
    case 8:
      feld->PasteFromClipboard();
      break;
    case 10:
      feld->SelectAll();
      break;
    default:
      break;
  }
}

void EditPopupSetzen(platform::Window& fenster) {
  TZQEditPop& menue = fenster.Own(std::make_unique<TZQEditPop>());
  menue.OnPopup = platform::Bind<&TZQEditPop::PopAuf>(&menue);
  for (int i = 1; i <= 10; ++i) {
    platform::MenuItem& punkt = menue.Add(Cp1252Breit(kBeschriftungen[i]));
    menue.Punkte[i] = &punkt;
    punkt.SetTag(i);
    punkt.OnClick = platform::Bind<&TZQEditPop::Klick>(&menue);
  }
  menue.SetDefaultItem(*menue.Punkte[1]);
  for (platform::Control* teil : fenster.Controls()) {
    if (platform::Edit* feld = teil->AsEdit()) feld->SetPopupMenu(&menue);
  }
}
