// The copy step on real folders: what an ended step left in the target folder is finished first,
// back to the old files or on to the new ones, and only within that folder.
#include "install/_kopieren.h"

#include <windows.h>

#include <set>

#include <gtest/gtest.h>

#include "lib/_zq_Adresse_2.h"
#include "tests/support/Dateiordner.h"

namespace {

class Schritt : public ::testing::Test {
 protected:
  void SetUp() override {
    o_.Unterordner(L"Q");
    o_.Unterordner(L"Z");
  }

  void Schreiben(const std::wstring& relativ, const std::string& inhalt, DWORD attribute = 0) {
    o_.Schreiben(relativ, inhalt);
    if (attribute != 0) ::SetFileAttributesW(o_.Voll(relativ).c_str(), attribute);
  }

  std::string Lesen(const std::wstring& relativ) const { return o_.Lesen(relativ); }

  DWORD Attribute(const std::wstring& relativ) const { return ::GetFileAttributesW(o_.Voll(relativ).c_str()); }

  void Journal(const wchar_t* name, const std::wstring& eintraege) {
    Schreiben(z_ + name, std::string(reinterpret_cast<const char*>(eintraege.data()), eintraege.size() * sizeof(wchar_t)));
  }

  // The step for these files of Q into Z, as the window starts it.
  TZQKopierschritt Kopieren(std::initializer_list<const wchar_t*> dateien) {
    TZQKopierschritt k;
    k.Dateien.resize(1);
    k.Quelle = o_.Voll(q_);
    k.Ziel = o_.Voll(z_);
    for (const wchar_t* d : dateien) k.Dateien.push_back({d, L""});
    ::Kopieren(&k);
    return k;
  }

  // A source that another program holds open without sharing: it cannot be read.
  HANDLE Gesperrt(const std::wstring& relativ) {
    return ::CreateFileW(o_.Voll(relativ).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }

  Dateiordner o_;
  const std::wstring q_ = L"Q\\", z_ = L"Z\\";
};

// Ended in the middle of the switch: one old file aside and its new one in place, one not yet
// switched with its new copy beside it, one file new to the folder in place. The next step restores
// the old installation before it copies; here it then fails, so the old one is what stays.
TEST_F(Schritt, EinEndeInDerUmstellungGehtZuDenAltenDateienZurueck) {
  for (const wchar_t* d : {L"Prog.exe", L"Daten.bin", L"Neu.dll"}) Schreiben(q_ + d, "neu");
  Schreiben(z_ + L"Prog.exe", "neu");
  Schreiben(z_ + L"Prog.exe" + kAlteFassung, "alt", FILE_ATTRIBUTE_READONLY);
  Schreiben(z_ + L"Daten.bin", "alt");
  Schreiben(z_ + L"Daten.bin" + kUnfertigeKopie, "ne");
  Schreiben(z_ + L"Neu.dll", "neu");
  Journal(kUmstellungLaeuft, std::wstring(L"=Prog.exe\0=Daten.bin\0+Neu.dll\0", 30));

  HANDLE h = Gesperrt(q_ + L"Daten.bin");
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const TZQKopierschritt k = Kopieren({L"Prog.exe", L"Daten.bin", L"Neu.dll"});
  ::CloseHandle(h);
  EXPECT_EQ(k.Misslungen, L"\r\nDaten.bin");
  EXPECT_EQ(Lesen(z_ + L"Prog.exe"), "alt");
  EXPECT_EQ(Attribute(z_ + L"Prog.exe") & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Lesen(z_ + L"Daten.bin"), "alt");
  EXPECT_EQ(o_.Namen(L"Z"), (std::set<std::wstring>{L"Daten.bin", L"Prog.exe"}));

  // Then with every source readable: all new, the read-only attribute gone, nothing else left.
  EXPECT_EQ(Kopieren({L"Prog.exe", L"Daten.bin", L"Neu.dll"}).Misslungen, L"");
  for (const wchar_t* d : {L"Prog.exe", L"Daten.bin", L"Neu.dll"}) EXPECT_EQ(Lesen(z_ + d), "neu") << d;
  EXPECT_EQ(Attribute(z_ + L"Prog.exe") & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(o_.Namen(L"Z"), (std::set<std::wstring>{L"Daten.bin", L"Neu.dll", L"Prog.exe"}));
}

// Ended after the switch, while the old files were removed: the new ones stay, the old ones go,
// even when the next step fails.
TEST_F(Schritt, EinEndeNachDerUmstellungBehaeltDieNeuenDateien) {
  Schreiben(q_ + L"Prog.exe", "neuer");
  Schreiben(z_ + L"Prog.exe", "neu");
  Schreiben(z_ + L"Prog.exe" + kAlteFassung, "alt", FILE_ATTRIBUTE_READONLY);
  Journal(kUmstellungFertig, std::wstring(L"=Prog.exe\0", 10));
  HANDLE h = Gesperrt(q_ + L"Prog.exe");
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Kopieren({L"Prog.exe"}).Misslungen, L"\r\nProg.exe");
  ::CloseHandle(h);
  EXPECT_EQ(Lesen(z_ + L"Prog.exe"), "neu");
  EXPECT_EQ(o_.Namen(L"Z"), std::set<std::wstring>{L"Prog.exe"});
}

// A journal is acted on only where it names files of its folder: one that leads out of it, or that
// cannot be read as the step writes it, stops the step before any file is touched.
TEST_F(Schritt, EinJournalWirktNurImZielOrdner) {
  Schreiben(q_ + L"Prog.exe", "neu");
  Schreiben(z_ + L"Prog.exe", "alt");
  Schreiben(std::wstring(L"draussen.txt"), "fremd");
  Schreiben(std::wstring(L"draussen.txt") + kAlteFassung, "auch fremd");
  for (const std::wstring& journal : {std::wstring(L"=..\\draussen.txt\0", 17), std::wstring(L"=com1\0", 6),
                                      std::wstring(L"=Prog.exe", 9)}) {
    Journal(kUmstellungLaeuft, journal);
    EXPECT_EQ(Kopieren({L"Prog.exe"}).Misslungen, L"\r\nProg.exe");
    EXPECT_EQ(Lesen(std::wstring(L"draussen.txt")), "fremd");
    EXPECT_EQ(Lesen(std::wstring(L"draussen.txt") + kAlteFassung), "auch fremd");
    EXPECT_EQ(Lesen(z_ + L"Prog.exe"), "alt");
    EXPECT_EQ(o_.Namen(L"Z"), (std::set<std::wstring>{L"Prog.exe", kUmstellungLaeuft}));
  }
}

}  // namespace
