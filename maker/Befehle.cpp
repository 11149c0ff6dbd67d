#include "maker/Befehle.h"

#include <algorithm>
#include <cstring>

#include "install/_block.h"
#include "install/_pe.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "maker/Bericht.h"
#include "maker/Blocktext.h"
#include "maker/Pfade.h"
#include "maker/Pruefung.h"
#include "maker/Vorlage.h"
#include "maker/Zeichensatz.h"
#include "platform/WholeFile.h"

namespace {

const char kAufruf[] =
    "Aufruf:\n"
    "  setupblock vorlage\n"
    "  setupblock pruefen DATEI [--ordner ORDNER] [--json]\n"
    "  setupblock anhaengen SETUP.EXE BLOCK -o AUSGABE.EXE\n"
    "  setupblock seitendatei BLOCK -o SETUP.INI\n"
    "  setupblock -h | --help\n";


std::string Hilfe() {
  const std::size_t vorlage = QuelleAusBlocktext(Vorlage()).Bytes.size();
  const std::size_t frei = kFenster - vorlage;
  return std::string("setupblock schreibt, prüft und hängt den Einstellungsblock von Setup.exe an.\n\n") + kAufruf +
         "\n"
         "vorlage\n"
         "  Gibt die Vorlage des Blocks aus, UTF-8 mit Zeilenenden LF, zum Ausfüllen im Texteditor:\n"
         "  setupblock vorlage > block.txt\n"
         "  Die Vorlage belegt " + ZahlAlsText(vorlage) + " der " + ZahlAlsText(kFenster) +
         " Bytes, die das Installationsprogramm liest; es\n"
         "  bleiben " + ZahlAlsText(frei) + " Bytes für Name, Ziel-Pfad und Dateizeilen, etwa " + ZahlAlsText(frei / 62) +
         " Dateizeilen zu 60 Zeichen.\n"
         "pruefen DATEI [--ordner ORDNER] [--json]\n"
         "  Zeigt, was das Installationsprogramm aus dem Block macht: Name, Ziel-Pfad, Menüs, je Datei\n"
         "  Menütext, Parameter, Verknüpfungen, Explorer-Einträge und Befehlszeile. Prüft die Dateien\n"
         "  neben dem Installationsprogramm (oder in ORDNER), zeigt dessen Fehlerseite Byte für Byte und\n"
         "  warnt vor Fallen, mit Zeilennummer. Von einem Programm sagt es, ob es signiert ist und die\n"
         "  Signatur den Block deckt.\n"
         "  DATEI ist ein Setup.exe mit Block (eine Seitendatei daneben gewinnt, wie beim\n"
         "  Installationsprogramm), eine Seitendatei *.INI (Byte für Byte gelesen) oder ein Blocktext\n"
         "  (UTF-8 oder Codepage 1252, Zeilenenden LF oder CR LF; gelesen, wie anhaengen ihn umwandelt).\n"
         "  --json gibt dasselbe als ein JSON-Objekt aus.\n"
         "anhaengen SETUP.EXE BLOCK -o AUSGABE.EXE\n"
         "  Wandelt BLOCK in Codepage 1252 mit CR LF um, setzt die Zeile „Codierung:“ davor, wenn sie fehlt,\n"
         "  und schreibt SETUP.EXE mit dem Block als AUSGABE.EXE. Ein Block am Ende von SETUP.EXE wird\n"
         "  ersetzt; SETUP.EXE selbst bleibt unverändert. Die Signatur eines signierten SETUP.EXE wird\n"
         "  entfernt: signieren Sie AUSGABE.EXE danach, dann deckt die Signatur den Block.\n"
         "seitendatei BLOCK -o SETUP.INI\n"
         "  Dieselbe Umwandlung, geschrieben als Seitendatei, die neben Setup.exe liegt.\n"
         "\n"
         "Rückgabewert: 0 erledigt, auch mit Warnungen; 1 pruefen: das Installationsprogramm zeigt seine\n"
         "Fehlerseite; 2 verweigert: falscher Aufruf, Datei nicht lesbar oder nicht schreibbar, kein\n"
         "Windows-Programm, ein Zeichen außerhalb von Codepage 1252 oder ein Block über " + ZahlAlsText(kFenster) +
         " Bytes; auch\n"
         "wenn sich die Ausgabe nicht schreiben lässt oder der Speicher nicht reicht.\n";
}

struct Aufruf {
  std::string befehl;
  std::vector<std::string> frei;  // the arguments that are no options
  std::string ausgabe;            // -o
  bool mitAusgabe = false;
  std::string ordner;             // --ordner
  bool mitOrdner = false;
  bool json = false;
  bool hilfe = false;
  bool falsch = false;            // an option that is unknown or lacks its value
};

Aufruf Zerlegen(const std::vector<std::string>& argumente) {
  Aufruf a;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& arg = argumente[i];
    const bool wert = i + 1 < argumente.size();
    if (arg == "-h" || arg == "--help") {
      a.hilfe = true;
    } else if (arg == "--json") {
      a.json = true;
    } else if (arg == "-o" && wert) {
      a.ausgabe = argumente[++i];
      a.mitAusgabe = true;
    } else if (arg == "--ordner" && wert) {
      a.ordner = argumente[++i];
      a.mitOrdner = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      a.falsch = true;
    } else if (a.befehl.empty()) {
      a.befehl = arg;
    } else {
      a.frei.push_back(arg);
    }
  }
  return a;
}

bool Verweigert(TZQLauf& lauf, const std::string& text) {
  lauf.Status = kVerweigert;
  lauf.Fehler += "setupblock: " + text + "\n";
  return false;
}

TZQLauf Verweigern(const std::string& text) {
  TZQLauf lauf;
  Verweigert(lauf, text);
  return lauf;
}

TZQLauf FalscherAufruf() { return Verweigern(std::string("falscher Aufruf.\n") + kAufruf); }

bool EndetAuf(const std::string& name, const char* endung) {
  const std::size_t n = std::strlen(endung);
  return name.size() >= n && TextKlein(name.substr(name.size() - n)) == endung;
}

std::string Lesefehler(const std::string& datei) { return Zitat(PfadText(datei)) + " lässt sich nicht lesen."; }

std::string Abgeschnitten(const std::string& datei) {
  return Zitat(PfadText(datei)) + " ist unvollständig: Kopf oder Abschnitte des Programms reichen über das Dateiende "
                                  "hinaus, Windows startet es so nicht.";
}

std::string Utf16Fehler(const std::string& datei) {
  return Zitat(PfadText(datei)) + " ist als UTF-16 gespeichert; speichern Sie es als UTF-8 oder ANSI (Codepage 1252).";
}

bool GleicheEinstellungen(const TZQBlock& a, const TZQBlock& b) {
  if (a.HatName != b.HatName || a.HatZiel != b.HatZiel || a.HatMenue != b.HatMenue ||
      a.HatDateien != b.HatDateien || a.Name != b.Name || a.Ziel != b.Ziel || a.Menue != b.Menue ||
      a.Dateien.size() != b.Dateien.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.Dateien.size(); ++i) {
    const TZQDateienInfo& x = a.Dateien[i];
    const TZQDateienInfo& y = b.Dateien[i];
    if (x.Datei != y.Datei || x.Text != y.Text || x.Parameter != y.Parameter) return false;
  }
  return true;
}

// The maker's text converted for writing, with the warnings the maker should see. Refused when it
// cannot be converted, does not fit the window, or holds no block the installer finds.
bool BlockBereiten(const std::string& datei, TZQQuelle& q, std::string& hinweise, TZQLauf& lauf) {
  std::string roh;
  if (!platform::ReadWholeFile(datei, roh)) return Verweigert(lauf, Lesefehler(datei));
  q = QuelleAusBlocktext(roh);
  if (q.Umwandlung.Utf16) return Verweigert(lauf, Utf16Fehler(datei));
  if (!q.Umwandlung.Fremdzeichen.empty()) {
    std::string text = Zitat(PfadText(datei)) + " enthält Zeichen, die es in Codepage 1252 nicht gibt:";
    for (const TZQFremdzeichen& f : q.Umwandlung.Fremdzeichen) {
      text += "\n  Zeile " + ZahlAlsText(f.Zeile) + ", Spalte " + ZahlAlsText(f.Spalte) + ": " + UnicodeName(f.Zeichen);
    }
    return Verweigert(lauf, text);
  }
  if (q.Bytes.size() > kFenster) {
    return Verweigert(lauf, "Der Block aus " + Zitat(PfadText(datei)) + " ist " + ZahlAlsText(q.Bytes.size()) +
                                " Bytes lang, " + ZahlAlsText(q.Bytes.size() - kFenster) +
                                " zu viel: das Installationsprogramm liest nur die letzten " + ZahlAlsText(kFenster) +
                                " Bytes.");
  }
  const TZQBefund befund = Pruefen(q, nullptr, "Setup.exe");
  if (!befund.Gefunden) {
    return Verweigert(lauf, "In " + Zitat(PfadText(datei)) + " fände das Installationsprogramm keinen Block:\n" +
                                WarnungenText(befund.Warnungen));
  }
  // Line ends and the leader are what the conversion is for.
  for (const TZQWarnung& w : befund.Warnungen) {
    if (w.Art == "zeilenende" || w.Art == "kein-vorspann") continue;
    hinweise += WarnungenText({w});
  }
  if (!befund.Urteil.Fehler.empty()) {
    hinweise += "  Dem Block fehlen Einstellungen: das Installationsprogramm zeigt damit seine Fehlerseite "
                "(setupblock pruefen zeigt sie).\n";
  }
  return true;
}

// Writes through a new file beside the target, read back with the installer's reader before it
// takes the target's name, so that a failure leaves the target as it was. That file is made only
// where nothing of its name exists, never through a link; a name that another run or anyone else
// holds is passed over for the next.
bool Schreiben(const std::string& ziel, const std::string& inhalt, const std::string& block, TZQLauf& lauf) {
  constexpr int kNamen = 100;
  std::string zwischen;
  platform::NewFile neu = platform::NewFile::NameTaken;
  for (int i = 1; i <= kNamen && neu == platform::NewFile::NameTaken; ++i) {
    zwischen = ziel + ".setupblock-neu" + (i > 1 ? ZahlAlsText(i) : std::string());
    neu = platform::WriteNewFile(zwischen, inhalt);
  }
  if (neu == platform::NewFile::NameTaken) {
    return Verweigert(lauf, "Neben " + Zitat(PfadText(ziel)) + " sind die Namen " +
                                Zitat(PfadText(ziel) + ".setupblock-neu") + " bis " +
                                Zitat(PfadText(ziel) + ".setupblock-neu" + ZahlAlsText(kNamen)) +
                                " schon vergeben; entfernen Sie, was davon übrig ist.");
  }
  if (neu != platform::NewFile::Written) {
    if (neu == platform::NewFile::NotWritten) platform::RemoveFile(zwischen);
    return Verweigert(lauf, Zitat(PfadText(ziel)) + " lässt sich nicht schreiben.");
  }
  const auto alle = [](const std::wstring&) { return true; };
  std::string zurueck;
  const bool gelesen = platform::ReadWholeFile(zwischen, zurueck);
  if (!gelesen || !BlockGefunden(Fenster(zurueck)) ||
      !GleicheEinstellungen(BlockLesen(Fenster(zurueck), alle), BlockLesen(block, alle))) {
    platform::RemoveFile(zwischen);
    return Verweigert(lauf, "Zurückgelesen fände das Installationsprogramm nicht die Einstellungen des Blocks; " +
                                Zitat(PfadText(ziel)) + " bleibt, wie es war.");
  }
  if (!platform::RenameReplacing(zwischen, ziel)) {
    platform::RemoveFile(zwischen);
    return Verweigert(lauf, Zitat(PfadText(ziel)) + " lässt sich nicht ersetzen.");
  }
  return true;
}

// Where a block appended earlier begins in the appended data: at its leader's line, or at the start
// when nothing visible precedes it; the end when there is none.
std::size_t AlterBlock(const std::string& anhang) {
  const TZQAufbau a = AufbauLesen(anhang);
  if (a.Marken.empty()) return anhang.size();
  const std::size_t vorspann = VorspannAnfang(anhang, a, a.HatBlock ? a.Eroeffnung : a.Marken[0]);
  return Gestutzt(anhang.substr(0, vorspann)).empty() ? 0 : vorspann;
}

TZQLauf BefehlPruefen(const Aufruf& a) {
  if (a.frei.size() != 1 || a.mitAusgabe) return FalscherAufruf();
  const std::string& datei = a.frei[0];
  std::string bytes;
  if (!platform::ReadWholeFile(datei, bytes)) return Verweigern(Lesefehler(datei));
  const std::string ordner = a.mitOrdner ? AlsOrdner(a.ordner) : PfadOrdner(datei);
  if (!OrdnerDa(ordner)) return Verweigern("Den Ordner " + Zitat(PfadText(a.ordner)) + " gibt es nicht.");

  TZQKopf kopf;
  kopf.Datei = datei;
  kopf.Gelesen = datei;
  kopf.Ordner = ordner;
  const std::string anzeige = PfadText(datei);
  const std::string name = PfadName(datei);
  std::string eigene;
  std::vector<TZQWarnung> vorab;
  TZQQuelle q;
  const TZQProgramm programm = ProgrammLesen(bytes);
  if (programm.Abgeschnitten) return Verweigern(Abgeschnitten(datei));
  if (programm.Gueltig) {
    kopf.Art = "programm";
    eigene = PfadText(name);
    // A certificate table that ends the file is the signature's; the installer then reads what
    // precedes it, and a block there is covered by it. Anything behind the table was attached after
    // signing.
    const std::size_t schluss = FensterSchluss(bytes);
    const bool davor = schluss < bytes.size();
    const std::uint64_t signaturEnde = programm.SignaturAnfang + programm.SignaturGroesse;
    const auto anfang = static_cast<std::size_t>(
        std::min<std::uint64_t>(davor || !programm.Signiert ? programm.BildEnde : signaturEnde, schluss));
    const bool angehaengt = schluss > anfang;
    kopf.Signiert = programm.Signiert;
    if (programm.Signiert && !davor && angehaengt) {
      vorab.push_back({0, "block-nach-signatur",
                       "Was an " + Zitat(anzeige) +
                           " hängt, kam nach dem Signieren dazu: die Signatur deckt es nicht. Hängen Sie den Block "
                           "mit setupblock anhaengen an (es entfernt die Signatur) und signieren Sie danach."});
    }
    const std::string seite = SeitendateiVon(datei);
    // The installer's own choice of its source, from the same window.
    const std::string eigenesFenster = Fenster(bytes);
    const TZQBlockQuelle wahl = BlockQuelle(davor, eigenesFenster, !seite.empty());
    if (programm.Signiert && !angehaengt && seite.empty()) {
      vorab.push_back({0, "signiert",
                       Zitat(anzeige) + " ist digital signiert: hängen Sie den Block mit setupblock anhaengen an "
                                          "und signieren Sie danach neu, oder nehmen Sie die Seitendatei "
                                          "(setupblock seitendatei)."});
    }
    if (wahl == TZQBlockQuelle::SignierterBlock && !seite.empty()) {
      vorab.push_back({0, "seitendatei-uebergangen",
                       "Neben " + Zitat(anzeige) + " liegt die Seitendatei " + Zitat(PfadText(seite)) +
                           "; das Installationsprogramm liest sie nicht, denn seine Signatur deckt den Block in ihm."});
    }
    if (wahl == TZQBlockQuelle::Seitendatei && !davor && BlockGefunden(eigenesFenster)) {
      vorab.push_back({0, "seitendatei-steuert",
                       Zitat(anzeige) + " ist nicht signiert und hat einen eigenen Block, doch die Seitendatei " +
                           Zitat(PfadText(seite)) +
                           " daneben gewinnt: wer eine Datei neben das Installationsprogramm legen kann, steuert es. "
                           "Signieren Sie es nach dem Anhängen; dann liest es nur seinen Block."});
    }
    if (wahl == TZQBlockQuelle::Seitendatei) {
      kopf.Liest = "seitendatei";
      kopf.Grund = davor ? "Die Signatur deckt keinen Block, so gilt die Seitendatei daneben."
                                 : "Das Programm ist nicht signiert, so gewinnt die Seitendatei daneben.";
      std::string seitenBytes;
      // An unreadable side file gives the installer an empty text, and so no block.
      if (!platform::ReadWholeFile(seite, seitenBytes)) {
        vorab.push_back({0, "seitendatei-unlesbar", "Die Seitendatei lässt sich nicht lesen."});
      }
      if (angehaengt) {
        vorab.push_back({0, "block-uebergangen",
                         "Am Ende von " + Zitat(anzeige) +
                             " hängt auch etwas an; das Installationsprogramm liest es nicht, solange die Seitendatei "
                             "daneben liegt."});
      }
      kopf.Gelesen = seite;
      kopf.Beschreibung = "die Seitendatei " + Zitat(PfadText(seite)) + "; neben " + Zitat(anzeige) +
                          " gewinnt sie über einen Block am Ende des Programms.";
      q = QuelleAusBytes(TZQQuellart::Seitendatei, seitenBytes, 0);
    } else {
      kopf.Liest = davor ? "signierter-block" : "angehaengter-block";
      kopf.Grund = wahl == TZQBlockQuelle::SignierterBlock
                       ? "Die Signatur deckt den Block; eine Seitendatei daneben gilt dann nicht."
                       : "Neben dem Programm liegt keine Seitendatei.";
      kopf.BlockSigniert = davor;
      const std::string letzte = ZahlAlsText(kFenster) + " Bytes";
      kopf.Beschreibung = (davor ? "der Block vor der Signatur von " + Zitat(anzeige) + ", in den letzten " + letzte +
                                       " davor"
                                 : "der Block am Ende von " + Zitat(anzeige) + ", in dessen letzten " + letzte) +
                          "; Zeile 1 ist die erste nach dem Programm" +
                          (programm.Signiert && !davor ? " und seiner Signatur." : ".");
      q = QuelleAusBytes(TZQQuellart::Programm, bytes.substr(0, schluss), anfang);
    }
  } else if (EndetAuf(name, ".exe")) {
    return Verweigern(Zitat(anzeige) + " ist kein Windows-Programm.");
  } else if (EndetAuf(name, ".ini")) {
    kopf.Art = "seitendatei";
    kopf.Liest = "seitendatei";
    eigene = PfadText(name.substr(0, name.size() - 3)) + "exe";
    kopf.Beschreibung = "die Seitendatei " + Zitat(anzeige) + ", Byte für Byte, wie das Installationsprogramm sie liest.";
    q = QuelleAusBytes(TZQQuellart::Seitendatei, bytes, 0);
  } else {
    kopf.Art = "blocktext";
    kopf.Liest = "blocktext";
    eigene = "Setup.exe";
    q = QuelleAusBlocktext(bytes);
    if (q.Umwandlung.Utf16) return Verweigern(Utf16Fehler(datei));
    kopf.Beschreibung = "der Blocktext " + Zitat(anzeige) + " (" +
                        (q.Umwandlung.Utf8 ? "UTF-8" : "Codepage 1252") +
                        "), wie setupblock anhaengen ihn umwandelt: Codepage 1252 mit CR LF" +
                        (q.VorspannErgaenzt ? ", die Zeile „Codierung:“ davor." : ".");
  }

  TZQBefund befund = Pruefen(q, &ordner, eigene);
  befund.Warnungen.insert(befund.Warnungen.begin(), vorab.begin(), vorab.end());
  kopf.BlockSigniert = kopf.BlockSigniert && befund.Gefunden;
  TZQLauf lauf;
  lauf.Ausgabe = a.json ? BerichtJson(kopf, befund) : BerichtText(kopf, befund);
  lauf.Status = befund.Urteil.Fehler.empty() ? kFertig : kFehlerseite;
  return lauf;
}

TZQLauf BefehlAnhaengen(const Aufruf& a) {
  if (a.frei.size() != 2 || !a.mitAusgabe || a.mitOrdner || a.json) return FalscherAufruf();
  const std::string& setup = a.frei[0];
  const std::string& blockDatei = a.frei[1];
  const std::string& ausgabe = a.ausgabe;
  std::string programm;
  if (!platform::ReadWholeFile(setup, programm)) return Verweigern(Lesefehler(setup));
  const TZQProgramm p = ProgrammLesen(programm);
  if (!p.Gueltig) return Verweigern(Zitat(PfadText(setup)) + " ist kein Windows-Programm.");
  if (p.Abgeschnitten) return Verweigern(Abgeschnitten(setup));
  if (platform::SameFile(setup, ausgabe) || platform::SameFile(blockDatei, ausgabe)) {
    return Verweigern(Zitat(PfadText(ausgabe)) + " ist eine der Eingaben; setupblock schreibt nie in sie.");
  }
  TZQLauf lauf;
  TZQQuelle q;
  std::string hinweise;
  if (!BlockBereiten(blockDatei, q, hinweise, lauf)) return lauf;
  // A signature would not cover the new block: it goes, with its table, the zeros that align the
  // table, anything attached behind it, and the header's entry that names it. What was attached
  // before signing is kept as in an unsigned file.
  const auto bildEnde = static_cast<std::size_t>(p.BildEnde);
  std::size_t ende = programm.size();
  if (p.Signiert) {
    TZQFensterLage vorSignatur;
    vorSignatur.Signiert = true;
    const auto signatur = static_cast<std::size_t>(std::min<std::uint64_t>(p.SignaturAnfang, programm.size()));
    ende = std::max(bildEnde, FensterEnde(vorSignatur, std::string_view(programm).substr(0, signatur)));
    programm.replace(static_cast<std::size_t>(p.SignaturEintrag), 8, 8, '\0');
  }
  const std::size_t alt = bildEnde + AlterBlock(programm.substr(bildEnde, ende - bildEnde));
  if (!Schreiben(ausgabe, programm.substr(0, alt) + q.Bytes, q.Bytes, lauf)) return lauf;

  lauf.Ausgabe = Zitat(PfadText(ausgabe)) + " geschrieben: " + Zitat(PfadText(setup)) + " mit dem Block aus " +
                 Zitat(PfadText(blockDatei)) + ", " + ZahlAlsText(q.Bytes.size()) + " von " + ZahlAlsText(kFenster) + " Bytes.\n";
  if (alt < ende) {
    lauf.Ausgabe += "Was am Ende von " + Zitat(PfadText(setup)) + " hing (" + ZahlAlsText(ende - alt) +
                    " Bytes), hat der neue Block ersetzt.\n";
  }
  if (p.Signiert) {
    lauf.Ausgabe += Zitat(PfadText(setup)) + " war digital signiert; die Signatur ist entfernt. Signieren Sie " +
                    Zitat(PfadText(ausgabe)) + " neu, dann deckt die Signatur den Block.\n";
  }
  if (const std::string seite = SeitendateiVon(ausgabe); !seite.empty()) {
    hinweise += "  Neben " + Zitat(PfadText(ausgabe)) + " liegt die Seitendatei " + Zitat(PfadText(seite)) +
                "; das Installationsprogramm liest sie statt des angehängten Blocks.\n";
  }
  if (!hinweise.empty()) lauf.Ausgabe += "Warnungen:\n" + hinweise;
  return lauf;
}

TZQLauf BefehlSeitendatei(const Aufruf& a) {
  if (a.frei.size() != 1 || !a.mitAusgabe || a.mitOrdner || a.json) return FalscherAufruf();
  const std::string& blockDatei = a.frei[0];
  const std::string& ausgabe = a.ausgabe;
  if (platform::SameFile(blockDatei, ausgabe)) {
    return Verweigern(Zitat(PfadText(ausgabe)) + " ist die Eingabe; setupblock schreibt nie in sie.");
  }
  TZQLauf lauf;
  TZQQuelle q;
  std::string hinweise;
  if (!BlockBereiten(blockDatei, q, hinweise, lauf)) return lauf;
  if (!EndetAuf(PfadName(ausgabe), "ini")) {
    hinweise += "  Das Installationsprogramm sucht seine Seitendatei unter dem eigenen Namen mit „INI“ statt der "
                "letzten drei Buchstaben, Setup.INI neben Setup.exe.\n";
  }
  if (!Schreiben(ausgabe, q.Bytes, q.Bytes, lauf)) return lauf;
  lauf.Ausgabe = Zitat(PfadText(ausgabe)) + " geschrieben: der Block aus " + Zitat(PfadText(blockDatei)) + ", " +
                 ZahlAlsText(q.Bytes.size()) + " von " + ZahlAlsText(kFenster) + " Bytes.\n";
  if (!hinweise.empty()) lauf.Ausgabe += "Warnungen:\n" + hinweise;
  return lauf;
}

}  // namespace

TZQLauf Ausfuehren(const std::vector<std::string>& argumente) {
  const Aufruf a = Zerlegen(argumente);
  if (a.hilfe || argumente.empty()) {
    TZQLauf lauf;
    lauf.Ausgabe = Hilfe();
    return lauf;
  }
  if (a.falsch) return FalscherAufruf();
  if (a.befehl == "vorlage") {
    if (!a.frei.empty() || a.mitAusgabe || a.mitOrdner || a.json) return FalscherAufruf();
    TZQLauf lauf;
    lauf.Ausgabe = Vorlage();
    return lauf;
  }
  if (a.befehl == "pruefen") return BefehlPruefen(a);
  if (a.befehl == "anhaengen") return BefehlAnhaengen(a);
  if (a.befehl == "seitendatei") return BefehlSeitendatei(a);
  return FalscherAufruf();
}
