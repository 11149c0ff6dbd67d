#include "forms/_Form_Anfang.h"

#include <cstdint>

#include "forms/_Form_Geheim.h"

#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Control_1.h"
#include "lib/_zq_EditPopup_1.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"

Taa* aa = nullptr;

namespace {

using platform::BevelKind;
using platform::Color;
using platform::FontStyle;

constexpr FontStyle Schrift(int hoehe, bool fett, Color farbe) { return FontStyle{"Tahoma", hoehe, fett, farbe}; }

constexpr FontStyle kFett = Schrift(platform::kHeight8pt, true, Color::WindowText());
constexpr FontStyle kFettButton = Schrift(platform::kHeight8pt, true, Color::BtnText());
constexpr FontStyle kNormalButton = Schrift(platform::kHeight8pt, false, Color::BtnText());
constexpr FontStyle kSeitenText = Schrift(platform::kHeight10pt, true, Color::Rgb(0xFFFFFF));

}  // namespace

Taa::Taa() : platform::Window("aa", platform::BorderIcons{true, false}) {
  aa = this;
  LoadDesign();
  FormCreate(*this);
}

Taa::~Taa() {
  if (aa == this) aa = nullptr;
}

// The values of the window definition: what FormCreate starts from. Bounds that FormCreate sets
// are only a parking place here; the others are final.
void Taa::LoadDesign() {
  SetCaption("Programm installieren");
  SetClientSize(872, 463);
  SetCenterOnFirstShow(true);
  SetKeyPreview(true);
  OnKeyDown = platform::Bind<&Taa::FormKeyDown>(this);

  LaZielOrt.SetBounds(8, 4, 60, 15);
  LaZielOrt.SetFont(kFett);
  LaZielOrt.SetCaption("LaZielOrt");
  LaZielOrt.SetAutoSize(true);

  LaSchritt.SetBounds(8, 440, 60, 15);
  LaSchritt.SetFont(kFett);
  LaSchritt.SetCaption("LaSchritt");
  LaSchritt.SetAutoSize(true);

  BuClose.SetBounds(784, 416, 80, 40);
  BuClose.SetFont(kFett);
  BuClose.SetCaption("Beenden");
  BuClose.SetDefault(true);
  BuClose.SetCancel(true);
  BuClose.OnClick = platform::Bind<&Taa::BuCloseClick>(this);

  // The pages, side by side.
  PaFehler.SetBounds(8, 24, 480, 270);
  PaFehler.SetBackColor(Color::Rgb(0xFF0000));
  PaFehler.SetBevel(BevelKind::None, 1);
  PaFehler.SetVisible(false);

  LaFehler.SetBounds(10, 10, 300, 150);
  LaFehler.SetBackColor(Color::Rgb(0x800000));
  LaFehler.SetWordWrap(true);
  LaFehler.SetFont(kSeitenText);
  LaFehler.SetCaption("LaFehler");

  BuFehler.SetBounds(10, 200, 250, 30);
  BuFehler.SetFont(kFett);
  BuFehler.SetCaption("zurück zur vorherigen Anzeige");
  BuFehler.SetVisible(false);
  BuFehler.OnClick = platform::Bind<&Taa::BuFehlerClick>(this);

  PaRahmen.SetBounds(4, 300, 480, 260);
  PaRahmen.SetBackColor(Color::Rgb(0x000000));
  PaRahmen.SetBevel(BevelKind::None, 1);

  PaChecks.SetBounds(100, 40, 480, 270);
  PaChecks.SetBackColor(Color::Rgb(0x0080FF));
  PaChecks.SetBevel(BevelKind::None, 1);
  PaChecks.SetVisible(false);

  LaDesktop.SetBounds(10, 65, 85, 30);
  LaDesktop.SetBackColor(Color::BtnFace());
  LaDesktop.SetFont(kFettButton);
  LaDesktop.SetLayout(platform::TextLayout::Center);
  LaDesktop.SetWordWrap(true);
  LaDesktop.SetCaption("Hintergrund-Fläche");
  LaDesktop.OnClick = platform::Bind<&Taa::LaDesktopClick>(this);

  LaMacheChecks.SetBounds(10, 10, 100, 16);
  LaMacheChecks.SetBackColor(Color::Rgb(0x0000FF));
  LaMacheChecks.SetFont(kSeitenText);
  LaMacheChecks.SetCaption("Letzte Frage: Wo soll das Programm angezeigt werden?");
  LaMacheChecks.SetAutoSize(true);

  PaExplorer.SetBounds(130, 45, 300, 160);
  PaExplorer.SetBackColor(Color::BtnFace());
  PaExplorer.SetBevel(BevelKind::Raised, 1);
  PaExplorer.SetFont(Schrift(platform::kHeight8pt, false, Color::WindowText()));

  PaExOben.SetBounds(1, 1, 290, 17);
  PaExOben.SetBackColor(Color::ActiveCaption());
  PaExOben.SetFont(Schrift(platform::kHeight8pt, false, Color::CaptionText()));
  PaExOben.SetAlignment(platform::Alignment::Left);
  PaExOben.SetBevel(BevelKind::None, 1);
  PaExOben.SetCaption("Windows-Explorer");

  PaExLinks.SetBounds(1, 20, 140, 130);
  PaExLinks.SetBackColor(Color::Window());
  PaExLinks.SetBevel(BevelKind::None, 1);

  LaNameL2.SetBounds(4, 8, 90, 15);
  LaNameL2.SetBackColor(Color::Window());
  LaNameL2.SetFont(Schrift(platform::kHeight8pt, false, Color::WindowText()));
  LaNameL2.SetCaption(" Verzeichnis-Namen ");
  LaNameL2.SetAutoSize(true);

  PaExRechts.SetBounds(150, 20, 140, 130);
  PaExRechts.SetBackColor(Color::Window());
  PaExRechts.SetBevel(BevelKind::None, 1);

  LaNameR2.SetBounds(4, 8, 90, 15);
  LaNameR2.SetBackColor(Color::Window());
  LaNameR2.SetFont(Schrift(platform::kHeight8pt, false, Color::WindowText()));
  LaNameR2.SetCaption(" Datei-Namen ");
  LaNameR2.SetAutoSize(true);

  PaMausR.SetBounds(160, 60, 130, 65);

  Label7.SetBounds(21, 18, 110, 45);
  Label7.SetTransparent(true);
  Label7.SetWordWrap(true);
  Label7.SetFont(kNormalButton);
  Label7.SetCaption("(nachdem die rechte Maus-Taste gedrückt worden ist)");

  CheExplorerD.SetBounds(4, 3, 125, 15);
  CheExplorerD.SetFont(kFettButton);
  CheExplorerD.SetCaption("Mauszeiger-Menü");
  CheExplorerD.SetTabStop(false);
  // The five boxes stand in the third state until the configuration and the probe set them.
  CheExplorerD.SetState(platform::CheckState::Grayed);
  CheExplorerD.OnClick = platform::Bind<&Taa::CheDesktopClick>(this);

  PaMausL.SetBounds(10, 60, 130, 65);

  Label1.SetBounds(21, 18, 110, 45);
  Label1.SetTransparent(true);
  Label1.SetWordWrap(true);
  Label1.SetFont(kNormalButton);
  Label1.SetCaption("(nachdem die rechte Maus-Taste gedrückt worden ist)");

  CheExplorerV.SetBounds(5, 3, 124, 15);
  CheExplorerV.SetFont(kFettButton);
  CheExplorerV.SetCaption("Mauszeiger-Menü");
  CheExplorerV.SetTabStop(false);
  CheExplorerV.SetState(platform::CheckState::Grayed);
  CheExplorerV.OnClick = platform::Bind<&Taa::CheDesktopClick>(this);

  CheDesktop.SetBounds(45, 45, 15, 15);
  CheDesktop.SetTabStop(false);
  CheDesktop.SetState(platform::CheckState::Grayed);
  CheDesktop.OnClick = platform::Bind<&Taa::CheDesktopClick>(this);

  PaSchnell.SetBounds(0, 225, 400, 25);

  ShaSchnell1.SetBounds(45, 6, 13, 13);
  ShaSchnell1.SetFill(Color::Rgb(0x808080));
  ShaSchnell1.SetOutline(std::nullopt);

  ShaSchnell2.SetBounds(60, 6, 13, 13);
  ShaSchnell2.SetFill(Color::Rgb(0x808080));
  ShaSchnell2.SetOutline(std::nullopt);

  LaSchnell.SetBounds(250, 6, 150, 13);
  LaSchnell.SetFont(kNormalButton);
  LaSchnell.SetCaption("(wenn der Bereich sichtbar ist)");

  CheSchnell.SetBounds(75, 5, 163, 15);
  CheSchnell.SetFont(kFettButton);
  CheSchnell.SetCaption("XP-Schnell-Start-Bereich");
  CheSchnell.SetTabStop(false);
  CheSchnell.SetState(platform::CheckState::Grayed);
  CheSchnell.OnClick = platform::Bind<&Taa::CheDesktopClick>(this);

  PaStart3.SetBounds(1, 3, 39, 20);
  PaStart3.SetBevel(BevelKind::Lowered, 1);
  PaStart3.SetFont(kNormalButton);
  PaStart3.SetCaption("Start");

  PaStart.SetBounds(0, 127, 100, 100);
  PaStart.SetBevel(BevelKind::Raised, 2);

  Bevel1.SetBounds(5, 30, 90, 2);

  CheStart.SetBounds(5, 10, 85, 15);
  CheStart.SetFont(kFettButton);
  CheStart.SetCaption("Start-Menü");
  CheStart.SetTabStop(false);
  CheStart.SetState(platform::CheckState::Grayed);
  CheStart.OnClick = platform::Bind<&Taa::CheDesktopClick>(this);

  PaFuss2.SetBounds(600, 330, 210, 20);
  PaFuss2.SetBackColor(Color::Rgb(0x000000));
  PaFuss2.SetBevel(BevelKind::None, 1);
  PaFuss2.SetFont(Schrift(platform::kHeight8pt, false, Color::Rgb(0x808080)));
  PaFuss2.SetCaption("Installations-Programm, Version");
  PaFuss2.OnClick = platform::Bind<&Taa::PaFuss2Click>(this);

  PaFuss1.SetBounds(600, 360, 80, 50);
  PaFuss1.SetBackColor(Color::Rgb(0x000000));
  PaFuss1.SetBevel(BevelKind::None, 1);

  PaPfad.SetBounds(200, 60, 480, 270);
  PaPfad.SetBackColor(Color::Rgb(0x40A040));
  PaPfad.SetBevel(BevelKind::None, 1);
  PaPfad.SetVisible(false);

  LaPfad.SetBounds(10, 10, 300, 150);
  LaPfad.SetBackColor(Color::Rgb(0x0000FF));
  LaPfad.SetWordWrap(true);
  LaPfad.SetFont(kSeitenText);
  LaPfad.SetCaption("Das Programm ist noch nicht neu installiert worden.");

  SpeVerzSuche.SetBounds(380, 190, 65, 22);
  SpeVerzSuche.SetCaption("suchen ...");
  SpeVerzSuche.OnClick = platform::Bind<&Taa::SpeVerzSucheClick>(this);

  LaKopiert.SetBounds(300, 220, 70, 29);
  LaKopiert.SetBackColor(Color::Rgb(0x00FF00));
  LaKopiert.SetFont(Schrift(platform::kHeight8pt, true, Color::Rgb(0x000000)));
  LaKopiert.SetAlignment(platform::Alignment::Center);
  LaKopiert.SetLayout(platform::TextLayout::Center);
  LaKopiert.SetCaption("kopiert ...");
  LaKopiert.SetVisible(false);

  BuNichtKopieren.SetBounds(10, 100, 250, 25);
  BuNichtKopieren.SetFont(kFett);
  BuNichtKopieren.SetCaption("sie sollen für immer dort bleiben, wo sie jetzt sind");
  BuNichtKopieren.SetTabStop(false);
  BuNichtKopieren.OnClick = platform::Bind<&Taa::BuVerzKopieClick>(this);

  BuVerzKopie.SetBounds(10, 220, 250, 25);
  BuVerzKopie.SetFont(kFett);
  BuVerzKopie.SetCaption("sie sollen in dieses Verzeichnis kopiert werden");
  BuVerzKopie.SetTabStop(false);
  BuVerzKopie.OnClick = platform::Bind<&Taa::BuVerzKopieClick>(this);

  EdVerz.SetBounds(10, 160, 400, 22);
  EdVerz.SetTabStop(false);
  EdVerz.OnChange = platform::Bind<&Taa::EdVerzChange>(this);

  PaIstSchonDa.SetBounds(300, 80, 480, 270);
  PaIstSchonDa.SetBackColor(Color::Rgb(0x8055FF));
  PaIstSchonDa.SetBevel(BevelKind::None, 1);
  PaIstSchonDa.SetVisible(false);

  LaIstSchonDa.SetBounds(10, 10, 300, 150);
  LaIstSchonDa.SetBackColor(Color::Rgb(0x800080));
  LaIstSchonDa.SetWordWrap(true);
  LaIstSchonDa.SetFont(kSeitenText);
  LaIstSchonDa.SetCaption("Eine alte Installation ist schon vorhanden.");

  for (platform::Button* knopf : {&BuBehalten, &BuEntfUndNeu, &BuEntfernen}) {
    knopf->SetFont(kFett);
    knopf->SetTabStop(false);
    knopf->OnClick = platform::Bind<&Taa::BuBehaltenClick>(this);
  }
  BuBehalten.SetBounds(10, 120, 250, 25);
  BuBehalten.SetCaption("die vorhandene Installation soll geändert werden");
  BuEntfUndNeu.SetBounds(10, 160, 250, 25);
  BuEntfUndNeu.SetCaption("die Installation soll ganz neu gemacht werden");
  BuEntfernen.SetBounds(10, 80, 250, 25);
  BuEntfernen.SetCaption("die vorhandene Installation soll nur entfernt werden");

  PaLeer.SetBounds(392, 100, 480, 270);
  PaLeer.SetBackColor(Color::Rgb(0x0080FF));
  PaLeer.SetBevel(BevelKind::None, 1);
  PaLeer.SetVisible(false);

  LaLeer.SetBounds(10, 10, 300, 150);
  LaLeer.SetBackColor(Color::Rgb(0x0000FF));
  LaLeer.SetWordWrap(true);
  LaLeer.SetFont(kSeitenText);
  LaLeer.SetCaption("Fertig.");
}

void Taa::KnopfBreite(platform::Button& Knopf) {
  Knopf.SetCaption(Knopf.Caption() + " ");
  Knopf.SetWidth(aa->TextWidth(Knopf.Font(), Knopf.Caption()) + 20);
}

void Taa::FormCreate(platform::Control&) {
  platform::Panel& rahmen = PaRahmen;
  // 1
  KnopfBreite(BuEntfernen);
  KnopfBreite(BuBehalten);
  KnopfBreite(BuEntfUndNeu);
  KnopfBreite(BuVerzKopie);
  KnopfBreite(BuNichtKopieren);
  KnopfBreite(BuFehler);
  // 2
  LaZielOrt.SetBounds(25, 20, LaZielOrt.Width(), 15);
  // 3
  LaDesktop.SetCaption("  Hintergrund-\r\n  Fläche");
  // 4
  rahmen.SetBounds(20, 40, 470, rahmen.Height());
  // 5: the frame shows as a 5-pixel black border around the page.
  PaChecks.SetBounds(rahmen.Left() + 5, rahmen.Top() + 5, rahmen.Width() - 10, rahmen.Height() - 10);
  // 6
  PaFuss1.SetBounds((rahmen.Width() - PaFuss1.Width()) / 2 + 20, rahmen.Top() + rahmen.Height(),
                    PaFuss1.Width(), PaFuss1.Height());
  // 7
  PaFuss2.SetBounds((rahmen.Width() - PaFuss2.Width()) / 2 + 20, PaFuss1.Top() + PaFuss1.Height(),
                    PaFuss2.Width(), PaFuss2.Height());
  // 8
  PaSchnell.SetWidth(PaChecks.Width());
  // 9
  LaSchnell.SetBounds(CheSchnell.Left() + CheSchnell.Width(), CheSchnell.Top(), LaSchnell.Width(), 15);
  // 10
  PaFuss2.SetCaption("Installations-Programm, Version " + Version);
  // 11
  LaSchritt.SetBounds(25, rahmen.Top() + rahmen.Height() + 10, LaSchritt.Width(), 15);
  // 12
  PaExLinks.SetBounds(2, 30, 155, PaExplorer.Height() - 32);
  // 13
  PaExRechts.SetBounds(PaExLinks.Left() + PaExLinks.Width() + 2, PaExLinks.Top(), 155,
                       PaExLinks.Height());
  // 14
  LaNameL2.SetBounds(5, 10, LaNameL2.Width(), 15);
  LaNameR2.SetBounds(5, 10, LaNameR2.Width(), 15);
  // 15
  PaMausL.SetBounds(PaExLinks.Left() + 10, PaExLinks.Top() + LaNameL2.Top() + LaNameL2.Height(),
                    PaMausL.Width(), PaMausL.Height());
  // 16
  PaMausR.SetBounds(PaExRechts.Left() + 10, PaExRechts.Top() + LaNameR2.Top() + LaNameR2.Height(),
                    PaMausR.Width(), PaMausR.Height());
  // 17
  PaExplorer.SetWidth(316);
  // 18
  PaExOben.SetBounds(2, 2, PaExplorer.Width() - 4, 15);
  // 19
  LaMacheChecks.SetTransparent(true);
  // 20
  PaLeer.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  LaLeer.SetBounds(10, 10, PaLeer.Width() - 20, PaLeer.Height() - 20);
  LaLeer.SetTransparent(true);
  LaLeer.SetCaption("Fertig.");
  // 21
  PaIstSchonDa.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  LaIstSchonDa.SetBounds(10, 10, PaIstSchonDa.Width() - 20, PaIstSchonDa.Height() - 20);
  LaIstSchonDa.SetTransparent(true);
  LaIstSchonDa.SetCaption(
      "Eine alte Installation ist schon vorhanden.\r\n\r\n"
      "Frage: Was soll mit der vorhandenen Installation gemacht werden?");
  // 22
  BuEntfernen.SetBounds(10, 100, BuEntfernen.Width(), 30);
  BuBehalten.SetBounds(10, 150, BuBehalten.Width(), 30);
  BuEntfUndNeu.SetBounds(10, 200, BuEntfUndNeu.Width(), 30);
  // 23
  PaPfad.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  LaPfad.SetBounds(10, 10, PaPfad.Width() - 20, PaPfad.Height() - 20);
  LaPfad.SetTransparent(true);
  LaPfad.SetCaption(
      "Das Programm ist noch nicht neu installiert worden.\r\n\r\n"
      "Frage: Sollen die Programm-Dateien für immer dort bleiben, wo sie jetzt sind? "
      "Oder sollen sie zu einem anderen Ort kopiert werden?");
  // 24
  BuVerzKopie.SetBounds(10, PaPfad.Height() - 20 - 30, BuVerzKopie.Width(), 30);
  // 25
  LaKopiert.SetBounds(BuVerzKopie.Left() + BuVerzKopie.Width() + 5, BuVerzKopie.Top(), 70,
                      BuVerzKopie.Height() - 1);
  // 26
  EdVerz.SetBounds(10, BuVerzKopie.Top() - 30, PaPfad.Width() - 20, 22);
  // 27
  SpeVerzSuche.SetBounds(EdVerz.Left() + EdVerz.Width() - 65, EdVerz.Top() + 30, 65, 22);
  // 28
  EdVerz.SetLeft(EdVerz.Left() - 1);
  // 29
  BuNichtKopieren.SetBounds(10, EdVerz.Top() - 25 - 30, BuNichtKopieren.Width(), 30);
  // 30
  PaFehler.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  PaFehler.BringToFront();
  LaFehler.SetBounds(10, 10, PaFehler.Width() - 20, PaFehler.Height() - 20);
  LaFehler.SetTransparent(true);
  LaFehler.SetCaption("");
  // 31: the right edge 20 pixels inside the page.
  BuFehler.SetBounds(PaFehler.Width() - 20 - BuFehler.Width(), PaFehler.Height() - 20 - 30,
                     BuFehler.Width(), 30);
  // 32: right edge on the frame's, bottom on the foot's.
  BuClose.SetBounds(rahmen.Left() + rahmen.Width() - 80, PaFuss2.Top() + PaFuss2.Height() - 40, 80,
                    40);
  BuClose.BringToFront();
  // 33
  FormAnpassen(*aa, 20, 20);
  // 34
  EditPopupSetzen(*aa);
}

void Taa::ZeigePanel(platform::Panel& Seite) {
  Seite.SetVisible(true);
  for (platform::Panel* seite : {&PaFehler, &PaIstSchonDa, &PaPfad, &PaChecks, &PaLeer}) {
    if (seite != &Seite) seite->SetVisible(false);
  }
  int schritt = 3;
  if (&Seite == &PaIstSchonDa) schritt = 1;
  else if (&Seite == &PaPfad) schritt = 2;
  else if (&Seite == &PaFehler) schritt = BuFehler.Visible() ? 2 : 0;
  LaSchritt.SetCaption("Schritt " + ZahlAlsText(schritt) + " von 3");
  LaZielOrt.SetCaption("Ziel-Ort = " + ZielOrt);
}

void Taa::BuCloseClick(platform::Control&) { Close(); }

void Taa::LaDesktopClick(platform::Control&) { CheDesktop.SetChecked(!CheDesktop.Checked()); }

void Taa::CheDesktopClick(platform::Control& Sender) {
  if (Visible()) FehlerZeigen(MacheCheck(static_cast<platform::CheckBox*>(&Sender)));
}

void Taa::FehlerZeigen(long fehler) {
  if (fehler == 0) return;
  platform::ShowMessageBox(this, AktionsFehlerText(fehler), platform::ApplicationTitle(),
                           platform::kMbOk | platform::kMbIconError);
}

void Taa::SpeVerzSucheClick(platform::Control&) {
  std::string ordner;
  if (platform::ChooseFolder(this, "Ziel-Verzeichnis suchen", EdVerz.Caption(), ordner)) {
    EdVerz.SetCaption(MitEndBackslash(ordner));
  }
}

void Taa::PaFuss2Click(platform::Control&) {
  platform::ShowMessageBox(this,
                           "Installations-Programm, Version " + Version +
                               "\r\n\r\nEin Installations-Programm aus den ZQ-Bausteinen, gemacht von ZQ.",
                           platform::ApplicationTitle(), platform::kMbOk | platform::kMbIconInformation);
}

void Taa::BuBehaltenClick(platform::Control& Sender) {
  if (&Sender == &BuBehalten) {
    ZeigePanel(PaChecks);
    return;
  }
  if (const long fehler = AlleEintraegeEntfernen()) {
    FehlerZeigen(fehler);
    return;
  }
  ZielOrt.clear();
  ZeigePanel(&Sender == &BuEntfernen ? PaLeer : PaPfad);
}

void Taa::BuVerzKopieClick(platform::Control& Sender) {
  if (&Sender == &BuNichtKopieren) {
    ZielOrt = ExePfad;
    ZeigePanel(PaChecks);
    return;
  }
  LaKopiert.SetVisible(true);
  LaKopiert.Repaint();
  const std::uint32_t beginn = platform::TickCount();

  const std::string ziel = MitEndBackslash(EdVerz.Caption());
  std::string fehler;
  if (!AdresseExistiert(ziel) && !VerzeichnisMachen(ziel, true)) {
    fehler =
        "Das Ziel-Verzeichnis kann nicht hergestellt werden.\r\n\r\nMögliche Gründe dafür sind:\r\n"
        "- Das Verzeichnis wird von Windows gesperrt\r\n  (zum Beispiel wegen Nicht-Anmeldung als Administrator).\r\n"
        "- Das Ziel-Verzeichnis hat einen ungültigen Namen.\r\n- Der Datenträger ist schreibgeschützt.\r\n"
        "- Was anderes. Keine Ahnung, was.";
  } else {
    std::string misslungen;
    for (std::size_t i = 1; i < Dateien.size(); ++i) {
      if (!DateiKopieren(ExePfad + Dateien[i].Datei, ziel + Dateien[i].Datei)) misslungen += "\r\n" + Dateien[i].Datei;
    }
    if (!misslungen.empty()) {
      fehler = "Diese Dateien konnten nicht kopiert werden:" + misslungen + "\r\n\r\nDer Grund dafür ist nicht bekannt.";
    }
  }

  // The busy label stays long enough to be seen, even when copying took no time.
  while (platform::TickCount() - beginn < 1900) platform::SleepMilliseconds(10);
  LaKopiert.SetVisible(false);

  if (!fehler.empty()) {
    LaFehler.SetCaption(fehler);
    BuFehler.SetVisible(true);
    ZeigePanel(PaFehler);
    return;
  }
  ZielOrt = ziel;
  ZeigePanel(PaChecks);
}

void Taa::EdVerzChange(platform::Control&) { BuVerzKopie.SetEnabled(MitEndBackslash(EdVerz.Caption()) != ExePfad); }

void Taa::BuFehlerClick(platform::Control&) {
  BuFehler.SetVisible(false);
  ZeigePanel(PaPfad);
}

void Taa::FormKeyDown(platform::Control&, unsigned short& Key, platform::ShiftState Shift) {
  constexpr platform::ShiftState kDreiTasten = platform::kCtrl | platform::kAlt | platform::kShift;
  // The modifier keys themselves go down while the others are held; they are not part of it.
  constexpr unsigned short kShiftTaste = 16, kCtrlTaste = 17, kAltTaste = 18;
  if (Shift != kDreiTasten || Key == kShiftTaste || Key == kCtrlTaste || Key == kAltTaste) return;
  const unsigned short vorige = vorigeTaste_;
  vorigeTaste_ = Key;
  if (Key != 'X' || vorige != 'J') return;
  Tgg gg(*this);
  gg.ShowModal();
}
