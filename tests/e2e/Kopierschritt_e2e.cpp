// The copy step onto an earlier installation, as one: where one file cannot be replaced, because the
// disk is full or the file is held open, every file keeps its old bytes; ended half-way, the
// installer leaves every file whole; and the window answers throughout.
#include <algorithm>
#include <cstdio>
#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "install/_kopieren.h"
#include "lib/_zq_Adresse_2.h"
#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

constexpr DWORD kMiB = 1 << 20;

std::set<std::wstring> Namen(const std::wstring& ordner) {
  std::set<std::wstring> namen;
  WIN32_FIND_DATAW fund;
  HANDLE suche = ::FindFirstFileW((ordner + L"*").c_str(), &fund);
  if (suche == INVALID_HANDLE_VALUE) return namen;
  do {
    const std::wstring name = fund.cFileName;
    if (name != L"." && name != L"..") namen.insert(name);
  } while (::FindNextFileW(suche, &fund));
  ::FindClose(suche);
  return namen;
}

// A large file that costs little to make: a mark at its start and its end, nothing (a hole) between.
bool GrosseDatei(const std::wstring& pfad, LONGLONG groesse, const std::string& marke) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  LARGE_INTEGER ende;
  ende.QuadPart = groesse - static_cast<LONGLONG>(marke.size());
  const bool ok = ::WriteFile(h, marke.data(), static_cast<DWORD>(marke.size()), &n, nullptr) &&
                  ::SetFilePointerEx(h, ende, nullptr, FILE_BEGIN) &&
                  ::WriteFile(h, marke.data(), static_cast<DWORD>(marke.size()), &n, nullptr);
  ::CloseHandle(h);
  return ok;
}

// Size, first and last bytes of a large file, as GrosseDatei made it.
std::string Kennung(const std::wstring& pfad, std::size_t laenge) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "(fehlt)";
  LARGE_INTEGER groesse{}, stelle{};
  std::string vorn(laenge, '\0'), hinten(laenge, '\0');
  DWORD n = 0;
  ::GetFileSizeEx(h, &groesse);
  ::ReadFile(h, vorn.data(), static_cast<DWORD>(laenge), &n, nullptr);
  stelle.QuadPart = std::max<LONGLONG>(groesse.QuadPart - static_cast<LONGLONG>(laenge), 0);
  ::SetFilePointerEx(h, stelle, nullptr, FILE_BEGIN);
  ::ReadFile(h, hinten.data(), static_cast<DWORD>(laenge), &n, nullptr);
  ::CloseHandle(h);
  return std::to_string(groesse.QuadPart) + ":" + vorn + ":" + hinten;
}

std::wstring Misslungen(const std::wstring& dateien) {
  return L"Diese Dateien konnten nicht kopiert werden:" + dateien + L"\r\n\r\nDer Grund dafür ist nicht bekannt.";
}

class Kopierschritt : public Fall {
 protected:
  // An installer for `ziel` with the files `namen` (the first with a menu text).
  void Vorbereiten(const std::wstring& ziel, const std::vector<std::wstring>& namen) {
    std::vector<std::wstring> zeilen = {L"#n=ZQe2e Kopie", L"#z=" + ziel, L"#m=1"};
    for (const std::wstring& name : namen) {
      zeilen.push_back(L"#d=" + name + (name == namen.front() ? L"," + Menue(L"ZQe2e Kopie " + Fallname(8)) : L""));
    }
    SetupAblegen(Block(zeilen));
  }

  // The copy step of an installer into `ziel` for one large file, "NEU" at both ends, started and
  // under way (its busy label shows); null where it did not get that far.
  Installer* GrossKopieren(const std::wstring& ziel, LONGLONG groesse) {
    Vorbereiten(ziel, {L"groß.bin"});
    if (!GrosseDatei(Ordner() + L"groß.bin", groesse, "NEU")) return nullptr;
    Installer& s = Starten();
    if (!s.Bereit()) return nullptr;
    s.Klicken("BuVerzKopie");
    return WartenBis([&] { return s.Sichtbar("LaKopiert"); }) ? &s : nullptr;
  }
};

TEST_F(Kopierschritt, VollerDatentraegerBehaeltDieAlteDatei) {
  ULARGE_INTEGER frei{}, gesamt{};
  if (!::GetDiskFreeSpaceExW(L"S:\\", &frei, &gesamt, nullptr)) {
    GTEST_SKIP() << "!! SKIPPED: there is no small drive S: (the harness mounts a tmpfs there; where mounting "
                    "is refused it said so when it started)";
  }
  ASSERT_LT(gesamt.QuadPart, 64ull * kMiB) << "S: is not the harness's small drive";
  const std::wstring ziel = FremderOrdner(L"S:\\ZQe2e Voll");
  const std::wstring fueller = FremdeDatei(L"S:\\zq_fueller.bin");
  Vorbereiten(ziel, {L"klein.txt", L"groß.bin"});
  Programmdatei(L"klein.txt");
  ASSERT_TRUE(DateiSchreiben(Ordner() + L"groß.bin", std::string(2 * kMiB, 'N')));
  ASSERT_TRUE(OrdnerMachen(ziel));
  ASSERT_TRUE(DateiSchreiben(ziel + L"groß.bin", std::string(kMiB, 'A')));
  ASSERT_TRUE(DateiSchreiben(ziel + L"klein.txt", "alt"));
  // Room for the installer, the small file and half a MiB: not for the new large file beside the old.
  ASSERT_TRUE(::GetDiskFreeSpaceExW(L"S:\\", &frei, nullptr, nullptr));
  const ULONGLONG brauchen = DateiInhalt(Ordner() + L"Setup.exe").value_or("").size() + 64 * 1024 + kMiB / 2;
  ASSERT_GT(frei.QuadPart, brauchen);
  ASSERT_TRUE(DateiSchreiben(fueller, std::string(frei.QuadPart - brauchen, 'F')));

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaFehler", 2, L"");
  EXPECT_EQ(s.Text("LaFehler"), Misslungen(L"\r\ngroß.bin"));
  EXPECT_TRUE(DateiInhalt(ziel + L"groß.bin") == std::string(kMiB, 'A')) << "the old groß.bin lost bytes";
  EXPECT_EQ(DateiInhalt(ziel + L"klein.txt"), "alt");
  EXPECT_EQ(Namen(ziel), (std::set<std::wstring>{L"groß.bin", L"klein.txt"}));
  EXPECT_TRUE(s.Beenden());
}

// A target file held open without delete sharing cannot be renamed, as a running program's file
// cannot be overwritten on Windows: the files switched before it get their old versions back, the
// read-only attribute included. Once it is free, the renewal replaces the read-only file, and files
// from a read-only source (every file of a CD) are installed without that attribute.
TEST_F(Kopierschritt, EineGesperrteDateiLaesstAlleAlt) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_gesperrt");
  Vorbereiten(ziel, {L"Prog.exe", L"Daten.bin"});
  Programmdatei(L"Prog.exe");
  Programmdatei(L"Daten.bin");
  ASSERT_TRUE(::SetFileAttributesW((Ordner() + L"Prog.exe").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(OrdnerMachen(ziel));
  ASSERT_TRUE(DateiSchreiben(ziel + L"Prog.exe", "alt"));
  ASSERT_TRUE(::SetFileAttributesW((ziel + L"Prog.exe").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(DateiSchreiben(ziel + L"Daten.bin", "alt"));
  HANDLE offen = ::CreateFileW((ziel + L"Daten.bin").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(offen, INVALID_HANDLE_VALUE);

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ASSERT_TRUE(Kopieren(s).fertig);
  ::CloseHandle(offen);
  ErwarteSeite(s, "PaFehler", 2, L"");
  EXPECT_EQ(s.Text("LaFehler"), Misslungen(L"\r\nDaten.bin"));
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe"), "alt");
  EXPECT_EQ(::GetFileAttributesW((ziel + L"Prog.exe").c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(DateiInhalt(ziel + L"Daten.bin"), "alt");
  EXPECT_EQ(Namen(ziel), (std::set<std::wstring>{L"Daten.bin", L"Prog.exe"}));

  s.Klicken("BuFehler");
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe"), DateiInhalt(Ordner() + L"Prog.exe"));
  EXPECT_EQ(DateiInhalt(ziel + L"Daten.bin"), DateiInhalt(Ordner() + L"Daten.bin"));
  EXPECT_EQ(::GetFileAttributesW((ziel + L"Prog.exe").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Namen(ziel), (std::set<std::wstring>{L"Daten.bin", L"Prog.exe", L"Setup.exe"}));
  EXPECT_TRUE(s.Beenden());
  ::SetFileAttributesW((Ordner() + L"Prog.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Ended the moment the copy shows in the target folder, the installer leaves the old file whole and
// at most its unfinished copy, named for it, and the step's journal; the next copy step removes
// them. The window answers every message sent to it during that step within a second.
TEST_F(Kopierschritt, AbgebrochenBleibtDieAlteDateiUndDasFensterAntwortet) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_abbruch");
  Vorbereiten(ziel, {L"groß.bin"});
  constexpr LONGLONG kGross = 256ll * kMiB;
  ASSERT_TRUE(GrosseDatei(Ordner() + L"groß.bin", kGross, "NEU"));
  ASSERT_TRUE(OrdnerMachen(ziel));
  const std::string alt(kMiB, 'A');
  ASSERT_TRUE(DateiSchreiben(ziel + L"groß.bin", alt));
  const std::set<std::wstring> vorher = Namen(ziel);
  const std::wstring unfertig = std::wstring(L"groß.bin") + kUnfertigeKopie;

  {
    Installer& s = Starten();
    ASSERT_TRUE(s.Bereit());
    s.Klicken("BuVerzKopie");
    const bool gesehen = WartenBis([&] {
      return Namen(ziel) != vorher || Kennung(ziel + L"groß.bin", 1) != std::to_string(kMiB) + ":A:A";
    }, 20000);
    ASSERT_TRUE(gesehen) << "the copy never showed in " << ziel;
    ASSERT_TRUE(s.Abwuergen());
  }
  EXPECT_TRUE(DateiInhalt(ziel + L"groß.bin") == alt) << "the old groß.bin lost bytes";
  std::set<std::wstring> erlaubt = vorher;
  erlaubt.insert(unfertig);
  erlaubt.insert(kUmstellungLaeuft);
  const std::set<std::wstring> danach = Namen(ziel);
  EXPECT_TRUE(std::includes(erlaubt.begin(), erlaubt.end(), danach.begin(), danach.end()))
      << ::testing::PrintToString(danach);

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  std::atomic<bool> fertig{false};
  DWORD laengste = 0;
  std::thread fragen([&] {
    while (!fertig) {
      const DWORD beginn = ::GetTickCount();
      DWORD_PTR egal = 0;
      ::SendMessageTimeoutW(s.Hauptfenster(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &egal);
      laengste = std::max(laengste, ::GetTickCount() - beginn);
      ::Sleep(20);
    }
  });
  const Kopiervorgang kopie = Kopieren(s);
  fertig = true;
  fragen.join();
  ASSERT_TRUE(kopie.fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_LT(laengste, 1000u) << "the window answered a sent message only after " << laengste << " ms";
  EXPECT_EQ(Kennung(ziel + L"groß.bin", 3), std::to_string(kGross) + ":NEU:NEU");
  EXPECT_EQ(Namen(ziel), (std::set<std::wstring>{L"Setup.exe", L"groß.bin"}));
  std::printf("copy step of %lld MiB: %lu ms; the longest wait of a sent message: %lu ms\n", kGross / kMiB,
              kopie.millisekunden, laengste);
  EXPECT_TRUE(s.Beenden());
}

// Clicks and a key made while the files are copied, where the next page's desktop box and its label
// will stand, and a click that another program sends to the copy button, act on nothing: after the
// one step the box is as it was and no shortcut exists.
TEST_F(Kopierschritt, WasWaehrendDesSchrittsGeschiehtWirktNicht) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_eingaben");
  // Long enough a copy for the input, here and in an emulated machine alike.
  constexpr LONGLONG kGross = 1024ll * kMiB;
  Installer* kopierend = GrossKopieren(ziel, kGross);
  ASSERT_NE(kopierend, nullptr);
  Installer& s = *kopierend;
  const int vorher = s.Zustand("CheDesktop");
  MausKlick(s.Hauptfenster(), s.Teil("CheDesktop"));
  MausKlick(s.Hauptfenster(), s.Teil("LaDesktop"));
  s.Druecken(VK_SPACE);
  // What another program posts to a control of the window is input too.
  ::PostMessageW(s.Teil("LaDesktop"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::PostMessageW(s.Teil("LaDesktop"), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  const bool waehrenddessen = s.Sichtbar("LaKopiert");
  // Not waited for: a click that started a step of its own would only come back at its end.
  DWORD_PTR egal = 0;
  ::SendMessageTimeoutW(s.Teil("BuVerzKopie"), BM_CLICK, 0, 0, SMTO_NORMAL, 100, &egal);
  ASSERT_TRUE(SchrittVorbei(s));
  ASSERT_TRUE(waehrenddessen) << "the step was over before the input was made; the case shows nothing";
  ErwarteSeite(s, "PaChecks", 3, ziel);
  // What the queue might still hold has had its time.
  ::Sleep(1000);
  EXPECT_FALSE(s.Sichtbar("LaKopiert")) << "a second copy step began";
  EXPECT_EQ(s.Zustand("CheDesktop"), vorher);
  EXPECT_EQ(VorhandeneEintraege(L"ZQe2e Kopie " + Fallname(8)), std::vector<std::wstring>{});
  EXPECT_EQ(Kennung(ziel + L"groß.bin", 3), std::to_string(kGross) + ":NEU:NEU");
  EXPECT_TRUE(s.Beenden());
}

// Asked to close while it copies (by the task manager's "End task", or another program), it stays in
// sight until its files are in place, and then ends.
TEST_F(Kopierschritt, SchliessenWartetBisDieDateienDaSind) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_schliessen");
  constexpr LONGLONG kGross = 512ll * kMiB;
  Installer* kopierend = GrossKopieren(ziel, kGross);
  ASSERT_NE(kopierend, nullptr);
  Installer& s = *kopierend;
  DWORD_PTR egal = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(s.Hauptfenster(), WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &egal));
  // The step lasts 1.9 s at least.
  ::Sleep(300);
  EXPECT_TRUE(automation::OwnVisible(s.Hauptfenster())) << "the window went while its files were copied";
  EXPECT_TRUE(s.Sichtbar("LaKopiert"));
  EXPECT_TRUE(WartenBis([&] { return !s.Laeuft(); }, 60000)) << "the installer did not end after the step";
  EXPECT_EQ(Kennung(ziel + L"groß.bin", 3), std::to_string(kGross) + ":NEU:NEU");
  EXPECT_EQ(Namen(ziel), (std::set<std::wstring>{L"Setup.exe", L"groß.bin"}));
}

// A shutdown asked for while it copies waits for the files; cancelled, it leaves the installer on
// the page that follows the step.
TEST_F(Kopierschritt, EineAbgesagteAbmeldungBeendetNichts) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_abmelden");
  constexpr LONGLONG kGross = 512ll * kMiB;
  Installer* kopierend = GrossKopieren(ziel, kGross);
  ASSERT_NE(kopierend, nullptr);
  Installer& s = *kopierend;
  DWORD_PTR antwort = 1;
  ASSERT_TRUE(::SendMessageTimeoutW(s.Hauptfenster(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &antwort));
  EXPECT_EQ(antwort, 0u) << "the installer let the session end while it copied";
  ASSERT_TRUE(::SendMessageTimeoutW(s.Hauptfenster(), WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 5000, &antwort));
  ASSERT_TRUE(SchrittVorbei(s));
  ErwarteSeite(s, "PaChecks", 3, ziel);
  ::Sleep(1000);
  EXPECT_TRUE(s.Laeuft()) << "the installer ended though the session did not";
  EXPECT_TRUE(automation::OwnVisible(s.Hauptfenster()));
  EXPECT_TRUE(s.Beenden());
}

// A target whose files fit the system's path limit (MAX_PATH) takes them, though the names of their
// copies underway are longer.
TEST_F(Kopierschritt, EinLangerZielpfadNimmtDieDateienAuf) {
  const std::wstring oben = FremderOrdner(L"C:\\zq_e2e_lang");
  // 245 characters: with Setup.exe 254, with an unfinished copy of Prog.exe 271.
  const std::wstring ziel = oben + std::wstring(245 - oben.size() - 1, L'x') + L"\\";
  ASSERT_EQ(ziel.size(), 245u);
  Vorbereiten(ziel, {L"Prog.exe"});
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe"), DateiInhalt(Ordner() + L"Prog.exe"));
  EXPECT_EQ(DateiInhalt(ziel + L"Setup.exe"), DateiInhalt(Ordner() + L"Setup.exe"));
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
