#include "forms/_Form_Anfang.h"

#include <cstdint>
#include <optional>

#include "forms/_Form_Geheim.h"

#include "install/_kopieren.h"
#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Control_1.h"
#include "lib/_zq_EditPopup_1.h"
#include "lib/_zq_Zeichensatz_1.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"
#include "platform/Thread.h"

Taa* aa = nullptr;

namespace {

using platform::BevelKind;
using platform::Color;
using platform::FontStyle;

constexpr FontStyle Schrift(int hoehe, bool fett, Color farbe) { return FontStyle{L"Tahoma", hoehe, fett, farbe}; }

}  // namespace

Taa::Taa() : platform::Window(platform::BorderIcons{true, false}) {
  aa = this;
  LoadDesign();
  FormCreate(*this);
}

Taa::~Taa() {
  if (aa == this) aa = nullptr;
}

// The values of the window definition: what FormCreate starts from, one row per control, each
// bound to its member. Bounds that FormCreate sets are only a parking place here; the others are
// final.
namespace {

enum Art : unsigned char { kLabel, kPanel, kButton, kCheckBox, kShape, kBevel, kSpeedButton, kEdit };

// A row's control: a pointer to the member, of the member's own type, so that a row can neither
// name a member that is not there nor treat a control as another kind.
struct Glied {
  Art art;
  union {
    platform::Label Taa::*label;
    platform::Panel Taa::*panel;
    platform::Button Taa::*button;
    platform::CheckBox Taa::*checkBox;
    platform::Shape Taa::*shape;
    platform::Bevel Taa::*bevel;
    platform::SpeedButton Taa::*speedButton;
    platform::Edit Taa::*edit;
  };
  constexpr Glied(platform::Label Taa::*m) : art(kLabel), label(m) {}
  constexpr Glied(platform::Panel Taa::*m) : art(kPanel), panel(m) {}
  constexpr Glied(platform::Button Taa::*m) : art(kButton), button(m) {}
  constexpr Glied(platform::CheckBox Taa::*m) : art(kCheckBox), checkBox(m) {}
  constexpr Glied(platform::Shape Taa::*m) : art(kShape), shape(m) {}
  constexpr Glied(platform::Bevel Taa::*m) : art(kBevel), bevel(m) {}
  constexpr Glied(platform::SpeedButton Taa::*m) : art(kSpeedButton), speedButton(m) {}
  constexpr Glied(platform::Edit Taa::*m) : art(kEdit), edit(m) {}

  platform::Control& In(Taa& form) const {
    switch (art) {
      case kLabel: return form.*label;
      case kPanel: return form.*panel;
      case kButton: return form.*button;
      case kCheckBox: return form.*checkBox;
      case kShape: return form.*shape;
      case kBevel: return form.*bevel;
      case kSpeedButton: return form.*speedButton;
      case kEdit: break;
    }
    return form.*edit;
  }
};

enum Merkmal : unsigned short {
  kVerborgen = 1 << 0,
  kAutoSize = 1 << 2,       // label
  kWordWrap = 1 << 3,       // label
  kTransparent = 1 << 4,    // label
  kMitteSenkrecht = 1 << 5, // label: text centred vertically
  kTextMitte = 1 << 6,      // label: text centred horizontally
  kTextLinks = 1 << 7,      // panel: caption left-aligned
  kOhneRand = 1 << 8,       // panel: no bevel
  kVertieft = 1 << 9,       // panel: lowered bevel of 1 pixel
  kErhaben2 = 1 << 10,      // panel: raised bevel of 2 pixels
  kGrau = 1 << 11,          // check box: the third state
  kStandard = 1 << 12,      // button: default and cancel button
  kOhneUmriss = 1 << 13,    // shape
};

// No colour of its own in the design: the control keeps the one it was made with.
constexpr Color kBleibt = Color::System(-1);

// The fonts of the design, by their index in kSchriften; 0: the parent's.
enum Schriftart : unsigned char {
  kElternSchrift,
  kFett,
  kFettButton,
  kNormalButton,
  kSeitenText,
  kNormal,
  kTitel,
  kFussText,
  kKopiert,
};

constexpr FontStyle kSchriften[] = {
    {},
    Schrift(platform::kHeight8pt, true, Color::WindowText()),
    Schrift(platform::kHeight8pt, true, Color::BtnText()),
    Schrift(platform::kHeight8pt, false, Color::BtnText()),
    Schrift(platform::kHeight10pt, true, Color::Rgb(0xFFFFFF)),
    Schrift(platform::kHeight8pt, false, Color::WindowText()),
    Schrift(platform::kHeight8pt, false, Color::CaptionText()),
    Schrift(platform::kHeight8pt, false, Color::Rgb(0x808080)),
    Schrift(platform::kHeight8pt, true, Color::Rgb(0x000000)),
};

struct Entwurf {
  Glied glied;
  Schriftart schrift;
  short left, top, width, height;
  unsigned short merkmale;
  Color farbe;       // background; a shape's fill
  const char* text;  // null: none; 1252, as every text of the program
};

constexpr char kMausText[] = "(nachdem die rechte Maus-Taste gedrückt worden ist)";

constexpr Entwurf kEntwurf[] = {
    {&Taa::LaZielOrt, kFett, 8, 4, 60, 15, kAutoSize, kBleibt, "LaZielOrt"},
    {&Taa::LaSchritt, kFett, 8, 440, 60, 15, kAutoSize, kBleibt, "LaSchritt"},
    {&Taa::BuClose, kFett, 784, 416, 80, 40, kStandard, kBleibt, "Beenden"},
    // The pages, side by side.
    {&Taa::PaFehler, kElternSchrift, 8, 24, 480, 270, kOhneRand | kVerborgen, Color::Rgb(0xFF0000), nullptr},
    {&Taa::LaFehler, kSeitenText, 10, 10, 300, 150, kWordWrap, Color::Rgb(0x800000), "LaFehler"},
    {&Taa::BuFehler, kFett, 10, 200, 250, 30, kVerborgen, kBleibt, "zurück zur vorherigen Anzeige"},
    {&Taa::PaRahmen, kElternSchrift, 4, 300, 480, 260, kOhneRand, Color::Rgb(0x000000), nullptr},
    {&Taa::PaChecks, kElternSchrift, 100, 40, 480, 270, kOhneRand | kVerborgen, Color::Rgb(0x0080FF), nullptr},
    {&Taa::LaDesktop, kFettButton, 10, 65, 85, 30, kMitteSenkrecht | kWordWrap, Color::BtnFace(), "Hintergrund-Fläche"},
    {&Taa::LaMacheChecks, kSeitenText, 10, 10, 100, 16, kAutoSize, Color::Rgb(0x0000FF), "Letzte Frage: Wo soll das Programm angezeigt werden?"},
    {&Taa::PaExplorer, kNormal, 130, 45, 300, 160, 0, Color::BtnFace(), nullptr},
    {&Taa::PaExOben, kTitel, 1, 1, 290, 17, kTextLinks | kOhneRand, Color::ActiveCaption(), "Windows-Explorer"},
    {&Taa::PaExLinks, kElternSchrift, 1, 20, 140, 130, kOhneRand, Color::Window(), nullptr},
    {&Taa::LaNameL2, kNormal, 4, 8, 90, 15, kAutoSize, Color::Window(), " Verzeichnis-Namen "},
    {&Taa::PaExRechts, kElternSchrift, 150, 20, 140, 130, kOhneRand, Color::Window(), nullptr},
    {&Taa::LaNameR2, kNormal, 4, 8, 90, 15, kAutoSize, Color::Window(), " Datei-Namen "},
    {&Taa::PaMausR, kElternSchrift, 160, 60, 130, 65, 0, kBleibt, nullptr},
    {&Taa::Label7, kNormalButton, 21, 18, 110, 45, kTransparent | kWordWrap, kBleibt, kMausText},
    // The five boxes stand in the third state until the configuration and the probe set them.
    {&Taa::CheExplorerD, kFettButton, 4, 3, 125, 15, kGrau, kBleibt, "Mauszeiger-Menü"},
    {&Taa::PaMausL, kElternSchrift, 10, 60, 130, 65, 0, kBleibt, nullptr},
    {&Taa::Label1, kNormalButton, 21, 18, 110, 45, kTransparent | kWordWrap, kBleibt, kMausText},
    {&Taa::CheExplorerV, kFettButton, 5, 3, 124, 15, kGrau, kBleibt, "Mauszeiger-Menü"},
    {&Taa::CheDesktop, kElternSchrift, 45, 45, 15, 15, kGrau, kBleibt, nullptr},
    {&Taa::PaSchnell, kElternSchrift, 0, 225, 400, 25, 0, kBleibt, nullptr},
    {&Taa::ShaSchnell1, kElternSchrift, 45, 6, 13, 13, kOhneUmriss, Color::Rgb(0x808080), nullptr},
    {&Taa::ShaSchnell2, kElternSchrift, 60, 6, 13, 13, kOhneUmriss, Color::Rgb(0x808080), nullptr},
    {&Taa::LaSchnell, kNormalButton, 250, 6, 150, 13, 0, kBleibt, "(wenn der Bereich sichtbar ist)"},
    {&Taa::CheSchnell, kFettButton, 75, 5, 163, 15, kGrau, kBleibt, "XP-Schnell-Start-Bereich"},
    {&Taa::PaStart3, kNormalButton, 1, 3, 39, 20, kVertieft, kBleibt, "Start"},
    {&Taa::PaStart, kElternSchrift, 0, 127, 100, 100, kErhaben2, kBleibt, nullptr},
    {&Taa::Bevel1, kElternSchrift, 5, 30, 90, 2, 0, kBleibt, nullptr},
    {&Taa::CheStart, kFettButton, 5, 10, 85, 15, kGrau, kBleibt, "Start-Menü"},
    {&Taa::PaFuss2, kFussText, 600, 330, 210, 20, kOhneRand, Color::Rgb(0x000000), "Installations-Programm, Version"},
    {&Taa::PaFuss1, kElternSchrift, 600, 360, 80, 50, kOhneRand, Color::Rgb(0x000000), nullptr},
    {&Taa::PaPfad, kElternSchrift, 200, 60, 480, 270, kOhneRand | kVerborgen, Color::Rgb(0x40A040), nullptr},
    {&Taa::LaPfad, kSeitenText, 10, 10, 300, 150, kWordWrap, Color::Rgb(0x0000FF), "Das Programm ist noch nicht neu installiert worden."},
    {&Taa::SpeVerzSuche, kElternSchrift, 380, 190, 65, 22, 0, kBleibt, "suchen ..."},
    {&Taa::LaKopiert, kKopiert, 300, 220, 70, 29, kTextMitte | kMitteSenkrecht | kVerborgen, Color::Rgb(0x00FF00), "kopiert ..."},
    {&Taa::BuNichtKopieren, kFett, 10, 100, 250, 25, 0, kBleibt, "sie sollen für immer dort bleiben, wo sie jetzt sind"},
    {&Taa::BuVerzKopie, kFett, 10, 220, 250, 25, 0, kBleibt, "sie sollen in dieses Verzeichnis kopiert werden"},
    {&Taa::EdVerz, kElternSchrift, 10, 160, 400, 22, 0, kBleibt, nullptr},
    {&Taa::PaIstSchonDa, kElternSchrift, 300, 80, 480, 270, kOhneRand | kVerborgen, Color::Rgb(0x8055FF), nullptr},
    {&Taa::LaIstSchonDa, kSeitenText, 10, 10, 300, 150, kWordWrap, Color::Rgb(0x800080), "Eine alte Installation ist schon vorhanden."},
    {&Taa::BuBehalten, kFett, 10, 120, 250, 25, 0, kBleibt, "die vorhandene Installation soll geändert werden"},
    {&Taa::BuEntfUndNeu, kFett, 10, 160, 250, 25, 0, kBleibt, "die Installation soll ganz neu gemacht werden"},
    {&Taa::BuEntfernen, kFett, 10, 80, 250, 25, 0, kBleibt, "die vorhandene Installation soll nur entfernt werden"},
    {&Taa::PaLeer, kElternSchrift, 392, 100, 480, 270, kOhneRand | kVerborgen, Color::Rgb(0x0080FF), nullptr},
    {&Taa::LaLeer, kSeitenText, 10, 10, 300, 150, kWordWrap, Color::Rgb(0x0000FF), "Fertig."},
};

void Anwenden(Taa& form, const Entwurf& e) {
  platform::Control& teil = e.glied.In(form);
  const unsigned m = e.merkmale;
  teil.SetBounds(e.left, e.top, e.width, e.height);
  if (e.glied.art != kShape && !(e.farbe == kBleibt)) teil.SetBackColor(e.farbe);
  if (e.schrift != kElternSchrift) teil.SetFont(kSchriften[e.schrift]);
  if (e.text != nullptr) teil.SetCaption(Cp1252Breit(e.text));
  if (m & kVerborgen) teil.SetVisible(false);
  switch (e.glied.art) {
    case kLabel: {
      auto& label = form.*e.glied.label;
      if (m & kWordWrap) label.SetWordWrap(true);
      if (m & kTransparent) label.SetTransparent(true);
      if (m & kMitteSenkrecht) label.SetLayout(platform::TextLayout::Center);
      if (m & kTextMitte) label.SetAlignment(platform::Alignment::Center);
      if (m & kAutoSize) label.SetAutoSize(true);
      break;
    }
    case kPanel: {
      auto& panel = form.*e.glied.panel;
      if (m & kOhneRand) panel.SetBevel(BevelKind::None, 1);
      if (m & kVertieft) panel.SetBevel(BevelKind::Lowered, 1);
      if (m & kErhaben2) panel.SetBevel(BevelKind::Raised, 2);
      if (m & kTextLinks) panel.SetAlignment(platform::Alignment::Left);
      break;
    }
    case kButton:
      if (m & kStandard) {
        (form.*e.glied.button).SetDefault(true);
        (form.*e.glied.button).SetCancel(true);
      }
      break;
    case kCheckBox:
      if (m & kGrau) (form.*e.glied.checkBox).SetState(platform::CheckState::Grayed);
      break;
    case kShape: {
      auto& shape = form.*e.glied.shape;
      shape.SetFill(e.farbe);
      if (m & kOhneUmriss) shape.SetOutline(std::nullopt);
      break;
    }
    case kBevel:
    case kSpeedButton:
    case kEdit:
      break;
  }
}

}  // namespace

void Taa::LoadDesign() {
  SetCaption(Cp1252Breit("Programm installieren"));
  SetClientSize(872, 463);
  SetCenterOnFirstShow(true);
  SetKeyPreview(true);
  for (const Entwurf& e : kEntwurf) Anwenden(*this, e);

  OnKeyDown = platform::Bind<&Taa::FormKeyDown>(this);
  OnCloseQuery = platform::Bind<&Taa::FormCloseQuery>(this);
  OnQueryEndSession = platform::Bind<&Taa::FormQueryEndSession>(this);
  OnEndSession = platform::Bind<&Taa::FormEndSession>(this);
  BuClose.OnClick = platform::Bind<&Taa::BuCloseClick>(this);
  BuFehler.OnClick = platform::Bind<&Taa::BuFehlerClick>(this);
  LaDesktop.OnClick = platform::Bind<&Taa::LaDesktopClick>(this);
  for (platform::CheckBox* box : MenueBoxen()) box->OnClick = platform::Bind<&Taa::CheDesktopClick>(this);
  PaFuss2.OnClick = platform::Bind<&Taa::PaFuss2Click>(this);
  // The foot is clicked for the about box: a push button to assistive technology. The panels that
  // only show a caption are text to it.
  PaFuss2.SetActsAs(platform::ActsAs::Button);
  PaExOben.SetActsAs(platform::ActsAs::Static);
  PaStart3.SetActsAs(platform::ActsAs::Static);
  // A box without a caption is named after its label, the two Explorer boxes after the menus they
  // switch, so that a listener can tell them apart.
  CheDesktop.SetAccessibleName(Cp1252Breit("Hintergrund-Fläche"));
  LaDesktop.SetFocusControl(CheDesktop);
  CheExplorerV.SetAccessibleName(Cp1252Breit("Mauszeiger-Menü der Verzeichnisse und Laufwerke"));
  CheExplorerD.SetAccessibleName(Cp1252Breit("Mauszeiger-Menü der Dateien"));
  // The close button, where the focus starts, then the page that shows in reading order.
  SetTabOrder({&BuClose, &EdVerz, &SpeVerzSuche, &BuNichtKopieren, &BuVerzKopie, &BuEntfernen, &BuBehalten,
               &BuEntfUndNeu, &CheDesktop, &CheStart, &CheSchnell, &CheExplorerV, &CheExplorerD, &BuFehler});
  SpeVerzSuche.OnClick = platform::Bind<&Taa::SpeVerzSucheClick>(this);
  BuNichtKopieren.OnClick = platform::Bind<&Taa::BuVerzKopieClick>(this);
  BuVerzKopie.OnClick = platform::Bind<&Taa::BuVerzKopieClick>(this);
  EdVerz.OnChange = platform::Bind<&Taa::EdVerzChange>(this);
  for (platform::Button* knopf : {&BuBehalten, &BuEntfUndNeu, &BuEntfernen}) {
    knopf->OnClick = platform::Bind<&Taa::BuBehaltenClick>(this);
  }
}

void Taa::KnopfBreite(platform::Button& Knopf) {
  Knopf.SetCaption(Knopf.Caption() + L" ");
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
  LaDesktop.SetCaption(Cp1252Breit("  Hintergrund-\r\n  Fläche"));
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
  PaFuss2.SetCaption(Cp1252Breit("Installations-Programm, Version ") + Version);
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
  LaLeer.SetCaption(L"Fertig.");
  // 21
  PaIstSchonDa.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  LaIstSchonDa.SetBounds(10, 10, PaIstSchonDa.Width() - 20, PaIstSchonDa.Height() - 20);
  LaIstSchonDa.SetTransparent(true);
  LaIstSchonDa.SetCaption(Cp1252Breit(
      "Eine alte Installation ist schon vorhanden.\r\n\r\n"
      "Frage: Was soll mit der vorhandenen Installation gemacht werden?"));
  // 22
  BuEntfernen.SetBounds(10, 100, BuEntfernen.Width(), 30);
  BuBehalten.SetBounds(10, 150, BuBehalten.Width(), 30);
  BuEntfUndNeu.SetBounds(10, 200, BuEntfUndNeu.Width(), 30);
  // 23
  PaPfad.SetBounds(PaChecks.Left(), PaChecks.Top(), PaChecks.Width(), PaChecks.Height());
  LaPfad.SetBounds(10, 10, PaPfad.Width() - 20, PaPfad.Height() - 20);
  LaPfad.SetTransparent(true);
  LaPfad.SetCaption(Cp1252Breit(
      "Das Programm ist noch nicht neu installiert worden.\r\n\r\n"
      "Frage: Sollen die Programm-Dateien für immer dort bleiben, wo sie jetzt sind? "
      "Oder sollen sie zu einem anderen Ort kopiert werden?"));
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
  LaFehler.SetCaption(L"");
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
  LaSchritt.SetCaption(L"Schritt " + std::wstring(1, static_cast<wchar_t>(L'0' + schritt)) + L" von 3");
  LaZielOrt.SetCaption(L"Ziel-Ort = " + ZielOrt);
  // No key goes to a page that no longer shows: the focus starts again on the close button, from
  // where Tab leads into the new page, as at the start. (An inactive window finds it there when it
  // is activated again, as the focus it had no longer shows.)
  if (Active()) BuClose.SetFocus();
}

void Taa::BuCloseClick(platform::Control&) { Close(); }

void Taa::LaDesktopClick(platform::Control&) { CheDesktop.SetChecked(!CheDesktop.Checked()); }

void Taa::CheDesktopClick(platform::Control& Sender) {
  if (!Visible()) return;
  auto& box = static_cast<platform::CheckBox&>(Sender);
  const long fehler = MacheCheck(&box);
  // A location that could not be made does not show as made.
  if (fehler != 0 && box.Checked()) box.SetStateQuietly(platform::CheckState::Unchecked);
  FehlerZeigen(fehler);
}

void Taa::FehlerZeigen(long fehler) {
  if (fehler == 0) return;
  platform::ShowMessageBox(this, AktionsFehlerText(fehler).c_str(), platform::ApplicationTitle().c_str(),
                           platform::kMbOk | platform::kMbIconError);
}

void Taa::SpeVerzSucheClick(platform::Control&) {
  std::wstring ordner;
  if (platform::ChooseFolder(this, Cp1252Breit("Ziel-Verzeichnis suchen"), EdVerz.Caption(), ordner)) {
    EdVerz.SetCaption(MitEndBackslash(ordner));
  }
}

void Taa::PaFuss2Click(platform::Control&) {
  const std::wstring text = Cp1252Breit("Installations-Programm, Version ") + Version +
                            Cp1252Breit("\r\n\r\nEin Installations-Programm aus den ZQ-Bausteinen, gemacht von ZQ.");
  platform::ShowMessageBox(this, text.c_str(), platform::ApplicationTitle().c_str(),
                           platform::kMbOk | platform::kMbIconInformation);
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

  // Until the files are in place the window takes no input and no command, as a window behind a
  // modal dialog does, while its thread goes on reading its queue, painting and answering.
  SetEnabled(false);
  kopiertGerade_ = true;
  TZQKopierschritt schritt = Kopierschritt(MitEndBackslash(EdVerz.Caption()));
  {
    platform::Thread kopierer;
    if (kopierer.Start(&Kopieren, &schritt)) {
      platform::DispatchUntil(kopierer.Handle(), platform::kForever);
    } else {
      Kopieren(&schritt);
    }
  }  // the copy has ended here, whatever the wait answered
  // The busy label stays long enough to be seen, even when copying took no time.
  const std::uint32_t vergangen = platform::TickCount() - beginn;
  if (vergangen < 1900) platform::DispatchUntil(nullptr, 1900 - vergangen);
  platform::DiscardInput();
  kopiertGerade_ = false;
  SetEnabled(true);
  LaKopiert.SetVisible(false);

  if (schliessenGehalten_) {
    Close();
    return;
  }
  const std::wstring fehler = KopierFehler(schritt);
  if (!fehler.empty()) {
    LaFehler.SetCaption(fehler);
    BuFehler.SetVisible(true);
    ZeigePanel(PaFehler);
    return;
  }
  ZielOrt = schritt.Ziel;
  ZeigePanel(PaChecks);
}

void Taa::FormCloseQuery(platform::Control&, bool& CanClose) {
  // Asked to close while the files are replaced, the window stays and closes once they are in place.
  if (!kopiertGerade_) return;
  CanClose = false;
  schliessenGehalten_ = true;
}

// A shutdown or logoff waits for the files; the user may still force it, or cancel it, and only
// then does the installer know whether to end after the step.
void Taa::FormQueryEndSession(platform::Control&, bool& CanEnd) {
  if (kopiertGerade_) CanEnd = false;
}

void Taa::FormEndSession(platform::Control&, bool Ending) {
  if (kopiertGerade_ && Ending) schliessenGehalten_ = true;
}

void Taa::EdVerzChange(platform::Control&) { BuVerzKopie.SetEnabled(MitEndBackslash(EdVerz.Caption()) != ExePfad); }

void Taa::BuFehlerClick(platform::Control&) {
  BuFehler.SetVisible(false);
  ZeigePanel(PaPfad);
}

void Taa::FormKeyDown(platform::Control&, unsigned short& Key, platform::ShiftState Shift) {
  // Enter in the folder field means that folder: it presses the copy button while that can be pressed.
  constexpr unsigned short kEnter = 13;
  if (Key == kEnter && Shift == 0 && EdVerz.Focused() && BuVerzKopie.Enabled()) {
    Key = 0;
    BuVerzKopie.Click();
    return;
  }
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
