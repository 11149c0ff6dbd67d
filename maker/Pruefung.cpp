#include "maker/Pruefung.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "lib/_zq_ZeichenEinfach_1.h"
#include "lib/_zq_ZeichenKomplex_1.h"
#include "maker/Pfade.h"
#include "maker/Zeichensatz.h"

TZQQuelle QuelleAusBlocktext(const std::string& roh) {
  TZQQuelle q;
  q.Art = TZQQuellart::Blocktext;
  q.Umwandlung = Umwandeln(roh, true);
  const std::string& text = q.Umwandlung.Text;
  q.VorspannErgaenzt = OhneVorspann(text, AufbauLesen(text));
  q.TextAnfang = q.VorspannErgaenzt ? std::strlen(kVorspann) : 0;
  q.Bytes = q.VorspannErgaenzt ? kVorspann + text : text;
  return q;
}

TZQQuelle QuelleAusBytes(TZQQuellart art, std::string bytes, std::size_t textAnfang) {
  TZQQuelle q;
  q.Art = art;
  q.Umwandlung = Umwandeln(bytes.substr(textAnfang), false);
  q.Bytes = std::move(bytes);
  q.TextAnfang = textAnfang;
  return q;
}

std::string OrtName(char ziffer) {
  switch (ziffer) {
    case '1': return "Desktop";
    case '2': return "Startmenü";
    case '3': return "Schnellstart";
    case '4': return "Explorer-Menü für Ordner und Laufwerke";
    case '5': return "Explorer-Menü für Dateien";
    default: return {};
  }
}

namespace {

bool Vorhanden(const std::string* ordner, const std::string& name) {
  return ordner == nullptr || DateiDaneben(*ordner, name);
}

// The folder of a shortcut location, in words.
std::string LinkOrdner(char ziffer) {
  switch (ziffer) {
    case '1': return "<Desktop aller Benutzer>\\";
    case '2': return "<Startmenü aller Benutzer>\\";
    default: return "<Schnellstart>\\";
  }
}

// The installer's system folders in words, for its proposal of the `z` value.
std::wstring OrdnerInWorten(const std::string& code) {
  if (code == "w") return L"<Windows>\\";
  if (code == "p") return L"<Programme>\\";
  return L"<Anwendungsdaten aller Benutzer>\\";
}

bool IstOrdnerCode(const std::string& wert) { return wert.size() == 1 && std::strchr("WwPpDd", wert[0]) != nullptr; }

// Why a menu text that the installer does not take cannot name a shortcut file.
std::string Namensgrund(const std::string& text) {
  if (text == "." || text == "..") return "ist " + Zitat(text);
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "enthält ein Steuerzeichen";
    if (std::strchr("\\/:*?\"<>|", c) != nullptr) return "enthält " + Zitat(std::string(1, c));
  }
  return {};
}

// What follows the closing marker, for the maker to find it.
std::string Rest(const std::string& rest) {
  if (rest[0] == ' ') return "ein Leerzeichen";
  if (rest[0] == '\t') return "ein Tabulator";
  return Zitat(rest.substr(0, std::min(rest.find_first_of("\r\n"), std::size_t{20})));
}

// A setting line: its line, its key (lower-cased), its value and the line's text.
struct Einstellung {
  std::int32_t zeile;
  char schluessel;
  std::string wert;
  std::string text;
};

class Pruefer {
 public:
  Pruefer(const TZQQuelle& quelle, const std::string* ordner, TZQBefund& befund)
      : q_(quelle), ordner_(ordner), b_(befund), text_(quelle.Bytes.substr(quelle.TextAnfang)),
        a_(AufbauLesen(text_)) {}

  void Zeichen();
  void Marken();
  void Fenster();
  void Einstellungen();
  void Dateizeilen();
  // The installer's reading, and its files matched to the lines that named them.
  void Lesen(const std::string& eigeneDatei);

 private:
  void Warnen(std::int32_t zeile, const char* art, std::string text) {
    b_.Warnungen.push_back({zeile, art, std::move(text)});
  }
  void Mehrfach(char schluessel);
  void Ziel(const Einstellung& z);

  const TZQQuelle& q_;
  const std::string* ordner_;
  TZQBefund& b_;
  const std::string text_;
  const TZQAufbau a_;
  std::vector<Einstellung> einstellungen_;
  std::vector<std::int32_t> dateiZeilen_;  // the lines of the files the installer keeps
};

void Pruefer::Zeichen() {
  const TZQUmwandlung& u = q_.Umwandlung;
  const bool umgewandelt = q_.Art == TZQQuellart::Blocktext;
  if (u.FremdeZeilenenden > 0) {
    Warnen(u.ErsteFremdeZeile, "zeilenende",
           ZahlAlsText(u.FremdeZeilenenden) + (u.FremdeZeilenenden == 1 ? " Zeile endet" : " Zeilen enden") +
               " nur mit LF oder CR, die erste hier. " +
               (umgewandelt ? "setupblock anhaengen und seitendatei machen CR LF daraus; eine byte-genaue Kopie "
                              "liest das Installationsprogramm nicht, es trennt Zeilen nur bei CR LF."
                            : "Das Installationsprogramm trennt Zeilen nur bei CR LF und liest so keine Einstellung."));
  }
  for (const TZQFremdzeichen& f : u.Fremdzeichen) {
    Warnen(f.Zeile, "kein-cp1252",
           "Das Zeichen " + UnicodeName(f.Zeichen) + " in Spalte " + ZahlAlsText(f.Spalte) +
               " gibt es in Codepage 1252 nicht" +
               (umgewandelt ? "; setupblock anhaengen verweigert den Block." : "; das Installationsprogramm zeigt dafür ein anderes."));
  }
  // Bytes that read as UTF-8 stand for one character but show as two or three; once a line.
  std::int32_t gemeldet = 0;
  for (std::size_t pos = 0; pos < text_.size(); ++pos) {
    std::uint32_t zeichen = 0;
    std::size_t laenge = 0;
    if (static_cast<unsigned char>(text_[pos]) < 0x80 || !Utf8Folge(text_, pos, zeichen, laenge)) continue;
    const std::int32_t zeile = a_.ZeileVon(pos);
    if (zeile != gemeldet) {
      gemeldet = zeile;
      char c = 0;
      const std::string gemeint = Cp1252Von(zeichen, c) ? Zitat(std::string(1, c)) : UnicodeName(zeichen);
      const std::string folge = Zitat(text_.substr(pos, laenge));
      Warnen(zeile, "utf8",
             folge + " ist UTF-8 für " + gemeint + ": das Installationsprogramm liest Codepage 1252 und zeigt " + folge +
                 (umgewandelt ? "; der Text wurde wohl schon einmal umgewandelt." : "."));
    }
    pos += laenge - 1;
  }
}

void Pruefer::Marken() {
  for (std::size_t m : a_.Marken) {
    if (!MarkeExakt(text_, m)) {
      Warnen(a_.ZeileVon(m), "marke-schreibweise",
             "Die Marke " + Zitat(text_.substr(m, 5)) + " zählt nicht: nur " + Zitat(kBlockMarke) +
                 " in dieser Schreibweise ist eine.");
    }
  }
  if (!a_.HatBlock) {
    Warnen(a_.Marken.empty() ? 0 : a_.ZeileVon(a_.Marken[0]), "kein-block",
           q_.Art == TZQQuellart::Programm && text_.empty()
               ? "An das Programm ist kein Block angehängt."
               : "Kein Block: er beginnt und endet mit der Marke " + Zitat(kBlockMarke) + ".");
    return;
  }
  const std::string nachher = text_.substr(a_.Schluss + 5);
  const std::size_t fremd = nachher.find_first_not_of("\r\n");
  if (fremd != std::string::npos) {
    Warnen(a_.ZeileVon(a_.Schluss), "nach-schlussmarke",
           "Nach der Schlussmarke folgt noch " + Rest(nachher.substr(fremd)) +
               ": das Installationsprogramm findet den Block nur, wenn ihr höchstens Zeilenenden folgen.");
  }
  if (OhneVorspann(text_, a_)) {
    std::string folge;
    switch (q_.Art) {
      case TZQQuellart::Blocktext:
        folge = "setupblock anhaengen und seitendatei setzen die Zeile „Codierung:“ davor.";
        break;
      case TZQQuellart::Seitendatei:
        folge = a_.Eroeffnung == 0 ? "Das Installationsprogramm braucht davor ein Zeichen und findet so keinen "
                                     "Block; setzen Sie die Zeile „Codierung:“ davor."
                                   : "Dem Installationsprogramm genügen die Leerzeichen oder Zeilenenden davor, "
                                     "aber setzen Sie besser die Zeile „Codierung:“ davor.";
        break;
      case TZQQuellart::Programm:
        folge = std::string("Das Installationsprogramm nimmt dafür das letzte Byte des Programms, solange es im "
                            "Fenster der letzten ") + ZahlAlsText(kFenster) + " Bytes liegt; setzen Sie die Zeile „Codierung:“ davor.";
        break;
    }
    Warnen(a_.ZeileVon(a_.Eroeffnung), "kein-vorspann", "Vor der Eröffnungsmarke steht nichts. " + folge);
  }
}

void Pruefer::Fenster() {
  if (!a_.HatBlock) return;
  const std::size_t marke = q_.TextAnfang + a_.Eroeffnung;
  const std::size_t vorspann = q_.VorspannErgaenzt ? 0 : q_.TextAnfang + VorspannAnfang(text_, a_, a_.Eroeffnung);
  const std::size_t groesse = q_.Bytes.size();
  b_.BlockGroesse = groesse - vorspann;
  if (groesse <= kFenster) return;
  const std::size_t anfang = groesse - kFenster;
  const std::int32_t zeile = a_.ZeileVon(a_.Eroeffnung);
  const std::string fenster = "dem Fenster der letzten " + ZahlAlsText(kFenster) + " Bytes";
  if (marke < anfang) {
    Warnen(zeile, "ausserhalb-fenster",
           "Der Block beginnt " + ZahlAlsText(anfang - marke) +
               " Bytes vor " + fenster + ": das Installationsprogramm findet ihn nicht. Kürzen "
               "Sie ihn um mindestens " + ZahlAlsText(anfang + 1 - marke) + " Bytes.");
  } else if (marke == anfang) {
    Warnen(zeile, "vorspann-ausserhalb",
           "Die Eröffnungsmarke steht am Anfang des Fensters der letzten " + ZahlAlsText(kFenster) +
               " Bytes, alles davor liegt außerhalb: das Installationsprogramm findet den Block nicht. Kürzen Sie ihn "
               "um mindestens 1 Byte.");
  } else if (vorspann < anfang) {
    Warnen(zeile, "vorspann-ausserhalb",
           "Der Vorspann vor der Eröffnungsmarke beginnt " + ZahlAlsText(anfang - vorspann) +
               " Bytes vor " + fenster + "; der Block wird noch gefunden, aber er hat keinen Platz mehr.");
  }
}

void Pruefer::Einstellungen() {
  if (!a_.HatBlock) return;
  const std::size_t anfang = a_.Eroeffnung + 5;
  const std::string inhalt = text_.substr(anfang, a_.Schluss - anfang);
  std::int32_t zeile = a_.ZeileVon(a_.Eroeffnung);
  for (std::size_t pos = 0; pos <= inhalt.size(); ++zeile) {
    const std::size_t ende = std::min(inhalt.find('\n', pos), inhalt.size());
    std::string z = inhalt.substr(pos, ende - pos);
    pos = ende + 1;
    if (!z.empty() && z.back() == '\r') z.pop_back();
    if (IstEinstellung(z)) {
      const char schluessel = TextKlein(z.substr(1, 1))[0];
      if (schluessel == '\0' || std::strchr("nzmd?", schluessel) == nullptr) {
        Warnen(zeile, "unbekannter-schluessel",
               "Den Schlüssel " + Zitat(z.substr(1, 1)) +
                   " gibt es nicht; die Zeile wird nicht gelesen. Es gibt n, z, m, d und ?.");
        continue;
      }
      einstellungen_.push_back({zeile, schluessel, Gestutzt(z.substr(3)), z});
    } else if (Gestutzt(z).rfind('#', 0) == 0 && z.find('=') != std::string::npos) {
      Warnen(zeile, "keine-einstellung",
             Zitat(Gestutzt(z)) + " wird nicht gelesen: eine Einstellung beginnt am Zeilenanfang mit „#“ und dem "
                                  "Schlüssel, das dritte Zeichen ist „=“ (etwa „#n=Name“).");
    }
  }
  Mehrfach('n');
  Mehrfach('z');
  Mehrfach('m');
  for (auto e = einstellungen_.rbegin(); e != einstellungen_.rend(); ++e) {
    if (e->schluessel == 'n' && e->wert.empty()) {
      Warnen(e->zeile, "name-leer", "Der Programm-Name ist leer: die Titelleiste zeigt nur „ installieren“.");
    }
    if (e->schluessel == 'z') Ziel(*e);
    if (e->schluessel == 'm' && e->wert.find_first_of("12345") == std::string::npos) {
      Warnen(e->zeile, "menue-ohne-ziffer",
             Zitat(e->text) + " nennt keine der Ziffern 1 bis 5: das Programm wird nirgends angeboten.");
    }
  }
}

// Several lines of a key: the last one wins, and only its value is looked at further.
void Pruefer::Mehrfach(char schluessel) {
  std::string zeilen;
  std::size_t anzahl = 0;
  for (auto e = einstellungen_.begin(); e != einstellungen_.end();) {
    if (e->schluessel != schluessel) {
      ++e;
      continue;
    }
    zeilen += (anzahl++ == 0 ? "" : ", ") + ZahlAlsText(e->zeile);
    const bool letzte = std::none_of(e + 1, einstellungen_.end(), [&](const Einstellung& x) {
      return x.schluessel == schluessel;
    });
    if (letzte) {
      if (anzahl > 1) {
        Warnen(e->zeile, "mehrfach",
               "Es gibt " + ZahlAlsText(anzahl) + " Zeilen „#" + std::string(1, schluessel) + "=“ (Zeilen " + zeilen +
                   "): die letzte gilt.");
      }
      break;
    }
    e = einstellungen_.erase(e);
  }
}

void Pruefer::Ziel(const Einstellung& z) {
  const std::string& w = z.wert;
  if (IstOrdnerCode(w)) return;
  if (w.empty()) {
    Warnen(z.zeile, "ziel-leer", "Der Ziel-Pfad ist leer: vorgeschlagen wird „\\“.");
  } else if (w.rfind("\\\\", 0) == 0) {
    Warnen(z.zeile, "ziel-netz",
           "Der Ziel-Pfad " + Zitat(w) + " liegt im Netz: eine spätere Installation findet ihn nicht wieder, das "
                                        "Installationsprogramm erkennt nur Ordner auf einem Laufwerksbuchstaben.");
  } else if (!(w.size() >= 3 && IstBuchstabe(w[0]) && w[1] == ':' && (w[2] == '\\' || w[2] == '/'))) {
    Warnen(z.zeile, "ziel-ohne-laufwerk",
           "Der Ziel-Pfad " + Zitat(w) + " ist relativ oder hat kein Laufwerk; das Installationsprogramm schlägt "
                                        "ihn vor, wie er steht. Möglich sind P, D, W oder ein Pfad wie „C:\\Programm“.");
  }
}

void Pruefer::Dateizeilen() {
  std::string menue;
  for (const Einstellung& e : einstellungen_) {
    if (e.schluessel == 'm') menue = e.wert;
  }
  const bool explorer = menue.find_first_of("45") != std::string::npos;
  std::map<std::string, std::int32_t> texte;  // lower-cased menu text -> its first line
  bool mitText = false;
  // The file lines as the installer reads them once it finds the block (whether it does is the
  // warnings' above), read together, every `?` file counted present: one entry for each line that
  // names a file, in their order.
  std::string zeilen = kVorspann + std::string(kBlockMarke) + "\r\n";
  for (const Einstellung& e : einstellungen_) {
    if (e.schluessel == 'd' || e.schluessel == '?') zeilen += e.text + "\r\n";
  }
  const TZQBlock gelesen = BlockLesen(zeilen + kBlockMarke, [](const std::wstring&) { return true; });
  std::size_t naechste = 1;
  for (const Einstellung& e : einstellungen_) {
    if (e.schluessel != 'd' && e.schluessel != '?') continue;
    std::vector<std::string> felder(1);
    TextTeilen(e.wert, ",", true, true, felder);
    const auto leer = std::find(felder.begin() + 1, felder.end(), std::string());
    const bool dahinter = std::any_of(leer, felder.end(), [](const std::string& f) { return !f.empty(); });
    if (leer == felder.begin() + 1 && !dahinter) {
      Warnen(e.zeile, "dateizeile-leer", "Die Dateizeile nennt keine Datei und wird übergangen.");
      continue;
    }
    const TZQDateienInfo& datei = gelesen.Dateien[naechste++];
    if (dahinter) {
      Warnen(e.zeile, "leeres-feld",
             "Zwischen zwei Kommas steht nichts: das leere Feld entfällt, die Felder dahinter rücken vor.");
    }
    const std::string name = Cp1252AusBreit(datei.Datei);
    if (VerlaesstOrdner(name)) {
      Warnen(e.zeile, "datei-ausserhalb",
             "Der Dateiname " + Zitat(name) +
                 " führt aus dem Ordner des Installationsprogramms hinaus oder nennt ein Gerät (ein Laufwerk, ein "
                 "Backslash am Anfang, „..“ auch mit Leerzeichen, „:“, „*“, „?“, „CON“, „NUL“, „COM1“ und "
                 "ähnliche, mit oder ohne Endung): das Installationsprogramm weist den Block zurück und zeigt "
                 "seine Fehlerseite („- Programm-Dateien“).");
    }
    if (e.schluessel == '?' && !Vorhanden(ordner_, name)) {
      Warnen(e.zeile, "optional-fehlt",
             "Die Datei " + Zitat(name) + " liegt nicht neben dem Installationsprogramm; die Zeile wird "
                                                "übergangen.");
      continue;
    }
    dateiZeilen_.push_back(e.zeile);
    const std::string text = Cp1252AusBreit(datei.Text);
    if (text.empty()) {
      Warnen(e.zeile, "ohne-menuetext",
             Zitat(name) + " hat keinen Menütext: die Datei wird kopiert, bekommt aber weder Verknüpfung noch "
                                  "Explorer-Eintrag.");
      continue;
    }
    if (!MenueTextBrauchbar(datei.Text)) {
      Warnen(e.zeile, "menuetext-kein-dateiname",
             "Der Menütext " + Zitat(text) + " " + Namensgrund(text) +
                 " und kann kein Dateiname sein: die Datei bekommt weder Verknüpfung noch Explorer-Eintrag und "
                 "zählt nicht als Programm-Datei mit Menütext.");
      continue;
    }
    mitText = true;
    const auto [frueher, neu] = texte.emplace(TextKlein(text), e.zeile);
    if (!neu) {
      Warnen(e.zeile, "menuetext-doppelt",
             "Den Menütext " + Zitat(text) + " hat schon Zeile " + ZahlAlsText(frueher->second) +
                 ": die spätere Verknüpfung ersetzt die frühere.");
    }
    for (std::size_t i = 1; explorer && i < datei.Parameter.size(); ++i) {
      if (datei.Parameter[i].find(L'"') != std::wstring::npos) {
        Warnen(e.zeile, "parameter-anfuehrungszeichen",
               "Der Parameter " + Zitat(Cp1252AusBreit(datei.Parameter[i])) +
                   " enthält ein Anführungszeichen: in der Befehlszeile des Explorer-Eintrags, die jeden Parameter "
                   "in Anführungszeichen setzt, beendet es den Parameter, und der Rest wird zu weiteren.");
      }
      if (datei.Parameter[i].find(L'\\') == std::wstring::npos) continue;
      Warnen(e.zeile, "parameter-backslash",
             "Der Parameter " + Zitat(Cp1252AusBreit(datei.Parameter[i])) +
                 " enthält einen Backslash: ein späterer Start liest den Ordner der Installation aus dem "
                 "Explorer-Eintrag bis zu dessen letztem Backslash und fände ihn mitten in diesem Parameter.");
    }
  }
  if (!dateiZeilen_.empty() && !mitText) {
    Warnen(0, "keine-menuetexte",
           "Keine Dateizeile hat einen Menütext, der ein Dateiname sein kann: das Installationsprogramm meldet "
           "„- Programm-Dateien“.");
  }
}

void Pruefer::Lesen(const std::string& eigeneDatei) {
  const std::string fenster = ::Fenster(q_.Bytes);
  const auto vorhanden = [this](const std::wstring& datei) { return Vorhanden(ordner_, Cp1252AusBreit(datei)); };
  b_.Gefunden = BlockGefunden(fenster);
  b_.Block = BlockLesen(fenster, vorhanden);
  const TZQBlock& block = b_.Block;
  if (block.HatZiel) b_.Zielvorschlag = Cp1252AusBreit(ZielVorschlag(block.Ziel, block.Name, &OrdnerInWorten));
  if (block.HatMenue) {
    for (char ziffer : std::string("12345")) {
      if (block.Menue.find(static_cast<wchar_t>(ziffer)) != std::wstring::npos) b_.Menues += ziffer;
    }
  }
  const bool zeilenPassen = dateiZeilen_.size() + 1 == block.Dateien.size();
  for (std::size_t i = 1; i < block.Dateien.size(); ++i) {
    TZQDateiSicht s;
    s.Datei = block.Dateien[i];
    s.Zeile = zeilenPassen ? dateiZeilen_[i - 1] : 0;
    const std::wstring& text = s.Datei.Text;
    for (char ziffer : b_.Menues) {
      if (!MenueTextBrauchbar(text)) break;
      if (ziffer <= '3') s.Verknuepfungen.push_back(LinkOrdner(ziffer) + Cp1252AusBreit(text) + ".lnk");
      if (ziffer < '4') continue;
      for (const std::wstring& verb : VerbSchluessel(ziffer == '5', text)) {
        s.Verben.push_back("HKEY_CLASSES_ROOT\\" + Cp1252AusBreit(verb));
      }
    }
    if (!s.Verben.empty() && block.HatZiel) {
      s.Befehlszeile = Cp1252AusBreit(Befehlszeile(Cp1252Breit(b_.Zielvorschlag), s.Datei));
    }
    b_.Dateien.push_back(std::move(s));
  }
  const std::string eigene = TextKlein(eigeneDatei);
  b_.Urteil = Urteilen(block, Cp1252Breit(eigeneDatei), [&](const std::wstring& datei) {
    return TextKlein(Cp1252AusBreit(datei)) == eigene || vorhanden(datei);
  });
}

}  // namespace

TZQBefund Pruefen(const TZQQuelle& quelle, const std::string* ordner, const std::string& eigeneDatei) {
  TZQBefund befund;
  Pruefer p(quelle, ordner, befund);
  p.Zeichen();
  p.Marken();
  p.Fenster();
  p.Einstellungen();
  p.Dateizeilen();
  p.Lesen(eigeneDatei);
  std::stable_sort(befund.Warnungen.begin(), befund.Warnungen.end(),
                   [](const TZQWarnung& a, const TZQWarnung& b) { return a.Zeile < b.Zeile; });
  return befund;
}
