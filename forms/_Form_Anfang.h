// The main window of the installer: a black monitor frame whose inner area shows one of five
// coloured pages at a time, with a neck and a foot under it, the step and target labels and the
// close button. The constructor builds the controls with their design values (a parking layout:
// the pages lie side by side, larger than they will be) and then runs FormCreate, which arranges
// them into the final look. The window stays hidden until it is shown.
#pragma once
#include "platform/Bevel.h"
#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Shape.h"
#include "platform/SpeedButton.h"
#include "platform/Window.h"

class Taa : public platform::Window {
 public:
  // Sets `aa` to the new window before FormCreate runs, as FormCreate measures in it.
  Taa();
  ~Taa() override;

  // Creation handler: the layout steps, ending with the form fitting and the edit menu.
  void FormCreate(platform::Control& Sender);
  // Appends one blank to the button's caption and sets its width to the caption's width in the
  // button's font, measured in the main window, + 20.
  void KnopfBreite(platform::Button& Knopf);

  // Shows `Seite` and hides the other pages; the step and the target label follow.
  void ZeigePanel(platform::Panel& Seite);

  void BuCloseClick(platform::Control& Sender);
  void LaDesktopClick(platform::Control& Sender);
  void CheDesktopClick(platform::Control& Sender);
  void SpeVerzSucheClick(platform::Control& Sender);
  void PaFuss2Click(platform::Control& Sender);
  void BuBehaltenClick(platform::Control& Sender);
  void BuVerzKopieClick(platform::Control& Sender);
  void EdVerzChange(platform::Control& Sender);
  void BuFehlerClick(platform::Control& Sender);
  void FormKeyDown(platform::Control& Sender, unsigned short& Key, platform::ShiftState Shift);

  // An action that had to stop: the system's text in a message box with the application title.
  void FehlerZeigen(long fehler);

  // In creation order, which is also the stacking order of the window-owning siblings.
  platform::Label LaZielOrt{*this, "LaZielOrt"};
  platform::Label LaSchritt{*this, "LaSchritt"};
  platform::Button BuClose{*this, "BuClose"};
  platform::Panel PaFehler{*this, "PaFehler"};
  platform::Label LaFehler{PaFehler, "LaFehler"};
  platform::Button BuFehler{PaFehler, "BuFehler"};
  platform::Panel PaRahmen{*this, "PaRahmen"};
  platform::Panel PaChecks{*this, "PaChecks"};
  platform::Label LaDesktop{PaChecks, "LaDesktop"};
  platform::Label LaMacheChecks{PaChecks, "LaMacheChecks"};
  platform::Panel PaExplorer{PaChecks, "PaExplorer"};
  platform::Panel PaExOben{PaExplorer, "PaExOben"};
  platform::Panel PaExLinks{PaExplorer, "PaExLinks"};
  platform::Label LaNameL2{PaExLinks, "LaNameL2"};
  platform::Panel PaExRechts{PaExplorer, "PaExRechts"};
  platform::Label LaNameR2{PaExRechts, "LaNameR2"};
  platform::Panel PaMausR{PaExplorer, "PaMausR"};
  platform::Label Label7{PaMausR, "Label7"};
  platform::CheckBox CheExplorerD{PaMausR, "CheExplorerD"};
  platform::Panel PaMausL{PaExplorer, "PaMausL"};
  platform::Label Label1{PaMausL, "Label1"};
  platform::CheckBox CheExplorerV{PaMausL, "CheExplorerV"};
  platform::CheckBox CheDesktop{PaChecks, "CheDesktop"};
  platform::Panel PaSchnell{PaChecks, "PaSchnell"};
  platform::Shape ShaSchnell1{PaSchnell, "ShaSchnell1"};
  platform::Shape ShaSchnell2{PaSchnell, "ShaSchnell2"};
  platform::Label LaSchnell{PaSchnell, "LaSchnell"};
  platform::CheckBox CheSchnell{PaSchnell, "CheSchnell"};
  platform::Panel PaStart3{PaSchnell, "PaStart3"};
  platform::Panel PaStart{PaChecks, "PaStart"};
  platform::Bevel Bevel1{PaStart, "Bevel1"};
  platform::CheckBox CheStart{PaStart, "CheStart"};
  platform::Panel PaFuss2{*this, "PaFuss2"};
  platform::Panel PaFuss1{*this, "PaFuss1"};
  platform::Panel PaPfad{*this, "PaPfad"};
  platform::Label LaPfad{PaPfad, "LaPfad"};
  platform::SpeedButton SpeVerzSuche{PaPfad, "SpeVerzSuche"};
  platform::Label LaKopiert{PaPfad, "LaKopiert"};
  platform::Button BuNichtKopieren{PaPfad, "BuNichtKopieren"};
  platform::Button BuVerzKopie{PaPfad, "BuVerzKopie"};
  platform::Edit EdVerz{PaPfad, "EdVerz"};
  platform::Panel PaIstSchonDa{*this, "PaIstSchonDa"};
  platform::Label LaIstSchonDa{PaIstSchonDa, "LaIstSchonDa"};
  platform::Button BuBehalten{PaIstSchonDa, "BuBehalten"};
  platform::Button BuEntfUndNeu{PaIstSchonDa, "BuEntfUndNeu"};
  platform::Button BuEntfernen{PaIstSchonDa, "BuEntfernen"};
  platform::Panel PaLeer{*this, "PaLeer"};
  platform::Label LaLeer{PaLeer, "LaLeer"};

 private:
  void LoadDesign();

  unsigned short vorigeTaste_ = 0;  // the last key pressed with exactly Ctrl, Alt and Shift
};

// The main window.
extern Taa* aa;
