#include "lib/_zq_Adresse_2.h"

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/ShellFileOperation.h"

namespace {

// The drive part: "C:" for a second character ":", "\\srv\share" (or "\\srv") for a network path.
std::string Laufwerksteil(const std::string& a) {
  if (a.size() >= 2 && a[1] == ':') return a.substr(0, 2);
  if (a.size() >= 2 && a[0] == '\\' && a[1] == '\\') {
    const std::size_t serverEnde = a.find('\\', 2);
    if (serverEnde == std::string::npos) return a;
    const std::size_t freigabeEnde = std::min(a.find('\\', serverEnde + 1), a.size());
    if (freigabeEnde == serverEnde + 1) return a.substr(0, serverEnde);
    return a.substr(0, freigabeEnde);
  }
  return {};
}

bool IstOrdner(const std::string& adresse) {
  const std::uint32_t attribute = platform::FileAttributes(adresse);
  return attribute != platform::kInvalidAttributes && (attribute & platform::kAttributeDirectory);
}

bool IstPunktEintrag(const std::string& name) { return name == "." || name == ".."; }

char KleinAZ(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool GleicherName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return KleinAZ(x) == KleinAZ(y); });
}

}  // namespace

void AdresseZerlegen(const std::string& adresse, std::string& verzeichnis, std::string& name,
                     std::string& punkt, std::string& endung) {
  const std::size_t backslash = adresse.rfind('\\');
  const std::size_t nameAnfang = backslash == std::string::npos ? 0 : backslash + 1;
  std::size_t dot = adresse.rfind('.');
  if (dot == std::string::npos || dot < nameAnfang) dot = adresse.size();
  verzeichnis = adresse.substr(0, nameAnfang);
  name = adresse.substr(nameAnfang, dot - nameAnfang);
  punkt = adresse.substr(dot, dot < adresse.size() ? 1 : 0);
  endung = dot < adresse.size() ? adresse.substr(dot + 1) : std::string();
}

std::string AdresseVerzeichnis(const std::string& adresse) {
  std::string verzeichnis, name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  return verzeichnis;
}

std::string AdresseDateiName(const std::string& adresse) {
  std::string verzeichnis, name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  return name + punkt + endung;
}

void AdresseTeilen(const std::string& adresse, std::string& verzeichnis, std::string& dateiName) {
  std::string name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  dateiName = name + punkt + endung;
}

std::string AdresseLaufwerk(const std::string& adresse) {
  const std::string laufwerk = Laufwerksteil(adresse);
  return laufwerk.empty() ? laufwerk : laufwerk + '\\';
}

std::string OhneEndBackslash(const std::string& adresse) {
  const std::size_t letztes = adresse.find_last_not_of('\\');
  return letztes == std::string::npos ? std::string() : adresse.substr(0, letztes + 1);
}

std::string MitEndBackslash(const std::string& adresse) { return OhneEndBackslash(adresse) + '\\'; }

bool ExistiertAls(char art, const std::string& adresse) {
  const char k = KleinAZ(art);
  bool datei = false;
  bool ordner = false;
  platform::FoundEntry eintrag;
  if (!adresse.empty() && adresse.back() == '*') {
    platform::EntrySearch suche;
    for (bool gefunden = suche.First(adresse, eintrag); gefunden; gefunden = suche.Next(eintrag)) {
      if (IstPunktEintrag(eintrag.name)) continue;
      if (eintrag.attributes & platform::kAttributeDirectory) {
        ordner = true;
        if (k != 'd') break;
      } else {
        datei = true;
        if (k != 'v') break;
      }
    }
  } else {
    platform::EntrySearch suche;
    datei = suche.First(adresse, eintrag) && !(eintrag.attributes & platform::kAttributeDirectory);
    suche.Close();
    const bool absolut = adresse.substr(std::min<std::size_t>(1, adresse.size()), 2) == ":\\" ||
                         adresse.substr(0, 2) == "\\\\";
    if (absolut && adresse.find("\\.\\") == std::string::npos &&
        adresse.find("\\..\\") == std::string::npos) {
      ordner = IstOrdner(OhneEndBackslash(adresse));
    }
  }
  if (k == 'd') return datei;
  if (k == 'v') return ordner;
  return datei || ordner;
}

bool AdresseExistiert(const std::string& adresse) { return ExistiertAls('o', adresse); }

bool DateiExistiert(const std::string& adresse) { return ExistiertAls('d', adresse); }

bool VerzeichnisMachen(const std::string& adresse, bool dauerhaft) {
  const std::string p = MitEndBackslash(adresse);
  if (IstOrdner(p)) return true;

  // q: the end (1-based) of the deepest existing folder of the unbroken chain from the root.
  std::size_t q = 0;
  for (std::size_t i = std::max<std::size_t>(AdresseLaufwerk(p).size(), 1); i <= p.size(); ++i) {
    if (p[i - 1] != '\\') continue;
    if (!IstOrdner(p.substr(0, i))) break;
    q = i;
  }
  if (q == 0) return false;

  std::vector<std::string> gemacht;
  for (std::size_t i = q + 1; i <= p.size(); ++i) {
    if (p[i - 1] != '\\') continue;
    const std::string stufe = p.substr(0, i - 1);
    if (platform::MakeFolder(stufe)) gemacht.push_back(stufe);
    else if (!IstOrdner(stufe)) break;
  }
  const bool ergebnis = IstOrdner(p);

  // Only what this call made goes again, innermost first, and only while empty: a folder that
  // another process made or filled meanwhile stays with its content.
  if (!ergebnis || !dauerhaft) {
    for (auto stufe = gemacht.rbegin(); stufe != gemacht.rend(); ++stufe) platform::RemoveEmptyFolder(*stufe);
  }
  return ergebnis;
}

bool AdresseLoeschen(const std::string& adresse, bool papierkorb) {
  const std::string p = OhneEndBackslash(adresse);
  // The shell expands "*" and "?" in its source list and would delete every entry they match.
  if (p.find_first_of("*?") != std::string::npos) return false;
  std::uint16_t flags = platform::kShellSilent | platform::kShellNoConfirmation | platform::kShellNoErrorUi;
  if (papierkorb) flags |= platform::kShellAllowUndo;
  return platform::ShellFileOperation(platform::kShellDelete, p, "", flags) == 0;
}

bool DateiKopieren(const std::string& quelle, const std::string& ziel) {
  std::string quellVerzeichnis, quellName, zielVerzeichnis, zielName;
  AdresseTeilen(OhneEndBackslash(quelle), quellVerzeichnis, quellName);
  AdresseTeilen(OhneEndBackslash(ziel), zielVerzeichnis, zielName);
  return KopierenVerschieben('k', quellVerzeichnis, quellName, zielVerzeichnis, zielName);
}

bool KopierenVerschieben(char art, const std::string& quellVerzeichnis, const std::string& quellName,
                         const std::string& zielVerzeichnis, const std::string& zielName) {
  VerzeichnisMachen(zielVerzeichnis, true);
  // Tested as given: an empty folder part never names a folder.
  if (!IstOrdner(zielVerzeichnis)) return false;
  const std::string quelle = quellVerzeichnis + quellName;
  const std::string ziel =
      IstOrdner(quelle) && GleicherName(quellName, zielName) ? zielVerzeichnis : zielVerzeichnis + zielName;
  const std::uint32_t operation = art == 'k' ? platform::kShellCopy : platform::kShellMove;
  const std::uint16_t flags = platform::kShellSilent | platform::kShellNoConfirmation |
                              platform::kShellNoConfirmMkdir | platform::kShellNoErrorUi;
  return platform::ShellFileOperation(operation, quelle, ziel, flags) == 0;
}

std::int64_t DateiGroesse(const std::string& adresse) {
  platform::EntrySearch suche;
  platform::FoundEntry eintrag;
  if (!suche.First(adresse, eintrag)) return 0;
  suche.Close();
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(eintrag.sizeHigh) << 32) | eintrag.sizeLow);
}
