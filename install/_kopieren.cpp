#include "install/_kopieren.h"

#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Zeichensatz_1.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

namespace {

// One file of the step, as the journal holds it, with the paths the step works on (long form).
struct TZQEintrag {
  bool Neu;            // the target folder did not have it before the step
  std::wstring Datei;  // relative to the folder
  std::wstring Pfad, Alt, Bereit;  // the file, its old version aside, its new one ready
};

TZQEintrag Eintrag(const std::wstring& ziel, bool neu, const std::wstring& datei) {
  const std::wstring pfad = ziel + datei;
  return {neu, datei, LangeForm(pfad), LangeForm(pfad + kAlteFassung), LangeForm(pfad + kUnfertigeKopie)};
}

bool Da(const std::wstring& pfad) { return platform::FileAttributes(pfad) != platform::kInvalidAttributes; }

// Removes a file of the step's own making; true when it is gone.
bool Weg(const std::wstring& pfad) {
  if (!Da(pfad)) return true;
  platform::SetAttributes(pfad, platform::kAttributeNormal);
  return platform::RemoveFile(pfad);
}

bool JournalSchreiben(const std::wstring& pfad, const std::vector<TZQEintrag>& eintraege) {
  std::wstring text;
  for (const TZQEintrag& e : eintraege) text.append(1, e.Neu ? L'+' : L'=').append(e.Datei).append(1, L'\0');
  platform::File journal;
  if (!journal.CreateNew(pfad)) return false;
  bool geschrieben = journal.Write(text.data(), static_cast<std::uint32_t>(text.size() * sizeof(wchar_t))) &&
                     journal.Flush();
  geschrieben = journal.Close() && geschrieben;
  if (!geschrieben) platform::RemoveFile(pfad);
  return geschrieben;
}

// False for a journal that cannot be read or holds anything but what JournalSchreiben writes, and
// for one that names a file outside its folder (checked as a block's names are; a character beyond
// 1252 is neither a separator nor a dot): such a one is not acted on.
bool JournalLesen(const std::wstring& ziel, const std::wstring& pfad, std::vector<TZQEintrag>& eintraege) {
  // Far more than the names of a block of 2000 bytes and the installer's own name take.
  constexpr std::uint32_t kPlatz = 1 << 15;
  std::wstring text(kPlatz, L'\0');
  platform::File journal;
  if (!journal.OpenRead(pfad) || journal.Type() != platform::kFileTypeDisk) return false;
  const std::uint32_t gelesen = journal.Read(text.data(), kPlatz * sizeof(wchar_t)) / sizeof(wchar_t);
  if (gelesen == 0 || gelesen == kPlatz || text[gelesen - 1] != L'\0') return false;
  for (std::size_t von = 0; von < gelesen;) {
    const std::size_t bis = text.find(L'\0', von);
    const std::wstring datei = text.substr(von + 1, bis - von - 1);
    std::string schmal;
    Cp1252Schmal(datei, schmal);
    if (datei.empty() || (text[von] != L'+' && text[von] != L'=') || VerlaesstOrdner(schmal)) return false;
    eintraege.push_back(Eintrag(ziel, text[von] == L'+', datei));
    von = bis + 1;
  }
  return true;
}

// Back to the old files: a new file that took a name goes, the old one gets its name back, files
// that the folder did not have go, and so do the new files waiting beside their targets. Each part
// is done only where it is still to do, so an ended undo is finished by the next. True when nothing
// of the step is left.
bool Zurueck(const std::vector<TZQEintrag>& eintraege) {
  bool ganz = true;
  for (const TZQEintrag& e : eintraege) {
    if (Da(e.Alt)) {
      ganz = Weg(e.Pfad) && platform::Rename(e.Alt, e.Pfad) && ganz;
    } else if (e.Neu) {
      ganz = Weg(e.Pfad) && ganz;
    }
    ganz = Weg(e.Bereit) && ganz;
  }
  return ganz;
}

// After the switch: the old files go. One that a running program still holds goes when the system
// next starts.
void AlteWeg(const std::vector<TZQEintrag>& eintraege) {
  for (const TZQEintrag& e : eintraege) {
    if (!e.Neu && !platform::RemoveFile(e.Alt) && !Weg(e.Alt)) platform::RemoveAtRestart(e.Alt);
  }
}

// What an ended step left in the folder, finished before anything else: a switch under way goes back
// to the old files, one that was done loses what it moved aside. False where that cannot be done; its
// journal then stays for the next step.
bool Aufraeumen(const std::wstring& ziel, const std::wstring& laeuft, const std::wstring& fertig) {
  std::vector<TZQEintrag> eintraege;
  if (Da(laeuft)) return JournalLesen(ziel, laeuft, eintraege) && Zurueck(eintraege) && Weg(laeuft);
  if (!Da(fertig)) return true;
  if (!JournalLesen(ziel, fertig, eintraege)) return false;
  AlteWeg(eintraege);
  return Weg(fertig);
}

// A name for the error page's list.
void Nennen(std::wstring& liste, const TZQEintrag& e) { liste.append(L"\r\n").append(e.Datei); }

std::wstring Liste(const std::vector<TZQEintrag>& eintraege) {
  std::wstring liste;
  for (const TZQEintrag& e : eintraege) Nennen(liste, e);
  return liste;
}

// Every new file beside its target, whole and on the disk; the names of those that could not be.
std::wstring Bereitlegen(const TZQKopierschritt& k, const std::vector<TZQEintrag>& eintraege) {
  std::wstring misslungen;
  for (const TZQEintrag& e : eintraege) {
    const std::wstring ziel = k.Ziel + e.Datei;
    // A file in a folder of its own: an empty folder made for it may stay, as the target folder does.
    const bool ordnerDa = e.Datei.find(L'\\') == std::wstring::npos || VerzeichnisMachen(AdresseVerzeichnis(ziel), true);
    if (!ordnerDa || !KopieBereitlegen(k.Quelle + e.Datei, ziel)) {
      Nennen(misslungen, e);
    }
  }
  return misslungen;
}

// The switch, renames only: the old file aside, the new one into its name. Windows lets a running
// program's file be renamed, not overwritten, and a rename onto a read-only file fails where a
// rename of it does not. The name of the first file that could not switch; empty when all did.
std::wstring Umstellen(const std::vector<TZQEintrag>& eintraege) {
  std::wstring misslungen;
  for (const TZQEintrag& e : eintraege) {
    if ((!e.Neu && !platform::Rename(e.Pfad, e.Alt)) || !platform::Rename(e.Bereit, e.Pfad)) {
      Nennen(misslungen, e);
      break;
    }
  }
  return misslungen;
}

}  // namespace

TZQKopierschritt Kopierschritt(const std::wstring& ziel) { return {ExePfad, ziel, Dateien, false, {}}; }

void Kopieren(void* schritt) {
  TZQKopierschritt& k = *static_cast<TZQKopierschritt*>(schritt);
  k.ZielDa = AdresseExistiert(k.Ziel) || VerzeichnisMachen(k.Ziel, true);
  if (!k.ZielDa) return;
  // A file that the block names twice is put in place once.
  std::vector<std::wstring> namen(1);
  for (std::size_t i = 1; i < k.Dateien.size(); ++i) namen.push_back(k.Dateien[i].Datei);
  namen = EinmalJeName(namen);
  std::vector<TZQEintrag> eintraege;
  for (std::size_t i = 1; i < namen.size(); ++i) eintraege.push_back(Eintrag(k.Ziel, false, namen[i]));
  const std::wstring laeuft = LangeForm(k.Ziel + kUmstellungLaeuft), fertig = LangeForm(k.Ziel + kUmstellungFertig);
  if (!Aufraeumen(k.Ziel, laeuft, fertig)) {
    k.Misslungen = Liste(eintraege);
    return;
  }
  for (TZQEintrag& e : eintraege) {
    const std::uint32_t attribute = platform::FileAttributes(e.Pfad);
    e.Neu = attribute == platform::kInvalidAttributes;
    // A folder of that name is not the step's to move; an old file that a running program held at
    // the last step's end may still wait for the restart.
    if ((!e.Neu && (attribute & platform::kAttributeDirectory)) || !Weg(e.Alt)) Nennen(k.Misslungen, e);
  }
  if (!k.Misslungen.empty()) return;
  if (!JournalSchreiben(laeuft, eintraege)) {
    k.Misslungen = Liste(eintraege);
    return;
  }
  k.Misslungen = Bereitlegen(k, eintraege);
  if (k.Misslungen.empty()) k.Misslungen = Umstellen(eintraege);
  // The switch is done once the journal says so: from there on an ended step goes on to the new files.
  if (k.Misslungen.empty() && !platform::Rename(laeuft, fertig)) k.Misslungen = Liste(eintraege);
  if (!k.Misslungen.empty()) {
    if (Zurueck(eintraege)) Weg(laeuft);
    return;
  }
  AlteWeg(eintraege);
  if (!Weg(fertig)) platform::RemoveAtRestart(fertig);
}

std::wstring KopierFehler(const TZQKopierschritt& schritt) {
  if (!schritt.ZielDa) {
    return Cp1252Breit(
        "Das Ziel-Verzeichnis kann nicht hergestellt werden.\r\n\r\nMögliche Gründe dafür sind:\r\n"
        "- Das Verzeichnis wird von Windows gesperrt\r\n  (zum Beispiel wegen Nicht-Anmeldung als Administrator).\r\n"
        "- Das Ziel-Verzeichnis hat einen ungültigen Namen.\r\n- Der Datenträger ist schreibgeschützt.\r\n"
        "- Was anderes. Keine Ahnung, was.");
  }
  if (schritt.Misslungen.empty()) return {};
  return Cp1252Breit("Diese Dateien konnten nicht kopiert werden:") + schritt.Misslungen +
         Cp1252Breit("\r\n\r\nDer Grund dafür ist nicht bekannt.");
}
