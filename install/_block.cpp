#include "install/_block.h"

#include <cstring>

#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Feld_3.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "lib/_zq_ZeichenKomplex_1.h"

namespace {

constexpr std::size_t kMindestLaenge = 23;

// The PE header of an executable, as far as SignaturAnfang reads it: up to the security entry of
// a PE32+ header.
constexpr std::size_t kPeKopf = 24 + 112 + 5 * 8;

// The 32-bit number at `pos` of the header, little-endian as on every host of installer and tool.
std::uint32_t KopfZahl(std::string_view kopf, std::size_t pos) {
  std::uint32_t zahl;
  std::memcpy(&zahl, kopf.data() + pos, sizeof zahl);
  return zahl;
}

// Where the certificate table of a signature begins, when the PE header's security directory
// (a file offset, not an address) names one that ends the file; 0 otherwise.
std::int64_t SignaturAnfang(std::string_view kopf, std::int64_t groesse) {
  if (kopf.size() < 0x40 + kPeKopf || (KopfZahl(kopf, 0) & 0xFFFF) != 0x5A4D) return 0;  // "MZ"
  const std::size_t pe = KopfZahl(kopf, 0x3C);
  if (pe > kopf.size() - kPeKopf || KopfZahl(kopf, pe) != 0x4550) return 0;  // "PE\0\0"
  // The directories follow the optional header's fixed part: 96 bytes of PE32, 112 of PE32+.
  const std::uint32_t art = KopfZahl(kopf, pe + 24) & 0xFFFF;
  if (art != 0x10B && art != 0x20B) return 0;
  const std::size_t verzeichnisse = pe + 24 + (art == 0x10B ? 96 : 112);
  if (KopfZahl(kopf, verzeichnisse - 4) <= 4) return 0;  // no security directory among them
  const std::uint32_t anfang = KopfZahl(kopf, verzeichnisse + 4 * 8);
  const std::uint32_t laenge = KopfZahl(kopf, verzeichnisse + 4 * 8 + 4);
  return laenge > 0 && std::int64_t{anfang} + laenge == groesse ? anfang : 0;
}

bool IstEinstellung(const std::string& zeile) {
  return zeile.size() >= 3 && zeile[0] == '#' && zeile[2] == '=';
}

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

void DateiLesen(char schluessel, const std::string& wert, TZQBlock& block,
                const std::function<bool(const std::string&)>& optionalVorhanden) {
  std::vector<std::string> teile;
  TextTeilen(wert, ",", false, true, teile);
  if (teile.size() < 2) return;
  TZQDateienInfo datei;
  datei.Datei = Gestutzt(teile[1]);
  if (schluessel == '?' && !optionalVorhanden(datei.Datei)) return;
  if (teile.size() >= 3) {
    datei.Text = Gestutzt(teile[2]);
    // A text that gives the file no menu entry does not make the configuration complete.
    if (MenueTextBrauchbar(datei.Text)) block.HatDateien = true;
    datei.Parameter.insert(datei.Parameter.end(), teile.begin() + 3, teile.end());
  }
  block.Dateien.push_back(std::move(datei));
}

}  // namespace

TZQFensterLage FensterLage(std::string_view kopf, std::int64_t groesse) {
  TZQFensterLage lage;
  const std::int64_t signatur = SignaturAnfang(kopf, groesse);
  lage.Signiert = signatur > 0;
  // Signing tools align the table to 8 bytes: up to 7 more bytes before it may be zeros.
  const std::int64_t ende = lage.Signiert ? signatur : groesse;
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

bool MenueTextBrauchbar(const std::string& text) {
  if (text.empty() || text == "." || text == "..") return false;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < ' ' || c == 0x7F) return false;
  }
  return text.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

std::vector<std::string> VerbSchluessel(bool dateiMenue, const std::string& text) {
  const std::string verb = "\\shell\\" + text + " ...";
  if (dateiMenue) return {"*" + verb};
  return {"Drive" + verb, "Folder" + verb};
}

std::string Befehlszeile(const std::string& zielOrt, const TZQDateienInfo& datei) {
  std::string zeile = "\"" + MitEndBackslash(zielOrt) + datei.Datei + "\"";
  for (std::size_t i = 1; i < datei.Parameter.size(); ++i) zeile += " \"" + datei.Parameter[i] + "\"";
  return zeile + " \"%1\"";
}

std::string Gestutzt(const std::string& text) {
  std::size_t von = 0;
  std::size_t bis = text.size();
  while (von < bis && static_cast<unsigned char>(text[von]) <= ' ') ++von;
  while (bis > von && static_cast<unsigned char>(text[bis - 1]) <= ' ') --bis;
  return text.substr(von, bis - von);
}

TZQBlock BlockLesen(const std::string& fenster, const std::function<bool(const std::string&)>& optionalVorhanden) {
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
    block.Name = e.wert;
    block.HatName = true;
  }
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel != 'z') continue;
    block.Ziel = e.wert;
    block.HatZiel = true;
  }
  for (const Einstellung& e : einstellungen) {
    if (e.schluessel != 'm') continue;
    block.Menue = e.wert;
    block.Menues.push_back(e.wert);
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

std::string FalscheDatenText(const TZQBlock& block) {
  if (block.HatName && block.HatDateien && block.HatZiel && block.HatMenue) return {};
  std::string text = "Das Installations-Programm enthält falsche Daten für:";
  if (!block.HatName) text += "\r\n- Programm-Name";
  if (!block.HatDateien) text += "\r\n- Programm-Dateien";
  if (!block.HatZiel) text += "\r\n- Ziel-Pfad";
  if (!block.HatMenue) text += "\r\n- Menüs";
  return text;
}

std::string FehlendeDateienText(const std::vector<std::string>& namen, const std::vector<std::string>& fehlend) {
  std::string text = "Diese Dateien sollen installiert werden:";
  for (std::size_t i = 1; i < namen.size(); ++i) text += "\r\n- " + namen[i];
  text += "\r\n\r\nDiese Dateien fehlen:";
  for (const std::string& name : fehlend) text += "\r\n- " + name;
  return text;
}

TZQUrteil Urteilen(const TZQBlock& block, const std::string& eigeneDatei,
                   const std::function<bool(const std::string&)>& vorhanden) {
  TZQUrteil urteil;
  urteil.Fehler = FalscheDatenText(block);
  urteil.Vollstaendig = urteil.Fehler.empty();
  if (urteil.Vollstaendig) {
    for (std::size_t i = 1; i < block.Dateien.size(); ++i) urteil.Namen.push_back(block.Dateien[i].Datei);
    urteil.Namen.push_back(eigeneDatei);
    DoppelteEntfernen(0, urteil.Namen);
    for (std::size_t i = 1; i < urteil.Namen.size(); ++i) {
      if (!vorhanden(urteil.Namen[i])) urteil.Fehlend.push_back(urteil.Namen[i]);
    }
    if (!urteil.Fehlend.empty()) urteil.Fehler = FehlendeDateienText(urteil.Namen, urteil.Fehlend);
  }
  if (!urteil.Fehler.empty()) urteil.Fehler = "Die Installation ist nicht möglich.\r\n\r\n" + urteil.Fehler;
  return urteil;
}
