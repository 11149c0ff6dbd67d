#include "install/_subs.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "forms/_Form_Anfang.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_DateiBytes_2.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "lib/_zq_ZeichenKomplex_1.h"
#include "lib/_zq_Zeichensatz_1.h"
#include "platform/Application.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/ShellFolder.h"
#include "platform/ShellLink.h"

std::wstring ProgName = L"?";
std::wstring ZielOrt;
std::wstring ExePfad;
std::wstring Version = ZQ_VERSION;
std::vector<TZQDateienInfo> Dateien(1);

namespace {

// A shell folder by its identifier. A failed lookup is not reported; its empty path goes through
// the backslash rule like any other.
std::wstring ShellOrdner(int ordner) {
  platform::ShellFolderItem eintrag;
  eintrag.Locate(aa != nullptr ? aa->Handle() : nullptr, ordner);
  return MitEndBackslash(eintrag.Path());
}

}  // namespace

std::wstring SpezialOrdner(const std::string& code) {
  if (code.size() != 1) return {};
  switch (code[0]) {
    case '1': return ShellOrdner(platform::kFolderCommonDesktopDirectory);
    case '2': return ShellOrdner(platform::kFolderCommonStartMenu);
    case '3': return ShellOrdner(platform::kFolderAppData) + L"Microsoft\\Internet Explorer\\Quick Launch\\";
    case 'a': return ShellOrdner(platform::kFolderCommonAppData);
    case 'p': return ShellOrdner(platform::kFolderProgramFiles);
    case 'w': return MitEndBackslash(platform::WindowsFolder(255));
    default: return {};
  }
}

namespace {

void OrdnerVonLaufwerkUebernehmen(const std::wstring& ordner) {
  if (ordner.size() >= 3 && ordner.compare(1, 2, L":\\") == 0) ZielOrt = ordner;
}

void VerbsAnwenden(const platform::CheckBox* box, const TZQDateienInfo& datei) {
  const bool angehakt = box->Checked();
  if (angehakt && ZielOrt.empty()) return;
  for (const std::wstring& schluessel : VerbSchluessel(box == &aa->CheExplorerD, datei.Text)) {
    if (!angehakt) {
      if (platform::ClassesRootKeyExists(schluessel)) platform::ClassesRootDeleteTree(schluessel);
      continue;
    }
    platform::ClassesRootKey befehl;
    if (befehl.Create(schluessel + L"\\command", platform::kKeyWrite) == 0) befehl.WriteDefault(Befehlszeile(ZielOrt, datei));
  }
}

bool VerbsSuchen(const platform::CheckBox* box, const TZQDateienInfo& datei) {
  bool gefunden = false;
  for (const std::wstring& schluessel : VerbSchluessel(box == &aa->CheExplorerD, datei.Text)) {
    const std::wstring pfad = schluessel + L"\\command";
    if (!platform::ClassesRootKeyExists(pfad)) continue;
    gefunden = true;
    platform::ClassesRootKey befehl;
    std::wstring text;
    if (befehl.Open(pfad, platform::kKeyRead) == 0 && befehl.ReadDefault(text) == 0) BefehlZielLesen(text);
  }
  return gefunden;
}

}  // namespace

std::wstring AktionsFehlerText(long fehler) {
  const std::wstring text = platform::ErrorText(fehler);
  return text.empty() ? L"Fehler " + Cp1252Breit(ZahlAlsText(static_cast<std::uint32_t>(fehler))) : text;
}

long LinkErstellen(const std::wstring& linkPfad, const std::wstring& zielPfad) {
  platform::ShellLink link;
  if (const long fehler = link.Create()) return fehler;
  // SetPath answers S_FALSE for a target that does not exist yet; only a failure ends the action.
  if (const long fehler = link.SetPath(zielPfad); fehler < 0) return fehler;
  const long fehler = link.Save(linkPfad, false);
  return fehler < 0 ? fehler : 0;
}

long LinkZielLesen(const std::wstring& linkPfad) {
  platform::ShellLink link;
  if (const long fehler = link.Create()) return fehler;
  if (link.Load(linkPfad) != 0) return 0;
  platform::ShellFolderItem ziel;
  link.GetIDList(ziel);
  OrdnerVonLaufwerkUebernehmen(AdresseVerzeichnis(ziel.Path()));
  return 0;
}

void BefehlZielLesen(const std::wstring& befehl) {
  const std::size_t von = befehl.find_first_not_of(L'"');
  const std::size_t bis = befehl.find_last_not_of(L'"');
  OrdnerVonLaufwerkUebernehmen(AdresseVerzeichnis(von == std::wstring::npos ? std::wstring() : befehl.substr(von, bis - von + 1)));
}

long MacheCheck(platform::CheckBox* box) {
  if (box == nullptr) {
    for (platform::CheckBox* b : aa->MenueBoxen()) {
      if (const long fehler = MacheCheck(b)) return fehler;
    }
    return 0;
  }
  const bool pruefen = !aa->Visible();
  const auto boxen = aa->MenueBoxen();
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
    const std::wstring link = SpezialOrdner(std::string(1, static_cast<char>('1' + stelle))) + datei.Text + L".lnk";
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
  for (platform::CheckBox* box : aa->MenueBoxen()) box->SetStateQuietly(platform::CheckState::Unchecked);
  for (platform::CheckBox* box : aa->MenueBoxen()) {
    if (const long fehler = MacheCheck(box)) return fehler;
  }
  return 0;
}

namespace {

// One `m` line: its visibilities replace those of an earlier line, its colouring stays.
void MenuesZeigen(const std::wstring& menue) {
  const auto hat = [&](wchar_t ziffer) { return menue.find(ziffer) != std::wstring::npos; };
  aa->CheDesktop.SetVisible(hat(L'1'));
  aa->LaDesktop.SetVisible(hat(L'1'));
  aa->CheStart.SetVisible(hat(L'2'));
  aa->PaStart.SetVisible(hat(L'2'));
  aa->PaStart3.SetBevel(hat(L'2') ? platform::BevelKind::Lowered : platform::BevelKind::Raised, 1);
  for (platform::Control* c : std::initializer_list<platform::Control*>{&aa->CheSchnell, &aa->LaSchnell, &aa->ShaSchnell1, &aa->ShaSchnell2}) {
    c->SetVisible(hat(L'3'));
  }
  aa->PaMausL.SetVisible(hat(L'4'));
  aa->PaMausR.SetVisible(hat(L'5'));
  const auto markieren = [](platform::Label& name) {
    name.SetBackColor(platform::Color::Highlight());
    platform::FontStyle schrift = name.Font();
    schrift.color = platform::Color::HighlightText();
    name.SetFont(schrift);
  };
  if (hat(L'4')) markieren(aa->LaNameL2);
  if (hat(L'5')) markieren(aa->LaNameR2);
  aa->PaExplorer.SetVisible(hat(L'4') || hat(L'5'));
}

// The window of `quelle`: its last 2000 bytes, before the signature of a signed file.
std::string FensterLesen(const std::wstring& quelle, TZQFensterLage& lage) {
  std::vector<std::uint8_t> bytes;
  DateiBytesLesen(quelle, bytes, 1, kKopfGroesse);
  // What was read, element 0 left out.
  const auto gelesen = [&bytes] {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()) + 1, bytes.size() - 1);
  };
  lage = FensterLage(gelesen(), DateiGroesse(quelle));
  DateiBytesLesen(quelle, bytes, lage.Position, lage.Anzahl);
  return FensterAus(lage, gelesen());
}

// The window the settings come from: the running executable's, or its side file's where that wins.
std::string EinstellungsFenster(const std::wstring& exe) {
  TZQFensterLage lage;
  const std::string eigenes = FensterLesen(exe, lage);
  // An installer without its own path, or that cannot read its own file, reads nothing: not a file of
  // the current folder, and no side file, since it cannot tell whether a signature forbids one.
  if (eigenes.empty()) return {};
  const std::wstring seitenDatei = SeitendateiName(exe);
  if (BlockQuelle(lage.Signiert, eigenes, DateiExistiert(seitenDatei)) != TZQBlockQuelle::Seitendatei) return eigenes;
  return FensterLesen(seitenDatei, lage);
}

}  // namespace

std::wstring InstallDatenLesen(long* aktionsFehler) {
  ProgName = L"?";
  Dateien.assign(1, TZQDateienInfo{});
  const std::wstring exe = platform::ModuleFileName();

  const TZQBlock block = BlockLesen(EinstellungsFenster(exe), [](const std::wstring& datei) {
    return DateiExistiert(ExePfad + datei);
  });
  ProgName = block.Name;
  if (block.HatZiel) aa->EdVerz.SetCaption(ZielVorschlag(block.Ziel, ProgName, &SpezialOrdner));
  for (const std::wstring& menue : block.Menues) MenuesZeigen(menue);
  Dateien = block.Dateien;

  aa->SetCaption(ProgName + L" installieren");
  platform::SetApplicationTitle(ProgName + L" installieren");

  const TZQUrteil urteil = Urteilen(block, AdresseDateiName(exe), [](const std::wstring& datei) {
    return DateiExistiert(ExePfad + datei);
  });
  if (urteil.Vollstaendig) {
    Dateien.push_back({AdresseDateiName(exe), L"", {L""}});
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
