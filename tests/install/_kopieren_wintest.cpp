// The copy step on real folders: what an ended step left in the target folder is finished first,
// back to the old files or on to the new ones, and only within that folder.
#include "install/_kopieren.h"

#include <windows.h>

#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "lib/_zq_Adresse_2.h"
#include "tests/support/Testordner.h"

namespace {

class Schritt : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CreateDirectoryW(Q().c_str(), nullptr);
    ::CreateDirectoryW(Z().c_str(), nullptr);
  }

  std::wstring Q() const { return o_.BreitPfad() + L"Q\\"; }
  std::wstring Z() const { return o_.BreitPfad() + L"Z\\"; }

  void Schreiben(const std::wstring& pfad, const std::string& inhalt, DWORD attribute = 0) {
    HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << pfad.size();
    DWORD n = 0;
    ::WriteFile(h, inhalt.data(), static_cast<DWORD>(inhalt.size()), &n, nullptr);
    ::CloseHandle(h);
    if (attribute != 0) ::SetFileAttributesW(pfad.c_str(), attribute);
  }

  static std::string Lesen(const std::wstring& pfad) {
    HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "(fehlt)";
    char puffer[256];
    DWORD n = 0;
    ::ReadFile(h, puffer, sizeof puffer, &n, nullptr);
    ::CloseHandle(h);
    return std::string(puffer, n);
  }

  std::set<std::wstring> Namen() const {
    std::set<std::wstring> namen;
    for (const auto& e : std::filesystem::directory_iterator(Z())) namen.insert(e.path().filename().wstring());
    return namen;
  }

  void Journal(const wchar_t* name, const std::wstring& eintraege) {
    Schreiben(Z() + name, std::string(reinterpret_cast<const char*>(eintraege.data()), eintraege.size() * sizeof(wchar_t)));
  }

  // The step for these files of Q into Z, as the window starts it.
  TZQKopierschritt Kopieren(std::initializer_list<const wchar_t*> dateien) {
    TZQKopierschritt k;
    k.Dateien.resize(1);
    k.Quelle = Q();
    k.Ziel = Z();
    for (const wchar_t* d : dateien) k.Dateien.push_back({d, L""});
    ::Kopieren(&k);
    return k;
  }

  // A source that another program holds open without sharing: it cannot be read.
  HANDLE Gesperrt(const std::wstring& pfad) {
    return ::CreateFileW(pfad.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }

  Testordner o_;
};

// Ended in the middle of the switch: one old file aside and its new one in place, one not yet
// switched with its new copy beside it, one file new to the folder in place. The next step restores
// the old installation before it copies; here it then fails, so the old one is what stays.
TEST_F(Schritt, EinEndeInDerUmstellungGehtZuDenAltenDateienZurueck) {
  for (const wchar_t* d : {L"Prog.exe", L"Daten.bin", L"Neu.dll"}) Schreiben(Q() + d, "neu");
  Schreiben(Z() + L"Prog.exe", "neu");
  Schreiben(Z() + L"Prog.exe" + kAlteFassung, "alt", FILE_ATTRIBUTE_READONLY);
  Schreiben(Z() + L"Daten.bin", "alt");
  Schreiben(Z() + L"Daten.bin" + kUnfertigeKopie, "ne");
  Schreiben(Z() + L"Neu.dll", "neu");
  Journal(kUmstellungLaeuft, std::wstring(L"=Prog.exe\0=Daten.bin\0+Neu.dll\0", 30));

  HANDLE h = Gesperrt(Q() + L"Daten.bin");
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const TZQKopierschritt k = Kopieren({L"Prog.exe", L"Daten.bin", L"Neu.dll"});
  ::CloseHandle(h);
  EXPECT_EQ(k.Misslungen, L"\r\nDaten.bin");
  EXPECT_EQ(Lesen(Z() + L"Prog.exe"), "alt");
  EXPECT_EQ(::GetFileAttributesW((Z() + L"Prog.exe").c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Lesen(Z() + L"Daten.bin"), "alt");
  EXPECT_EQ(Namen(), (std::set<std::wstring>{L"Daten.bin", L"Prog.exe"}));

  // Then with every source readable: all new, the read-only attribute gone, nothing else left.
  EXPECT_EQ(Kopieren({L"Prog.exe", L"Daten.bin", L"Neu.dll"}).Misslungen, L"");
  for (const wchar_t* d : {L"Prog.exe", L"Daten.bin", L"Neu.dll"}) EXPECT_EQ(Lesen(Z() + d), "neu") << d;
  EXPECT_EQ(::GetFileAttributesW((Z() + L"Prog.exe").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Namen(), (std::set<std::wstring>{L"Daten.bin", L"Neu.dll", L"Prog.exe"}));
}

// Ended after the switch, while the old files were removed: the new ones stay, the old ones go,
// even when the next step fails.
TEST_F(Schritt, EinEndeNachDerUmstellungBehaeltDieNeuenDateien) {
  Schreiben(Q() + L"Prog.exe", "neuer");
  Schreiben(Z() + L"Prog.exe", "neu");
  Schreiben(Z() + L"Prog.exe" + kAlteFassung, "alt", FILE_ATTRIBUTE_READONLY);
  Journal(kUmstellungFertig, std::wstring(L"=Prog.exe\0", 10));
  HANDLE h = Gesperrt(Q() + L"Prog.exe");
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Kopieren({L"Prog.exe"}).Misslungen, L"\r\nProg.exe");
  ::CloseHandle(h);
  EXPECT_EQ(Lesen(Z() + L"Prog.exe"), "neu");
  EXPECT_EQ(Namen(), std::set<std::wstring>{L"Prog.exe"});
}

// A journal is acted on only where it names files of its folder: one that leads out of it, or that
// cannot be read as the step writes it, stops the step before any file is touched.
TEST_F(Schritt, EinJournalWirktNurImZielOrdner) {
  Schreiben(Q() + L"Prog.exe", "neu");
  Schreiben(Z() + L"Prog.exe", "alt");
  Schreiben(o_.BreitPfad() + L"draussen.txt", "fremd");
  Schreiben(o_.BreitPfad() + L"draussen.txt" + kAlteFassung, "auch fremd");
  for (const std::wstring& journal : {std::wstring(L"=..\\draussen.txt\0", 17), std::wstring(L"=com1\0", 6),
                                      std::wstring(L"=Prog.exe", 9)}) {
    Journal(kUmstellungLaeuft, journal);
    EXPECT_EQ(Kopieren({L"Prog.exe"}).Misslungen, L"\r\nProg.exe");
    EXPECT_EQ(Lesen(o_.BreitPfad() + L"draussen.txt"), "fremd");
    EXPECT_EQ(Lesen(o_.BreitPfad() + L"draussen.txt" + kAlteFassung), "auch fremd");
    EXPECT_EQ(Lesen(Z() + L"Prog.exe"), "alt");
    EXPECT_EQ(Namen(), (std::set<std::wstring>{L"Prog.exe", kUmstellungLaeuft}));
  }
}

}  // namespace
