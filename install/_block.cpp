#include "install/_block.h"

#include <algorithm>
#include <cstring>

#include "install/_pe.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Feld_3.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "lib/_zq_ZeichenKomplex_1.h"
#include "lib/_zq_Zeichensatz_1.h"

namespace {

constexpr std::size_t kMindestLaenge = 23;

// The block's content between the markers; false when the window holds no block. A marker at the
// very start of the window does not count: the maker's leader line must precede it.
bool Inhalt(const std::string& fenster, std::string& inhalt) {
  if (fenster.size() < kMindestLaenge) return false;
  const std::string text = RechtsStutzen(fenster, "\r\n");
  if (TextRechts(text, 5) != kBlockMarke) return false;
  for (auto p = static_cast<std::int32_t>(text.size()) - 5; p >= 1; --p) {
    if (TextMitte(text, p, 5) != kBlockMarke) continue;
    if (p == 1) return false;
    inhalt = TextMitteVonRechts(TextMitte(text, p + 5, -1), 6, -1);
    return true;
  }
  return false;
}

void DateiLesen(char schluessel, const std::string& wert, TZQBlock& block, TZQDateiFrage optionalVorhanden) {
  std::vector<std::string> teile;
  TextTeilen(wert, ",", false, true, teile);
  if (teile.size() < 2) return;
  const std::string name = Gestutzt(teile[1]);
  TZQDateienInfo datei;
  datei.Datei = Cp1252Breit(name);
  // Refused before an optional file is looked for, which would already look outside the folder.
  if (VerlaesstOrdner(name)) block.DateiAusserhalb = true;
  else if (schluessel == '?' && !optionalVorhanden(datei.Datei)) return;
  if (teile.size() >= 3) {
    datei.Text = Cp1252Breit(Gestutzt(teile[2]));
    // A text that gives the file no menu entry does not make the configuration complete.
    if (MenueTextBrauchbar(datei.Text)) block.HatDateien = true;
    for (std::size_t i = 3; i < teile.size(); ++i) datei.Parameter.push_back(Cp1252Breit(teile[i]));
  }
  block.Dateien.push_back(std::move(datei));
}

}  // namespace

std::vector<std::wstring> EinmalJeName(const std::vector<std::wstring>& namen) {
  std::vector<std::string> schmal(1);
  std::string s;
  for (std::size_t i = 1; i < namen.size(); ++i) {
    if (Cp1252Schmal(namen[i], s)) schmal.push_back(s);
  }
  DoppelteEntfernen(0, schmal);
  // What stays keeps its order, so each staying name is the first of the names that spell it so.
  std::vector<std::wstring> einmal(1);
  std::size_t naechster = 1;
  for (std::size_t i = 1; i < namen.size(); ++i) {
    if (!Cp1252Schmal(namen[i], s)) {
      einmal.push_back(namen[i]);
    } else if (naechster < schmal.size() && schmal[naechster] == s) {
      einmal.push_back(namen[i]);
      ++naechster;
    }
  }
  return einmal;
}

TZQFensterLage FensterLage(std::string_view kopf, std::int64_t groesse) {
  TZQFensterLage lage;
  const TZQProgramm programm = ProgrammKopfLesen(kopf);
  lage.Signiert = programm.SignaturAmEnde(static_cast<std::uint64_t>(groesse)) && programm.SignaturAnfang > 0;
  // Signing tools align the table to 8 bytes: up to 7 more bytes before it may be zeros.
  const std::int64_t ende = lage.Signiert ? static_cast<std::int64_t>(programm.SignaturAnfang) : groesse;
  const std::int64_t anzahl = lage.Signiert ? kFensterGroesse + 7 : kFensterGroesse;
  lage.Anzahl = ende < anzahl ? ende : anzahl;
  lage.Position = ende - lage.Anzahl + 1;
  return lage;
}

std::size_t FensterEnde(const TZQFensterLage& lage, std::string_view gelesen) {
  std::size_t ende = gelesen.size();
  for (int i = 0; lage.Signiert && i < 7 && ende > 0 && gelesen[ende - 1] == '\0'; ++i) --ende;
  return ende;
}

std::string FensterAus(const TZQFensterLage& lage, std::string_view gelesen) {
  const std::size_t ende = FensterEnde(lage, gelesen);
  const std::size_t anfang = ende > kFensterGroesse ? ende - kFensterGroesse : 0;
  return std::string(gelesen.data() + anfang, ende - anfang);
}

namespace {

// Whether the system takes the step for a device (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, also
// with ¹ ² ³, CONIN$, CONOUT$) in any folder: the letters before the first dot, blanks at their end
// left out, in any letter case. Setting bit 5 lower-cases the letters and keeps every character of
// those names as it is.
bool IstGeraet(std::string_view schritt) {
  char k[8];
  std::size_t n = 0;
  for (const char c : schritt) {
    if (c == '.') break;
    if (n == sizeof k) return false;
    k[n++] = static_cast<char>(c | 0x20);
  }
  while (n > 0 && k[n - 1] == ' ') --n;
  for (const char* geraet = "con\0prn\0aux\0nul\0conin$\0conout$\0"; *geraet != 0; geraet += std::strlen(geraet) + 1) {
    if (std::strlen(geraet) == n && std::memcmp(geraet, k, n) == 0) return true;
  }
  const unsigned char z = k[3];
  return n == 4 && (std::memcmp(k, "com", 3) == 0 || std::memcmp(k, "lpt", 3) == 0) &&
         ((z >= '0' && z <= '9') || z == 0xB9 || z == 0xB2 || z == 0xB3);
}

}  // namespace

bool VerlaesstOrdner(const std::string& datei) {
  if (datei.empty()) return false;
  if (datei[0] == '\\' || datei[0] == '/' || datei.find_first_of(":*?") != std::string::npos) return true;
  for (std::size_t von = 0; von <= datei.size();) {
    const std::size_t bis = std::min(datei.find_first_of("\\/", von), datei.size());
    const std::string_view schritt = std::string_view(datei).substr(von, bis - von);
    // The system drops dots and blanks at a step's end: ".. " is "..".
    const bool nurPunkte = !schritt.empty() && schritt.find_first_not_of(". ") == std::string_view::npos;
    if ((nurPunkte && schritt != ".") || IstGeraet(schritt)) return true;
    von = bis + 1;
  }
  return false;
}

bool MenueTextBrauchbar(const std::wstring& text) {
  if (text.empty() || text == L"." || text == L"..") return false;
  for (const wchar_t c : text) {
    if (c < L' ' || c == 0x7F) return false;
  }
  return text.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

std::vector<std::wstring> VerbSchluessel(bool dateiMenue, const std::wstring& text) {
  const std::wstring verb = L"\\shell\\" + text + L" ...";
  if (dateiMenue) return {L"*" + verb};
  return {L"Drive" + verb, L"Folder" + verb};
}

std::wstring Befehlszeile(const std::wstring& zielOrt, const TZQDateienInfo& datei) {
  std::wstring zeile = L"\"" + MitEndBackslash(zielOrt) + datei.Datei + L"\"";
  for (std::size_t i = 1; i < datei.Parameter.size(); ++i) zeile += L" \"" + datei.Parameter[i] + L"\"";
  return zeile + L" \"%1\"";
}

std::string Gestutzt(const std::string& text) {
  std::size_t von = 0;
  std::size_t bis = text.size();
  while (von < bis && static_cast<unsigned char>(text[von]) <= ' ') ++von;
  while (bis > von && static_cast<unsigned char>(text[bis - 1]) <= ' ') --bis;
  return text.substr(von, bis - von);
}

TZQBlock BlockLesen(const std::string& fenster, TZQDateiFrage optionalVorhanden) {
  TZQBlock block;
  std::string inhalt;
  if (!Inhalt(fenster, inhalt)) return block;

  std::vector<std::string> zeilen;
  TextTeilen(inhalt, "\r\n", false, true, zeilen);
  struct Einstellung {
    char schluessel;
    std::string wert;
  };
  std::vector<Einstellung> einstellungen;
  for (std::size_t i = 1; i < zeilen.size(); ++i) {
    if (!IstEinstellung(zeilen[i])) continue;
    einstellungen.push_back({TextKlein(zeilen[i])[1], Gestutzt(TextMitte(zeilen[i], 4, -1))});
  }

  // One pass per key, in this order: the target folder may name the program.
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel != 'n') continue;
    block.Name = Cp1252Breit(e.wert);
    block.HatName = true;
  }
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel != 'z') continue;
    block.Ziel = Cp1252Breit(e.wert);
    block.HatZiel = true;
  }
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel != 'm') continue;
    block.Menue = Cp1252Breit(e.wert);
    block.Menues.push_back(block.Menue);
    block.HatMenue = true;
  }
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel == 'd' || e.schluessel == '?') DateiLesen(e.schluessel, e.wert, block, optionalVorhanden);
  }
  return block;
}

bool BlockGefunden(const std::string& fenster) {
  std::string inhalt;
  return Inhalt(fenster, inhalt);
}

TZQBlockQuelle BlockQuelle(bool signiert, const std::string& fenster, bool seitendateiDa) {
  if (signiert && BlockGefunden(fenster)) return TZQBlockQuelle::SignierterBlock;
  return seitendateiDa ? TZQBlockQuelle::Seitendatei : TZQBlockQuelle::Programm;
}

std::array<TZQAngabe, 4> Angaben(const TZQBlock& block) {
  return {{{"Programm-Name", block.HatName},
           {"Programm-Dateien", block.HatDateien && !block.DateiAusserhalb},
           {"Ziel-Pfad", block.HatZiel},
           {"Menüs", block.HatMenue}}};
}

std::wstring ZielVorschlag(const std::wstring& wert, const std::wstring& name,
                           std::wstring (*ordner)(const std::string& code)) {
  if (wert == L"W" || wert == L"w") return ordner("w");
  if (wert == L"P" || wert == L"p") return ordner("p") + name + L"\\";
  if (wert == L"D" || wert == L"d") return ordner("a") + name + L"\\";
  return MitEndBackslash(wert);
}

std::wstring FalscheDatenText(const TZQBlock& block) {
  std::string text;
  for (const TZQAngabe& angabe : Angaben(block)) {
    if (!angabe.Da) text += std::string("\r\n- ") + angabe.Name;
  }
  return text.empty() ? std::wstring() : Cp1252Breit("Das Installations-Programm enthält falsche Daten für:" + text);
}

std::wstring FehlendeDateienText(const std::vector<std::wstring>& namen, const std::vector<std::wstring>& fehlend) {
  std::wstring text = Cp1252Breit("Diese Dateien sollen installiert werden:");
  for (std::size_t i = 1; i < namen.size(); ++i) text += L"\r\n- " + namen[i];
  text += Cp1252Breit("\r\n\r\nDiese Dateien fehlen:");
  for (const std::wstring& name : fehlend) text += L"\r\n- " + name;
  return text;
}

TZQUrteil Urteilen(const TZQBlock& block, const std::wstring& eigeneDatei, TZQDateiFrage vorhanden) {
  TZQUrteil urteil;
  urteil.Fehler = FalscheDatenText(block);
  urteil.Vollstaendig = urteil.Fehler.empty();
  if (urteil.Vollstaendig) {
    for (std::size_t i = 1; i < block.Dateien.size(); ++i) urteil.Namen.push_back(block.Dateien[i].Datei);
    urteil.Namen.push_back(eigeneDatei);
    urteil.Namen = EinmalJeName(urteil.Namen);
    for (std::size_t i = 1; i < urteil.Namen.size(); ++i) {
      if (!vorhanden(urteil.Namen[i])) urteil.Fehlend.push_back(urteil.Namen[i]);
    }
    if (!urteil.Fehlend.empty()) urteil.Fehler = FehlendeDateienText(urteil.Namen, urteil.Fehlend);
  }
  if (!urteil.Fehler.empty()) urteil.Fehler = Cp1252Breit("Die Installation ist nicht möglich.\r\n\r\n") + urteil.Fehler;
  return urteil;
}
