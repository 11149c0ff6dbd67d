// The main window of the installer: a black monitor frame whose inner area shows one of five
// coloured pages at a time, with a neck and a foot under it, the step and target labels and the
// close button. The constructor builds the controls with their design values (a parking layout:
// the pages lie side by side, larger than they will be) and then runs FormCreate, which arranges
// them into the final look. The window stays hidden until it is shown.
#pragma once
#include <array>

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
  void FormCloseQuery(platform::Control& Sender, bool& CanClose);
  void FormQueryEndSession(platform::Control& Sender, bool& CanEnd);
  void FormEndSession(platform::Control& Sender, bool Ending);

  // An action that had to stop: the system's text in a message box with the application title.
  void FehlerZeigen(long fehler);

  // The five menu check boxes in the order of their locations: desktop, start menu, quick launch,
  // folder menu, file menu.
  std::array<platform::CheckBox*, 5> MenueBoxen() {
    return {&CheDesktop, &CheStart, &CheSchnell, &CheExplorerV, &CheExplorerD};
  }

  // In creation order, which is also the stacking order of the window-owning siblings.
  platform::Label LaZielOrt{this};
  platform::Label LaSchritt{this};
  platform::Button BuClose{this};
  platform::Panel PaFehler{this};
  platform::Label LaFehler{&PaFehler};
  platform::Button BuFehler{&PaFehler};
  platform::Panel PaRahmen{this};
  platform::Panel PaChecks{this};
  platform::Label LaDesktop{&PaChecks};
  platform::Label LaMacheChecks{&PaChecks};
  platform::Panel PaExplorer{&PaChecks};
  platform::Panel PaExOben{&PaExplorer};
  platform::Panel PaExLinks{&PaExplorer};
  platform::Label LaNameL2{&PaExLinks};
  platform::Panel PaExRechts{&PaExplorer};
  platform::Label LaNameR2{&PaExRechts};
  platform::Panel PaMausR{&PaExplorer};
  platform::Label Label7{&PaMausR};
  platform::CheckBox CheExplorerD{&PaMausR};
  platform::Panel PaMausL{&PaExplorer};
  platform::Label Label1{&PaMausL};
  platform::CheckBox CheExplorerV{&PaMausL};
  platform::CheckBox CheDesktop{&PaChecks};
  platform::Panel PaSchnell{&PaChecks};
  platform::Shape ShaSchnell1{&PaSchnell};
  platform::Shape ShaSchnell2{&PaSchnell};
  platform::Label LaSchnell{&PaSchnell};
  platform::CheckBox CheSchnell{&PaSchnell};
  platform::Panel PaStart3{&PaSchnell};
  platform::Panel PaStart{&PaChecks};
  platform::Bevel Bevel1{&PaStart};
  platform::CheckBox CheStart{&PaStart};
  platform::Panel PaFuss2{this};
  platform::Panel PaFuss1{this};
  platform::Panel PaPfad{this};
  platform::Label LaPfad{&PaPfad};
  platform::SpeedButton SpeVerzSuche{&PaPfad};
  platform::Label LaKopiert{&PaPfad};
  platform::Button BuNichtKopieren{&PaPfad};
  platform::Button BuVerzKopie{&PaPfad};
  platform::Edit EdVerz{&PaPfad};
  platform::Panel PaIstSchonDa{this};
  platform::Label LaIstSchonDa{&PaIstSchonDa};
  platform::Button BuBehalten{&PaIstSchonDa};
  platform::Button BuEntfUndNeu{&PaIstSchonDa};
  platform::Button BuEntfernen{&PaIstSchonDa};
  platform::Panel PaLeer{this};
  platform::Label LaLeer{&PaLeer};

 private:
  void LoadDesign();

  unsigned short vorigeTaste_ = 0;  // the last key pressed with exactly Ctrl, Alt and Shift
  bool kopiertGerade_ = false;      // the copy step runs
  bool schliessenGehalten_ = false; // a close asked for during the copy step, done after it
};

// The main window.
extern Taa* aa;
