#include "lib/_zq_Adresse_2.h"

#include <algorithm>
#include <vector>

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/ShellFileOperation.h"

namespace {

// The drive part: "C:" for a second character ":", "\\srv\share" (or "\\srv") for a network path.
std::wstring Laufwerksteil(const std::wstring& a) {
  if (a.size() >= 2 && a[1] == L':') return a.substr(0, 2);
  if (a.size() >= 2 && a[0] == L'\\' && a[1] == L'\\') {
    const std::size_t serverEnde = a.find(L'\\', 2);
    if (serverEnde == std::wstring::npos) return a;
    const std::size_t freigabeEnde = std::min(a.find(L'\\', serverEnde + 1), a.size());
    if (freigabeEnde == serverEnde + 1) return a.substr(0, serverEnde);
    return a.substr(0, freigabeEnde);
  }
  return {};
}

bool IstOrdner(const std::wstring& adresse) {
  const std::uint32_t attribute = platform::FileAttributes(adresse);
  return attribute != platform::kInvalidAttributes && (attribute & platform::kAttributeDirectory);
}

bool IstPunktEintrag(const std::wstring& name) { return name == L"." || name == L".."; }

wchar_t KleinAZ(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool GleicherName(const std::wstring& a, const std::wstring& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return KleinAZ(x) == KleinAZ(y); });
}

}  // namespace

void AdresseZerlegen(const std::wstring& adresse, std::wstring& verzeichnis, std::wstring& name,
                     std::wstring& punkt, std::wstring& endung) {
  const std::size_t backslash = adresse.rfind(L'\\');
  const std::size_t nameAnfang = backslash == std::wstring::npos ? 0 : backslash + 1;
  std::size_t dot = adresse.rfind(L'.');
  if (dot == std::wstring::npos || dot < nameAnfang) dot = adresse.size();
  verzeichnis = adresse.substr(0, nameAnfang);
  name = adresse.substr(nameAnfang, dot - nameAnfang);
  punkt = adresse.substr(dot, dot < adresse.size() ? 1 : 0);
  endung = dot < adresse.size() ? adresse.substr(dot + 1) : std::wstring();
}

std::wstring AdresseVerzeichnis(const std::wstring& adresse) {
  std::wstring verzeichnis, name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  return verzeichnis;
}

std::wstring AdresseDateiName(const std::wstring& adresse) {
  std::wstring verzeichnis, name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  return name + punkt + endung;
}

void AdresseTeilen(const std::wstring& adresse, std::wstring& verzeichnis, std::wstring& dateiName) {
  std::wstring name, punkt, endung;
  AdresseZerlegen(adresse, verzeichnis, name, punkt, endung);
  dateiName = name + punkt + endung;
}

std::wstring AdresseLaufwerk(const std::wstring& adresse) {
  const std::wstring laufwerk = Laufwerksteil(adresse);
  return laufwerk.empty() ? laufwerk : laufwerk + L'\\';
}

std::wstring OhneEndBackslash(const std::wstring& adresse) {
  const std::size_t letztes = adresse.find_last_not_of(L'\\');
  return letztes == std::wstring::npos ? std::wstring() : adresse.substr(0, letztes + 1);
}

std::wstring MitEndBackslash(const std::wstring& adresse) { return OhneEndBackslash(adresse) + L'\\'; }

bool ExistiertAls(char art, const std::wstring& adresse) {
  const char k = static_cast<char>(KleinAZ(static_cast<unsigned char>(art)));
  bool datei = false;
  bool ordner = false;
  platform::FoundEntry eintrag;
  if (!adresse.empty() && adresse.back() == L'*') {
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
    const bool absolut = adresse.compare(std::min<std::size_t>(1, adresse.size()), 2, L":\\") == 0 ||
                         adresse.compare(0, 2, L"\\\\") == 0;
    if (absolut && adresse.find(L"\\.\\") == std::wstring::npos &&
        adresse.find(L"\\..\\") == std::wstring::npos) {
      ordner = IstOrdner(OhneEndBackslash(adresse));
    }
  }
  if (k == 'd') return datei;
  if (k == 'v') return ordner;
  return datei || ordner;
}

bool AdresseExistiert(const std::wstring& adresse) { return ExistiertAls('o', adresse); }

bool DateiExistiert(const std::wstring& adresse) { return ExistiertAls('d', adresse); }

bool VerzeichnisMachen(const std::wstring& adresse, bool dauerhaft) {
  const std::wstring p = MitEndBackslash(adresse);
  if (IstOrdner(p)) return true;

  // q: the end (1-based) of the deepest existing folder of the unbroken chain from the root.
  std::size_t q = 0;
  for (std::size_t i = std::max<std::size_t>(AdresseLaufwerk(p).size(), 1); i <= p.size(); ++i) {
    if (p[i - 1] != L'\\') continue;
    if (!IstOrdner(p.substr(0, i))) break;
    q = i;
  }
  if (q == 0) return false;

  std::vector<std::wstring> gemacht;
  for (std::size_t i = q + 1; i <= p.size(); ++i) {
    if (p[i - 1] != L'\\') continue;
    const std::wstring stufe = p.substr(0, i - 1);
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

bool AdresseLoeschen(const std::wstring& adresse, bool papierkorb) {
  const std::wstring p = OhneEndBackslash(adresse);
  // The shell expands "*" and "?" in its source list and would delete every entry they match.
  if (p.find_first_of(L"*?") != std::wstring::npos) return false;
  std::uint16_t flags = platform::kShellSilent | platform::kShellNoConfirmation | platform::kShellNoErrorUi;
  if (papierkorb) flags |= platform::kShellAllowUndo;
  return platform::ShellFileOperation(platform::kShellDelete, p, L"", flags) == 0;
}

std::wstring LangeForm(const std::wstring& pfad) {
  constexpr std::size_t kGrenze = 260;
  if (pfad.size() < kGrenze || pfad.compare(0, 4, L"\\\\?\\") == 0) return pfad;
  // The long form takes every step literally: ".." and "/" must be resolved before.
  std::wstring voll = platform::FullPathName(pfad);
  if (voll.size() > 2 && voll[1] == L':' && voll[2] == L'\\') return voll.insert(0, L"\\\\?\\");
  if (voll.compare(0, 2, L"\\\\") == 0 && voll.compare(0, 4, L"\\\\.\\") != 0) return voll.insert(2, L"?\\UNC\\");
  return pfad;
}

namespace {

// The bytes of `quelle` into `neu`, then its time stamps; everything on the disk before it returns.
bool Uebertragen(platform::File& quelle, platform::File& neu) {
  // On the stack: a buffer from the heap for every file cost more than copying a small one.
  constexpr std::uint32_t kStueck = 1 << 16;
  char puffer[kStueck];
  std::int64_t geschrieben = 0;
  for (;;) {
    // ReadFile answers 0 bytes at the end and on failure alike: the size tells them apart.
    const std::uint32_t gelesen = quelle.Read(puffer, kStueck);
    if (gelesen == 0) break;
    if (!neu.Write(puffer, gelesen)) return false;
    geschrieben += gelesen;
  }
  platform::FileTimes zeiten;
  return quelle.Size() == geschrieben && quelle.Times(zeiten) && neu.SetTimes(zeiten) && neu.Flush();
}

std::uint32_t Attribute(const std::wstring& name) {
  const std::uint32_t a = platform::FileAttributes(name);
  return a == platform::kInvalidAttributes ? 0 : a;
}

}  // namespace

bool KopieBereitlegen(const std::wstring& quelle, const std::wstring& ziel) {
  const std::wstring neu = LangeForm(ziel + kUnfertigeKopie);
  platform::File q;
  // Only a file on a disk: a device (a serial port, the console) may never answer a read.
  if (!q.OpenRead(quelle) || q.Type() != platform::kFileTypeDisk) return false;
  platform::File n;
  // Where the name is taken, what an ended copy of this very file left behind goes first; it may
  // carry the read-only attribute that copies had before.
  if (!n.CreateNew(neu)) {
    platform::SetAttributes(neu, platform::kAttributeNormal);
    if (!platform::RemoveFile(neu) || !n.CreateNew(neu)) return false;
  }
  const bool uebertragen = Uebertragen(q, n);
  if (!n.Close() || !uebertragen) {
    platform::RemoveFile(neu);
    return false;
  }
  // Read-only never: a CD's files all carry it, and on Windows nothing renames onto a read-only
  // file, so the next renewal would fail at every one.
  constexpr std::uint32_t kBehalten = platform::kAttributeHidden | platform::kAttributeSystem;
  const std::uint32_t attribute =
      (Attribute(quelle) & (kBehalten | platform::kAttributeArchive)) | (Attribute(ziel) & kBehalten);
  // A new file has the archive attribute already.
  if ((attribute & ~platform::kAttributeArchive) == 0 || platform::SetAttributes(neu, attribute)) return true;
  platform::RemoveFile(neu);
  return false;
}

namespace {

// A file replaced in one step: the new bytes lie ready beside the target, and then take its name by
// one rename. Until then the old file keeps every byte, whatever happens to the disk or the process.
// A read-only old file is replaced all the same, as a copy onto it would.
bool DateiErsetzen(const std::wstring& quelle, const std::wstring& ziel) {
  if (!KopieBereitlegen(quelle, ziel)) return false;
  const std::wstring neu = LangeForm(ziel + kUnfertigeKopie);
  const std::uint32_t alt = Attribute(ziel);
  const bool schreibgeschuetzt = alt & platform::kAttributeReadOnly;
  if (schreibgeschuetzt) platform::SetAttributes(ziel, alt & ~platform::kAttributeReadOnly);
  if (platform::RenameReplacing(neu, ziel)) return true;
  if (schreibgeschuetzt) platform::SetAttributes(ziel, alt);
  platform::SetAttributes(neu, platform::kAttributeNormal);
  platform::RemoveFile(neu);
  return false;
}

}  // namespace

bool DateiKopieren(const std::wstring& quelle, const std::wstring& ziel) {
  const std::wstring q = OhneEndBackslash(quelle), z = OhneEndBackslash(ziel);
  if (IstOrdner(q)) {
    std::wstring quellVerzeichnis, quellName, zielVerzeichnis, zielName;
    AdresseTeilen(q, quellVerzeichnis, quellName);
    AdresseTeilen(z, zielVerzeichnis, zielName);
    return KopierenVerschieben('k', quellVerzeichnis, quellName, zielVerzeichnis, zielName);
  }
  // An empty folder part names no folder, though VerzeichnisMachen would take it for the root.
  const std::wstring zielVerzeichnis = AdresseVerzeichnis(z);
  return !zielVerzeichnis.empty() && VerzeichnisMachen(zielVerzeichnis, true) && DateiErsetzen(q, z);
}

bool KopierenVerschieben(char art, const std::wstring& quellVerzeichnis, const std::wstring& quellName,
                         const std::wstring& zielVerzeichnis, const std::wstring& zielName) {
  VerzeichnisMachen(zielVerzeichnis, true);
  // Tested as given: an empty folder part never names a folder.
  if (!IstOrdner(zielVerzeichnis)) return false;
  const std::wstring quelle = quellVerzeichnis + quellName;
  const std::wstring ziel =
      IstOrdner(quelle) && GleicherName(quellName, zielName) ? zielVerzeichnis : zielVerzeichnis + zielName;
  const std::uint32_t operation = art == 'k' ? platform::kShellCopy : platform::kShellMove;
  const std::uint16_t flags = platform::kShellSilent | platform::kShellNoConfirmation |
                              platform::kShellNoConfirmMkdir | platform::kShellNoErrorUi;
  return platform::ShellFileOperation(operation, quelle, ziel, flags) == 0;
}

std::int64_t DateiGroesse(const std::wstring& adresse) {
  platform::EntrySearch suche;
  platform::FoundEntry eintrag;
  if (!suche.First(adresse, eintrag)) return 0;
  suche.Close();
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(eintrag.sizeHigh) << 32) | eintrag.sizeLow);
}
