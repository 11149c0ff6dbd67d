#include "maker/Bericht.h"

#include "lib/_zq_ZeichenEinfach_1.h"
#include "maker/Blocktext.h"
#include "maker/Pfade.h"
#include "maker/Zeichensatz.h"

namespace {


// The settings the installer misses, in the order of its error text.
std::vector<std::string> Fehlende(const TZQBlock& b) {
  std::vector<std::string> fehlend;
  for (const TZQAngabe& angabe : Angaben(b)) {
    if (!angabe.Da) fehlend.push_back(angabe.Name);
  }
  return fehlend;
}

// The reader's texts in the tool's 1252.
std::string S(const std::wstring& text) { return Cp1252AusBreit(text); }

std::vector<std::string> S(const std::vector<std::wstring>& texte) {
  std::vector<std::string> schmal;
  for (const std::wstring& t : texte) schmal.push_back(S(t));
  return schmal;
}

bool Fehlt(const TZQUrteil& urteil, const std::wstring& name) {
  for (const std::wstring& f : urteil.Fehlend) {
    if (f == name) return true;
  }
  return false;
}

// One JSON object or array after the other; texts are escaped, the 1252 characters kept.
class Json {
 public:
  std::string text;

  Json& Auf(char klammer) {
    Trenner();
    text += klammer;
    erstes_ = true;
    return *this;
  }
  Json& Zu(char klammer) {
    text += klammer;
    erstes_ = false;
    return *this;
  }
  Json& Schluessel(const char* name) {
    Trenner();
    Zeichenkette(name);
    text += ':';
    erstes_ = true;
    return *this;
  }
  Json& Wert(const std::string& t) {
    Trenner();
    Zeichenkette(t);
    return *this;
  }
  Json& Wert(const char* t) { return Wert(std::string(t)); }
  // A path as the tool takes it, UTF-8: its characters in 1252 where it has them, the others (and
  // bytes that are no UTF-8, as U+FFFD) as escapes.
  Json& Pfad(const std::string& utf8) {
    Trenner();
    text += '"';
    for (std::size_t pos = 0; pos < utf8.size();) {
      const std::uint32_t zeichen = Utf8Zeichen(utf8, pos);
      char c = 0;
      if (Cp1252Von(zeichen, c)) {
        Zeichen(c);
      } else if (zeichen > 0xFFFF) {
        Escape(0xD800 + ((zeichen - 0x10000) >> 10));
        Escape(0xDC00 + ((zeichen - 0x10000) & 0x3FF));
      } else {
        Escape(zeichen);
      }
    }
    text += '"';
    return *this;
  }
  Json& Zahl(std::int64_t z) {
    Trenner();
    text += ZahlAlsText(z);
    return *this;
  }
  Json& Wahr(bool w) {
    Trenner();
    text += w ? "true" : "false";
    return *this;
  }
  Json& Nichts() {
    Trenner();
    text += "null";
    return *this;
  }
  Json& Liste(const char* name, const std::vector<std::string>& werte, std::size_t ab = 0) {
    Schluessel(name).Auf('[');
    for (std::size_t i = ab; i < werte.size(); ++i) Wert(werte[i]);
    return Zu(']');
  }

 private:
  void Trenner() {
    if (!erstes_) text += ',';
    erstes_ = false;
  }
  void Escape(std::uint32_t zeichen) {
    static const char kHex[] = "0123456789abcdef";
    text += "\\u";
    for (int stelle = 12; stelle >= 0; stelle -= 4) text += kHex[(zeichen >> stelle) & 15];
  }
  void Zeichen(char c) {
    if (c == '"' || c == '\\') text += std::string("\\") + c;
    else if (c == '\r') text += "\\r";
    else if (c == '\n') text += "\\n";
    else if (c == '\t') text += "\\t";
    else if (static_cast<unsigned char>(c) < 0x20) Escape(static_cast<unsigned char>(c));
    else text += c;
  }
  void Zeichenkette(const std::string& t) {
    text += '"';
    for (char c : t) Zeichen(c);
    text += '"';
  }
  bool erstes_ = true;
};

}  // namespace

std::string WarnungenText(const std::vector<TZQWarnung>& warnungen) {
  std::string text;
  for (const TZQWarnung& w : warnungen) {
    text += w.Zeile > 0 ? "  Zeile " + ZahlAlsText(w.Zeile) + ": " : std::string("  ");
    text += w.Text + "\n";
  }
  return text;
}

std::string BerichtText(const TZQKopf& kopf, const TZQBefund& befund) {
  const TZQBlock& b = befund.Block;
  const char* fehlt = "(fehlt)";
  std::string t = "Gelesen: " + kopf.Beschreibung + "\n";
  if (!kopf.Grund.empty()) t += "Warum: " + kopf.Grund + "\n";
  if (kopf.Art == "programm") {
    t += std::string("Signatur: ") +
         (!kopf.Signiert ? "keine" : kopf.BlockSigniert ? "ja, sie deckt den Block" : "ja, sie deckt keinen Block") +
         "\n";
  }
  if (befund.BlockGroesse > 0) t += "Block: " + ZahlAlsText(befund.BlockGroesse) + " von " + ZahlAlsText(kFenster) + " Bytes\n";
  t += "Programm-Name: " + (b.HatName ? S(b.Name) : fehlt) + "\n";
  t += "Ziel-Pfad: " + (b.HatZiel ? befund.Zielvorschlag : fehlt) + "\n";
  t += "Menüs: ";
  if (!b.HatMenue) t += fehlt;
  else if (befund.Menues.empty()) t += "keine";
  for (std::size_t i = 0; i < befund.Menues.size(); ++i) {
    t += (i > 0 ? ", " : "") + std::string(1, befund.Menues[i]) + " " + OrtName(befund.Menues[i]);
  }
  t += "\nDateien:";
  if (befund.Dateien.empty()) t += " keine";
  t += "\n";
  for (const TZQDateiSicht& s : befund.Dateien) {
    t += "  " + (s.Zeile > 0 ? "Zeile " + ZahlAlsText(s.Zeile) + ": " : std::string()) + S(s.Datei.Datei) + "\n";
    t += "    Menütext: " + (s.Datei.Text.empty() ? std::string("(keiner)") : S(s.Datei.Text)) + "\n";
    if (s.Datei.Parameter.size() > 1) {
      t += "    Parameter:";
      for (std::size_t p = 1; p < s.Datei.Parameter.size(); ++p) t += " " + Zitat(S(s.Datei.Parameter[p]));
      t += "\n";
    }
    for (const std::string& v : s.Verknuepfungen) t += "    Verknüpfung: " + v + "\n";
    for (const std::string& v : s.Verben) t += "    Explorer-Eintrag: " + v + "\n";
    if (!s.Befehlszeile.empty()) t += "    Befehlszeile: " + s.Befehlszeile + "\n";
  }
  const TZQUrteil& u = befund.Urteil;
  if (u.Vollstaendig) {
    t += "Dateien neben dem Installationsprogramm, in " + Zitat(kopf.Ordner.empty() ? "." : PfadText(kopf.Ordner)) + ":\n";
    for (std::size_t i = 1; i < u.Namen.size(); ++i) {
      t += "  " + S(u.Namen[i]) + (Fehlt(u, u.Namen[i]) ? ": fehlt\n" : ": vorhanden\n");
    }
  }
  if (!befund.Warnungen.empty()) t += "Warnungen:\n" + WarnungenText(befund.Warnungen);
  if (u.Fehler.empty()) {
    t += "Ergebnis: in Ordnung, das Installationsprogramm zeigt keine Fehlerseite.\n";
  } else {
    // The text as the installer builds it, its CR LF included.
    t += "Ergebnis: das Installationsprogramm zeigt diese Fehlerseite:\n" + S(u.Fehler) + "\n";
  }
  return t;
}

std::string BerichtJson(const TZQKopf& kopf, const TZQBefund& befund) {
  const TZQBlock& b = befund.Block;
  Json j;
  j.Auf('{');
  j.Schluessel("quelle").Auf('{');
  j.Schluessel("art").Wert(kopf.Art);
  j.Schluessel("datei").Pfad(kopf.Datei);
  j.Schluessel("gelesen").Pfad(kopf.Gelesen);
  j.Schluessel("beschreibung").Wert(kopf.Beschreibung);
  j.Schluessel("signiert").Wahr(kopf.Signiert);
  j.Schluessel("blockSigniert").Wahr(kopf.BlockSigniert);
  j.Schluessel("liest").Wert(kopf.Liest);
  j.Schluessel("grund").Wert(kopf.Grund);
  j.Zu('}');
  j.Schluessel("blockGefunden").Wahr(befund.Gefunden);
  j.Schluessel("blockBytes").Zahl(static_cast<std::int64_t>(befund.BlockGroesse));
  j.Liste("fehlendeEinstellungen", Fehlende(b));
  j.Schluessel("programmName");
  if (b.HatName) j.Wert(S(b.Name));
  else j.Nichts();
  j.Schluessel("zielPfad");
  if (b.HatZiel) j.Auf('{').Schluessel("wert").Wert(S(b.Ziel)).Schluessel("vorschlag").Wert(befund.Zielvorschlag).Zu('}');
  else j.Nichts();
  j.Schluessel("menues").Auf('[');
  for (char ziffer : befund.Menues) {
    j.Auf('{').Schluessel("ziffer").Zahl(ziffer - '0').Schluessel("ort").Wert(OrtName(ziffer)).Zu('}');
  }
  j.Zu(']');
  j.Schluessel("dateien").Auf('[');
  for (const TZQDateiSicht& s : befund.Dateien) {
    j.Auf('{');
    j.Schluessel("zeile");
    if (s.Zeile > 0) j.Zahl(s.Zeile);
    else j.Nichts();
    j.Schluessel("datei").Wert(S(s.Datei.Datei));
    j.Schluessel("menueText").Wert(S(s.Datei.Text));
    j.Liste("parameter", S(s.Datei.Parameter), 1);
    j.Liste("verknuepfungen", s.Verknuepfungen);
    j.Liste("explorerEintraege", s.Verben);
    j.Schluessel("befehlszeile");
    if (s.Befehlszeile.empty()) j.Nichts();
    else j.Wert(s.Befehlszeile);
    j.Zu('}');
  }
  j.Zu(']');
  j.Schluessel("ordner").Pfad(kopf.Ordner);
  const TZQUrteil& u = befund.Urteil;
  j.Schluessel("dateiPruefung");
  if (u.Vollstaendig) {
    j.Auf('[');
    for (std::size_t i = 1; i < u.Namen.size(); ++i) {
      j.Auf('{').Schluessel("name").Wert(S(u.Namen[i])).Schluessel("vorhanden").Wahr(!Fehlt(u, u.Namen[i])).Zu('}');
    }
    j.Zu(']');
  } else {
    j.Nichts();
  }
  j.Schluessel("fehlerseite");
  if (u.Fehler.empty()) j.Nichts();
  else j.Wert(S(u.Fehler));
  j.Schluessel("warnungen").Auf('[');
  for (const TZQWarnung& w : befund.Warnungen) {
    j.Auf('{').Schluessel("zeile");
    if (w.Zeile > 0) j.Zahl(w.Zeile);
    else j.Nichts();
    j.Schluessel("art").Wert(w.Art).Schluessel("text").Wert(w.Text).Zu('}');
  }
  j.Zu(']');
  j.Schluessel("ergebnis").Wert(u.Fehler.empty() ? "bereit" : "fehlerseite");
  j.Zu('}');
  return j.text + "\n";
}
