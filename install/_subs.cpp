#include "install/_subs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "forms/_Form_Anfang.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_DateiBytes_2.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "lib/_zq_ZeichenKomplex_1.h"
#include "platform/Application.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/ShellFolder.h"
#include "platform/ShellLink.h"

std::string ProgName = "?";
std::string ZielOrt;
std::string ExePfad;
std::string Version = "19";
std::vector<TZQDateienInfo> Dateien(1);

namespace {

// A shell folder by its identifier. A failed lookup is not reported; its empty path goes through
// the backslash rule like any other.
std::string ShellOrdner(int ordner) {
  platform::ShellFolderItem eintrag;
  eintrag.Locate(aa != nullptr ? aa->Handle() : nullptr, ordner);
  return MitEndBackslash(eintrag.Path());
}

}  // namespace

std::string SpezialOrdner(const std::string& code) {
  if (code.size() != 1) return {};
  switch (code[0]) {
    case '1': return ShellOrdner(platform::kFolderCommonDesktopDirectory);
    case '2': return ShellOrdner(platform::kFolderCommonStartMenu);
    case '3': return ShellOrdner(platform::kFolderAppData) + "Microsoft\\Internet Explorer\\Quick Launch\\";
    case 'a': return ShellOrdner(platform::kFolderCommonAppData);
    case 'p': return ShellOrdner(platform::kFolderProgramFiles);
    case 'w': return MitEndBackslash(platform::WindowsFolder(255));
    default: return {};
  }
}

namespace {

// The five check boxes in the order the probe visits them.
std::array<platform::CheckBox*, 5> MenueBoxen() {
  return {&aa->CheDesktop, &aa->CheStart, &aa->CheSchnell, &aa->CheExplorerV, &aa->CheExplorerD};
}

void OrdnerVonLaufwerkUebernehmen(const std::string& ordner) {
  if (TextMitte(ordner, 2, 2) == ":\\") ZielOrt = ordner;
}

void VerbsAnwenden(const platform::CheckBox* box, const TZQDateienInfo& datei) {
  const bool angehakt = box->Checked();
  if (angehakt && ZielOrt.empty()) return;
  for (const std::string& schluessel : VerbSchluessel(box == &aa->CheExplorerD, datei.Text)) {
    if (!angehakt) {
      if (platform::ClassesRootKeyExists(schluessel)) platform::ClassesRootDeleteTree(schluessel);
      continue;
    }
    platform::ClassesRootKey befehl;
    if (befehl.Create(schluessel + "\\command", platform::kKeyWrite) == 0) befehl.WriteDefault(Befehlszeile(ZielOrt, datei));
  }
}

bool VerbsSuchen(const platform::CheckBox* box, const TZQDateienInfo& datei) {
  bool gefunden = false;
  for (const std::string& schluessel : VerbSchluessel(box == &aa->CheExplorerD, datei.Text)) {
    const std::string pfad = schluessel + "\\command";
    if (!platform::ClassesRootKeyExists(pfad)) continue;
    gefunden = true;
    platform::ClassesRootKey befehl;
    std::string text;
    if (befehl.Open(pfad, platform::kKeyRead) == 0 && befehl.ReadDefault(text) == 0) BefehlZielLesen(text);
  }
  return gefunden;
}

}  // namespace

std::string AktionsFehlerText(long fehler) {
  const std::string text = platform::ErrorText(fehler);
  return text.empty() ? "Fehler " + ZahlAlsText(static_cast<std::uint32_t>(fehler)) : text;
}

long LinkErstellen(const std::string& linkPfad, const std::string& zielPfad) {
  platform::ShellLink link;
  if (const long fehler = link.Create()) return fehler;
  link.SetPath(zielPfad);
  link.Save(linkPfad, false);
  return 0;
}

long LinkZielLesen(const std::string& linkPfad) {
  platform::ShellLink link;
  if (const long fehler = link.Create()) return fehler;
  if (link.Load(linkPfad) != 0) return 0;
  std::string ziel;
  link.GetPath(ziel);
  OrdnerVonLaufwerkUebernehmen(AdresseVerzeichnis(ziel));
  return 0;
}

void BefehlZielLesen(const std::string& befehl) {
  OrdnerVonLaufwerkUebernehmen(AdresseVerzeichnis(BeideEndenStutzen(befehl, "\"")));
}

long MacheCheck(platform::CheckBox* box) {
  if (box == nullptr) {
    for (platform::CheckBox* b : MenueBoxen()) {
      if (const long fehler = MacheCheck(b)) return fehler;
    }
    return 0;
  }
  const bool pruefen = !aa->Visible();
  const auto boxen = MenueBoxen();
  const auto stelle = std::find(boxen.begin(), boxen.end(), box) - boxen.begin();
  const bool registry = stelle >= 3;
  bool gefunden = false;
  for (std::size_t i = 1; i < Dateien.size(); ++i) {
    const TZQDateienInfo& datei = Dateien[i];
    if (!MenueTextBrauchbar(datei.Text)) continue;
    if (registry) {
      if (pruefen) gefunden = VerbsSuchen(box, datei);
      else VerbsAnwenden(box, datei);
      continue;
    }
    const std::string link = SpezialOrdner(std::string(1, static_cast<char>('1' + stelle))) + datei.Text + ".lnk";
    long fehler = 0;
    if (pruefen) {
      gefunden = DateiExistiert(link);
      if (gefunden) fehler = LinkZielLesen(link);
    } else if (box->Checked()) {
      fehler = LinkErstellen(link, MitEndBackslash(ZielOrt) + datei.Datei);
    } else {
      AdresseLoeschen(link, false);
    }
    if (fehler != 0) return fehler;
  }
  if (pruefen) box->SetChecked(gefunden);
  return 0;
}

long AlleEintraegeEntfernen() {
  // The probe shows only the last file's entries on a box, so every location is removed whatever
  // its box showed.
  for (platform::CheckBox* box : MenueBoxen()) box->SetStateQuietly(platform::CheckState::Unchecked);
  for (platform::CheckBox* box : MenueBoxen()) {
    if (const long fehler = MacheCheck(box)) return fehler;
  }
  return 0;
}

namespace {

// The proposal for the target folder from the value of the `z` key.
std::string ZielVorschlag(const std::string& wert) {
  if (wert == "W" || wert == "w") return SpezialOrdner("w");
  if (wert == "P" || wert == "p") return SpezialOrdner("p") + ProgName + "\\";
  if (wert == "D" || wert == "d") return SpezialOrdner("a") + ProgName + "\\";
  return MitEndBackslash(wert);
}

// One `m` line: its visibilities replace those of an earlier line, its colouring stays.
void MenuesZeigen(const std::string& menue) {
  const auto hat = [&](char ziffer) { return menue.find(ziffer) != std::string::npos; };
  aa->CheDesktop.SetVisible(hat('1'));
  aa->LaDesktop.SetVisible(hat('1'));
  aa->CheStart.SetVisible(hat('2'));
  aa->PaStart.SetVisible(hat('2'));
  aa->PaStart3.SetBevel(hat('2') ? platform::BevelKind::Lowered : platform::BevelKind::Raised, 1);
  for (platform::Control* c : std::initializer_list<platform::Control*>{&aa->CheSchnell, &aa->LaSchnell, &aa->ShaSchnell1, &aa->ShaSchnell2}) {
    c->SetVisible(hat('3'));
  }
  aa->PaMausL.SetVisible(hat('4'));
  aa->PaMausR.SetVisible(hat('5'));
  const auto markieren = [](platform::Label& name) {
    name.SetBackColor(platform::Color::Highlight());
    platform::FontStyle schrift = name.Font();
    schrift.color = platform::Color::HighlightText();
    name.SetFont(schrift);
  };
  if (hat('4')) markieren(aa->LaNameL2);
  if (hat('5')) markieren(aa->LaNameR2);
  aa->PaExplorer.SetVisible(hat('4') || hat('5'));
}

// The window of the side file, or of the running executable when there is none: its last 2000
// bytes, before the signature of a signed one.
std::string EinstellungsFenster(const std::string& exe) {
  const std::string seitenDatei = TextMitteVonRechts(exe, 4, -1) + "INI";
  const std::string quelle = DateiExistiert(seitenDatei) ? seitenDatei : exe;
  std::vector<std::uint8_t> bytes;
  DateiBytesLesen(quelle, bytes, 1, kKopfGroesse);
  // What was read, element 0 left out.
  const auto gelesen = [&bytes] {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()) + 1, bytes.size() - 1);
  };
  const TZQFensterLage lage = FensterLage(gelesen(), DateiGroesse(quelle));
  DateiBytesLesen(quelle, bytes, lage.Position, lage.Anzahl);
  return FensterAus(lage, gelesen());
}

}  // namespace

std::string InstallDatenLesen(long* aktionsFehler) {
  ProgName = "?";
  Dateien.assign(1, TZQDateienInfo{});
  const std::string exe = platform::ModuleFileName();

  const TZQBlock block = BlockLesen(EinstellungsFenster(exe), [](const std::string& datei) {
    return DateiExistiert(ExePfad + datei);
  });
  ProgName = block.Name;
  if (block.HatZiel) aa->EdVerz.SetCaption(ZielVorschlag(block.Ziel));
  for (const std::string& menue : block.Menues) MenuesZeigen(menue);
  Dateien = block.Dateien;

  aa->SetCaption(ProgName + " installieren");
  platform::SetApplicationTitle(ProgName + " installieren");

  const TZQUrteil urteil = Urteilen(block, AdresseDateiName(exe), [](const std::string& datei) {
    return DateiExistiert(ExePfad + datei);
  });
  if (urteil.Vollstaendig) {
    Dateien.push_back({AdresseDateiName(exe), "", {""}});
    if (urteil.Fehler.empty()) {
      if (const long abbruch = MacheCheck()) {
        if (aktionsFehler != nullptr) *aktionsFehler = abbruch;
        return {};
      }
    }
  }
  aa->LaFehler.SetCaption(urteil.Fehler);
  return urteil.Fehler;
}
