// The file operations on real folders of the Wine prefix's drive C:.
#include "lib/_zq_Adresse_2.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/ShellFileOperation.h"
#include "tests/support/Dateiordner.h"

namespace {

namespace fs = std::filesystem;

bool Attribute(const std::wstring& pfad, std::uint32_t attribute) { return ::SetFileAttributesW(pfad.c_str(), attribute) != 0; }

// Sets the process's current folder for one test and restores it afterwards.
class AktuellerOrdner {
 public:
  explicit AktuellerOrdner(const std::wstring& pfad) : vorher_(fs::current_path()) { fs::current_path(pfad); }
  ~AktuellerOrdner() { fs::current_path(vorher_); }

 private:
  fs::path vorher_;
};

}  // namespace

TEST(ExistiertAls, TellsFilesFromFoldersByName) {
  Dateiordner o;
  const std::wstring datei = o.Schreiben(L"datei.txt", "x");
  const std::wstring versteckt = o.Schreiben(L"versteckt.txt", "x");
  const std::wstring system = o.Schreiben(L"system.txt", "x");
  const std::wstring beides = o.Schreiben(L"beides.txt", "x");
  ASSERT_TRUE(Attribute(versteckt, platform::kAttributeHidden));
  ASSERT_TRUE(Attribute(system, platform::kAttributeSystem));
  ASSERT_TRUE(Attribute(beides, platform::kAttributeHidden | platform::kAttributeSystem));
  const std::wstring a = o.Unterordner(L"A");
  o.Unterordner(L"B");
  const std::wstring umlaut = o.Schreiben(L"Menü.lnk", "x");

  for (const std::wstring& d : {datei, versteckt, system, beides, umlaut}) {
    EXPECT_TRUE(DateiExistiert(d)) << d;
    EXPECT_TRUE(AdresseExistiert(d)) << d;
    EXPECT_FALSE(ExistiertAls('v', d)) << d;
    EXPECT_FALSE(DateiExistiert(d + L"\\")) << d;
  }
  for (const std::wstring& fehlt : {o.Voll(L"fehlt.txt"), o.Voll(L"fehlt\\"), std::wstring()}) {
    EXPECT_FALSE(DateiExistiert(fehlt)) << fehlt;
    EXPECT_FALSE(AdresseExistiert(fehlt)) << fehlt;
  }
  for (const std::wstring& ordner : {a, OhneEndBackslash(a)}) {
    EXPECT_FALSE(DateiExistiert(ordner)) << ordner;
    EXPECT_TRUE(AdresseExistiert(ordner)) << ordner;
    EXPECT_TRUE(ExistiertAls('v', ordner)) << ordner;
    EXPECT_TRUE(ExistiertAls('V', ordner)) << ordner;
  }
  EXPECT_TRUE(AdresseExistiert(L"C:\\"));
  EXPECT_FALSE(AdresseExistiert(a + L"..\\B\\"));
  EXPECT_FALSE(AdresseExistiert(a + L".\\"));
  EXPECT_FALSE(AdresseExistiert(o.BreitPfad() + L".\\A\\"));
  EXPECT_FALSE(DateiExistiert(a + L"..\\datei.txt\\"));
}

TEST(ExistiertAls, RelativeNamesFindFilesButNoFolders) {
  Dateiordner o;
  o.Schreiben(L"datei.txt", "x");
  o.Unterordner(L"A");
  AktuellerOrdner hier(o.BreitPfad());
  EXPECT_TRUE(DateiExistiert(L"datei.txt"));
  EXPECT_TRUE(AdresseExistiert(L"datei.txt"));
  EXPECT_FALSE(DateiExistiert(L"fehlt.txt"));
  EXPECT_FALSE(AdresseExistiert(L"A\\"));
  EXPECT_FALSE(AdresseExistiert(L"A"));
  EXPECT_FALSE(ExistiertAls('v', L"A\\"));
}

TEST(ExistiertAls, PatternsEndingInStarAskWhatAFolderHolds) {
  Dateiordner o;
  o.Unterordner(L"leer");
  o.Unterordner(L"dateien");
  o.Schreiben(L"dateien\\a1.txt", "x");
  o.Unterordner(L"versteckt");
  ASSERT_TRUE(Attribute(o.Schreiben(L"versteckt\\h.txt", "x"),
                                             platform::kAttributeHidden | platform::kAttributeSystem));
  o.Unterordner(L"ordner");
  o.Unterordner(L"ordner\\s1");
  o.Unterordner(L"ordner\\s2");
  o.Unterordner(L"gemischt");
  o.Unterordner(L"gemischt\\a");
  o.Unterordner(L"gemischt\\b");
  o.Schreiben(L"gemischt\\c.txt", "x");
  o.Unterordner(L"gemischt\\d");

  struct Fall {
    const wchar_t* muster;
    bool datei;   // "d" and "D"
    bool ordner;  // "v" and "V"
    bool eines;   // "o", "x", "\0"
  };
  const Fall faelle[] = {
      {L"leer\\*", false, false, false},
      {L"dateien\\*", true, false, true},
      {L"versteckt\\*", true, false, true},
      {L"ordner\\*", false, true, true},
      {L"gemischt\\*", true, true, true},
      {L"gemischt\\?.*", true, true, true},
      {L"ordner\\s*", false, true, true},
      {L"fehlt\\*", false, false, false},
  };
  for (const Fall& f : faelle) {
    const std::wstring muster = o.Voll(f.muster);
    EXPECT_EQ(ExistiertAls('d', muster), f.datei) << f.muster;
    EXPECT_EQ(ExistiertAls('D', muster), f.datei) << f.muster;
    EXPECT_EQ(DateiExistiert(muster), f.datei) << f.muster;
    EXPECT_EQ(ExistiertAls('v', muster), f.ordner) << f.muster;
    EXPECT_EQ(ExistiertAls('V', muster), f.ordner) << f.muster;
    EXPECT_EQ(ExistiertAls('o', muster), f.eines) << f.muster;
    EXPECT_EQ(ExistiertAls('x', muster), f.eines) << f.muster;
    EXPECT_EQ(AdresseExistiert(muster), f.eines) << f.muster;
  }

  // Wildcards not at the end take the name branch: the first match decides, folders never count.
  EXPECT_TRUE(DateiExistiert(o.Voll(L"dateien\\a?.txt")));
  EXPECT_TRUE(AdresseExistiert(o.Voll(L"dateien\\a?.txt")));
  EXPECT_FALSE(AdresseExistiert(o.Voll(L"ordner\\s?")));
  EXPECT_FALSE(ExistiertAls('v', o.Voll(L"ordner\\s?")));
}

TEST(VerzeichnisMachen, LeavesExistingFoldersAsTheyAre) {
  Dateiordner o;
  const std::wstring a = o.Unterordner(L"A");
  o.Schreiben(L"A\\inhalt.txt", "bleibt");
  for (bool dauerhaft : {true, false}) {
    EXPECT_TRUE(VerzeichnisMachen(a, dauerhaft));
    EXPECT_TRUE(VerzeichnisMachen(OhneEndBackslash(a), dauerhaft));
    EXPECT_EQ(o.Lesen(L"A\\inhalt.txt"), "bleibt");
  }
  EXPECT_TRUE(VerzeichnisMachen(L"C:\\", false));
}

TEST(VerzeichnisMachen, CreatesNothingWithoutAnExistingRoot) {
  ASSERT_EQ(platform::FileAttributes(L"Q:\\"), platform::kInvalidAttributes) << L"drive Q: must not exist";
  EXPECT_FALSE(VerzeichnisMachen(L"Q:\\x\\", true));
  EXPECT_FALSE(VerzeichnisMachen(L"Q:\\x\\y", false));

  Dateiordner o;
  AktuellerOrdner hier(o.BreitPfad());
  EXPECT_FALSE(VerzeichnisMachen(L"fehlt\\neu\\", true));
  EXPECT_FALSE(VerzeichnisMachen(L"fehlt", true));
  EXPECT_TRUE(o.Namen(L"").empty());

  // A relative chain whose first level exists is made below the current folder.
  o.Unterordner(L"da");
  EXPECT_TRUE(VerzeichnisMachen(L"da\\neu\\tief", true));
  EXPECT_TRUE(fs::is_directory(o.Voll(L"da\\neu\\tief")));
}

TEST(VerzeichnisMachen, MakesADeepChainOrOnlyProbesForIt) {
  Dateiordner o;
  o.Unterordner(L"A");
  o.Schreiben(L"A\\alt.txt", "alt");

  EXPECT_TRUE(VerzeichnisMachen(o.Voll(L"A\\B\\C\\D\\E\\F"), false));
  EXPECT_EQ(o.Namen(L"A"), std::set<std::wstring>{L"alt.txt"});

  EXPECT_TRUE(VerzeichnisMachen(o.Voll(L"A\\B\\C\\D\\E\\F\\"), true));
  EXPECT_TRUE(fs::is_directory(o.Voll(L"A\\B\\C\\D\\E\\F")));
  EXPECT_EQ(o.Lesen(L"A\\alt.txt"), "alt");

  // Probing below a partly existing chain removes only what the probe made.
  EXPECT_TRUE(VerzeichnisMachen(o.Voll(L"A\\B\\C\\X\\Y\\"), false));
  EXPECT_EQ(o.Namen(L"A\\B\\C"), std::set<std::wstring>{L"D"});
  EXPECT_TRUE(fs::is_directory(o.Voll(L"A\\B\\C\\D\\E\\F")));
}

TEST(VerzeichnisMachen, RollsBackAChainThatCannotBeFinished) {
  Dateiordner o;
  o.Unterordner(L"A");
  o.Schreiben(L"A\\alt.txt", "alt");
  o.Unterordner(L"A\\alt");
  o.Schreiben(L"A\\datei", "eine Datei, kein Ordner");

  // A name the system refuses, deeper down the chain.
  EXPECT_FALSE(VerzeichnisMachen(o.Voll(L"A\\neu\\tiefer\\un|gültig\\x\\"), true));
  // A file standing where a level should be.
  EXPECT_FALSE(VerzeichnisMachen(o.Voll(L"A\\datei\\x\\"), true));
  EXPECT_FALSE(VerzeichnisMachen(o.Voll(L"A\\datei\\x\\"), false));

  EXPECT_EQ(o.Namen(L"A"), (std::set<std::wstring>{L"alt", L"alt.txt", L"datei"}));
  EXPECT_EQ(o.Lesen(L"A\\alt.txt"), "alt");
  EXPECT_EQ(o.Lesen(L"A\\datei"), "eine Datei, kein Ordner");
  EXPECT_TRUE(fs::is_directory(o.Voll(L"A\\alt")));
}

// Another thread stands for another process: as soon as a probing call has made the level "neu",
// it puts a file of its own there. The probe then takes back only its own empty folders. Where
// the thread gets in differs from run to run, so the race is run several times; a busy machine may
// let it miss every round, which says nothing about the probe.
TEST(VerzeichnisMachen, KeepsWhatAnotherProcessPutIntoAFolderItMade) {
  Dateiordner o;
  o.Unterordner(L"A");
  const std::wstring neu = o.Voll(L"A\\neu");
  const std::wstring fremd = neu + L"\\fremd.txt";
  int getroffen = 0;
  for (int runde = 0; runde < 10; ++runde) {
    SCOPED_TRACE(runde);
    std::atomic<bool> drin{false};
    std::atomic<bool> aufhoeren{false};
    std::thread anderer([&] {
      while (!aufhoeren) {
        if (platform::MakeFolder(neu)) {
          // Made by this thread, not by a probe: it does not count, and goes as soon as a probe's
          // levels in it are gone.
          while (!platform::RemoveEmptyFolder(neu) && !aufhoeren) {
          }
          continue;
        }
        std::FILE* f = _wfopen(fremd.c_str(), L"wb");
        if (f == nullptr) continue;
        std::fputs("fremd", f);
        std::fclose(f);
        drin = true;
        return;
      }
    });
    for (int i = 0; i < 20000 && !drin; ++i) VerzeichnisMachen(neu + L"\\x\\y\\", false);
    aufhoeren = true;
    anderer.join();
    if (!drin) {
      platform::RemoveEmptyFolder(neu);
      continue;
    }
    ++getroffen;
    VerzeichnisMachen(neu + L"\\x\\y\\", false);
    EXPECT_EQ(o.Lesen(L"A\\neu\\fremd.txt"), "fremd");
    EXPECT_EQ(o.Namen(L"A\\neu"), std::set<std::wstring>{L"fremd.txt"});
    _wremove(fremd.c_str());
    platform::RemoveEmptyFolder(neu);
  }
  if (getroffen == 0) GTEST_SKIP() << "the other thread never got between a probe's creation and its roll-back";
}

TEST(AdresseLoeschen, DeletesFilesAndFoldersWithTheirContents) {
  Dateiordner o;
  o.Unterordner(L"A");
  o.Unterordner(L"A\\B");
  o.Schreiben(L"A\\B\\c.txt", "x");
  o.Schreiben(L"A\\d.txt", "x");
  o.Schreiben(L"e.txt", "x");
  o.Schreiben(L"Menü.lnk", "x");

  EXPECT_TRUE(AdresseLoeschen(o.Voll(L"A\\"), false));
  EXPECT_TRUE(AdresseLoeschen(o.Voll(L"e.txt"), false));
  EXPECT_TRUE(AdresseLoeschen(o.Voll(L"Menü.lnk"), false));
  EXPECT_TRUE(o.Namen(L"").empty());
  EXPECT_FALSE(AdresseLoeschen(o.Voll(L"fehlt.txt"), false));
  EXPECT_FALSE(AdresseLoeschen(o.Voll(L"fehlt\\"), false));

  // An empty path names nothing, not the current folder.
  o.Schreiben(L"bleibt.txt", "x");
  AktuellerOrdner hier(o.BreitPfad());
  EXPECT_FALSE(AdresseLoeschen(L"", false));
  EXPECT_FALSE(AdresseLoeschen(L"\\\\", false));
  EXPECT_EQ(o.Namen(L""), std::set<std::wstring>{L"bleibt.txt"});
}

TEST(AdresseLoeschen, NeverDeletesByPattern) {
  Dateiordner o;
  const std::set<std::wstring> alle = {L"Was ist neu1.lnk", L"Was ist neuX.lnk", L"Anderes.lnk", L"Sub"};
  o.Schreiben(L"Was ist neu1.lnk", "1");
  o.Schreiben(L"Was ist neuX.lnk", "X");
  o.Schreiben(L"Anderes.lnk", "A");
  o.Unterordner(L"Sub");

  // A menu text with a question mark names a shortcut that matches the other shortcuts.
  const std::wstring frage = o.Voll(L"Was ist neu?.lnk");
  ASSERT_TRUE(DateiExistiert(frage)) << L"the pattern must match real files";
  for (const std::wstring& muster : {frage, o.Voll(L"*"), o.Voll(L"*.lnk"), o.Voll(L"Sub*\\"), o.Voll(L"S?b")}) {
    EXPECT_FALSE(AdresseLoeschen(muster, false)) << muster;
    EXPECT_FALSE(AdresseLoeschen(muster, true)) << muster;
    EXPECT_EQ(o.Namen(L""), alle) << muster;
  }

  // What the shell itself makes of the same source list.
  EXPECT_EQ(platform::ShellFileOperation(platform::kShellDelete, frage, L"", 1044), 0);
  EXPECT_EQ(o.Namen(L""), (std::set<std::wstring>{L"Anderes.lnk", L"Sub"}));
}

TEST(DateiKopieren, ReplacesTheTargetAndMakesItsFolder) {
  Dateiordner o;
  o.Unterordner(L"Q");
  o.Schreiben(L"Q\\prog.exe", "neu");
  o.Unterordner(L"Z");
  o.Schreiben(L"Z\\prog.exe", "alt und länger");

  EXPECT_TRUE(DateiKopieren(o.Voll(L"Q\\prog.exe"), o.Voll(L"Z\\prog.exe")));
  EXPECT_EQ(o.Lesen(L"Z\\prog.exe"), "neu");
  EXPECT_TRUE(DateiKopieren(o.Voll(L"Q\\prog.exe"), o.Voll(L"Neu\\Tief\\Prögramm.exe")));
  EXPECT_EQ(o.Lesen(L"Neu\\Tief\\Prögramm.exe"), "neu");
  EXPECT_EQ(o.Lesen(L"Q\\prog.exe"), "neu");

  EXPECT_FALSE(DateiKopieren(o.Voll(L"Q\\fehlt.exe"), o.Voll(L"Ziel\\Unter\\fehlt.exe")));
  EXPECT_TRUE(fs::is_directory(o.Voll(L"Ziel\\Unter")));
  EXPECT_TRUE(o.Namen(L"Ziel\\Unter").empty());

  AktuellerOrdner hier(o.BreitPfad());
  EXPECT_FALSE(DateiKopieren(o.Voll(L"Q\\prog.exe"), L"ohneOrdner.exe"));
  EXPECT_FALSE(o.Da(L"ohneOrdner.exe"));
}

// What the shell's copy did to a protected target, kept: a read-only one is replaced, a hidden or
// system one keeps those attributes; the new file takes the source's attributes but read-only, and
// its time stamps.
TEST(DateiKopieren, ReplacesProtectedTargetsAsTheShellDid) {
  Dateiordner o;
  o.Unterordner(L"Q");
  o.Unterordner(L"Z");
  const std::wstring quelle = o.Schreiben(L"Q\\prog.exe", "neu");
  HANDLE h = ::CreateFileW(quelle.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const FILETIME damals{0x5A5A0000, 0x01C07000};  // 2001
  ASSERT_TRUE(::SetFileTime(h, &damals, &damals, &damals));
  ::CloseHandle(h);

  const DWORD alt[] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY};
  for (DWORD attribute : alt) {
    const std::wstring ziel = o.Schreiben(L"Z\\prog.exe", "alt");
    ASSERT_TRUE(Attribute(ziel, attribute));
    EXPECT_TRUE(DateiKopieren(quelle, ziel)) << attribute;
    EXPECT_EQ(o.Lesen(L"Z\\prog.exe"), "neu") << attribute;
    EXPECT_EQ(::GetFileAttributesW(ziel.c_str()) & 7, attribute & 6) << attribute;
    WIN32_FILE_ATTRIBUTE_DATA daten{};
    ASSERT_TRUE(::GetFileAttributesExW(ziel.c_str(), GetFileExInfoStandard, &daten));
    EXPECT_EQ(daten.ftLastWriteTime.dwHighDateTime, damals.dwHighDateTime);
    EXPECT_EQ(daten.ftCreationTime.dwHighDateTime, damals.dwHighDateTime);
    Attribute(ziel, FILE_ATTRIBUTE_NORMAL);
  }
  // A read-only source (every file of a CD) gives a copy that the next renewal can replace.
  ASSERT_TRUE(Attribute(quelle, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(DateiKopieren(quelle, o.Voll(L"Z\\nur-lesen.exe")));
  EXPECT_EQ(::GetFileAttributesW(o.Voll(L"Z\\nur-lesen.exe").c_str()) & 7, FILE_ATTRIBUTE_HIDDEN);
  Attribute(o.Voll(L"Z\\nur-lesen.exe"), FILE_ATTRIBUTE_NORMAL);
  Attribute(quelle, FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(o.Namen(L"Z"), (std::set<std::wstring>{L"prog.exe", L"nur-lesen.exe"}));
}

// A target that another process holds open without sharing cannot be replaced: it keeps its bytes,
// and nothing of the new copy stays. What an ended copy left behind goes with the next copy of its
// file, and only that.
TEST(DateiKopieren, KeepsTheOldFileWholeAndLeavesNothing) {
  Dateiordner o;
  o.Unterordner(L"Q");
  o.Unterordner(L"Z");
  const std::wstring quelle = o.Schreiben(L"Q\\prog.exe", "neu");
  const std::wstring ziel = o.Schreiben(L"Z\\prog.exe", "alt");
  HANDLE offen = ::CreateFileW(ziel.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(offen, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(DateiKopieren(quelle, ziel));
  ::CloseHandle(offen);
  EXPECT_EQ(o.Lesen(L"Z\\prog.exe"), "alt");
  EXPECT_EQ(o.Namen(L"Z"), std::set<std::wstring>{L"prog.exe"});

  const std::wstring rest = std::wstring(L"Z\\prog.exe") + kUnfertigeKopie;
  const std::wstring fremd = std::wstring(L"Z\\andere.exe") + kUnfertigeKopie;
  ASSERT_TRUE(Attribute(o.Schreiben(rest, "halb"), FILE_ATTRIBUTE_READONLY));
  o.Schreiben(fremd, "bleibt");
  EXPECT_TRUE(DateiKopieren(quelle, ziel));
  EXPECT_EQ(o.Lesen(L"Z\\prog.exe"), "neu");
  EXPECT_EQ(o.Namen(L"Z"), (std::set<std::wstring>{L"prog.exe", fremd.substr(2)}));
  EXPECT_EQ(o.Lesen(fremd), "bleibt");
}

// Past MAX_PATH a path takes the long form, which names every step literally: so ".." and "/" are
// resolved first, and a path in that form already stays as it is.
TEST(LangeForm, ResolvesThePathBeforeTheLongForm) {
  const std::wstring lang(250, L'x');
  EXPECT_EQ(LangeForm(L"C:\\a\\" + lang), L"C:\\a\\" + lang);
  EXPECT_EQ(LangeForm(L"C:\\a\\b\\..\\" + lang + L"\\.\\p.exe"), L"\\\\?\\C:\\a\\" + lang + L"\\p.exe");
  EXPECT_EQ(LangeForm(L"C:/a/b/" + lang + L"/p.exe"), L"\\\\?\\C:\\a\\b\\" + lang + L"\\p.exe");
  EXPECT_EQ(LangeForm(L"\\\\srv\\share\\..\\" + lang), L"\\\\?\\UNC\\srv\\share\\" + lang);
  const std::wstring schon = L"\\\\?\\C:\\a\\" + lang + L"\\p.exe";
  EXPECT_EQ(LangeForm(schon), schon);
}

TEST(KopierenVerschieben, CopiesAFolderUnderItsOwnNameOnlyWhenTheNamesMatch) {
  Dateiordner o;
  o.Unterordner(L"A");
  o.Unterordner(L"A\\Sub");
  o.Schreiben(L"A\\Sub\\f.txt", "f");
  o.Unterordner(L"A\\Änd");
  o.Schreiben(L"A\\Änd\\g.txt", "g");

  EXPECT_TRUE(KopierenVerschieben('k', o.Voll(L"A\\"), L"Sub", o.Voll(L"B\\"), L"sub"));
  EXPECT_EQ(o.Namen(L"B"), std::set<std::wstring>{L"Sub"});
  EXPECT_EQ(o.Lesen(L"B\\Sub\\f.txt"), "f");

  EXPECT_TRUE(DateiKopieren(o.Voll(L"A\\Sub"), o.Voll(L"C\\Other")));
  EXPECT_EQ(o.Namen(L"C"), std::set<std::wstring>{L"Other"});
  EXPECT_EQ(o.Lesen(L"C\\Other\\f.txt"), "f");

  // "Ä" and "ä" are different names, so the target is taken as written.
  EXPECT_TRUE(DateiKopieren(o.Voll(L"A\\Änd\\"), o.Voll(L"D\\änd\\")));
  EXPECT_EQ(o.Namen(L"D"), std::set<std::wstring>{L"änd"});
  EXPECT_EQ(o.Lesen(L"D\\änd\\g.txt"), "g");
  EXPECT_EQ(o.Namen(L"A"), (std::set<std::wstring>{L"Sub", L"Änd"}));
}

TEST(KopierenVerschieben, MovesForEveryKindButLowerCaseK) {
  Dateiordner o;
  o.Unterordner(L"Q");
  o.Unterordner(L"Z");
  for (char art : {'K', 'v', 'm', 'x', '\0'}) {
    const std::wstring name = L"f" + std::to_wstring(static_cast<int>(art)) + L".txt";
    o.Schreiben(L"Q\\" + name, "x");
    EXPECT_TRUE(KopierenVerschieben(art, o.Voll(L"Q\\"), name, o.Voll(L"Z\\"), name)) << art;
    EXPECT_FALSE(o.Da(L"Q\\" + name)) << static_cast<int>(art);
    EXPECT_EQ(o.Lesen(L"Z\\" + name), "x");
  }
  o.Unterordner(L"Q\\Ordner");
  o.Schreiben(L"Q\\Ordner\\i.txt", "i");
  EXPECT_TRUE(KopierenVerschieben('M', o.Voll(L"Q\\"), L"Ordner", o.Voll(L"Z\\Neu\\"), L"ORDNER"));
  EXPECT_FALSE(o.Da(L"Q\\Ordner"));
  EXPECT_EQ(o.Lesen(L"Z\\Neu\\Ordner\\i.txt"), "i");

  o.Schreiben(L"Q\\bleibt.txt", "b");
  EXPECT_TRUE(KopierenVerschieben('k', o.Voll(L"Q\\"), L"bleibt.txt", o.Voll(L"Z\\"), L"kopie.txt"));
  EXPECT_EQ(o.Lesen(L"Q\\bleibt.txt"), "b");
  EXPECT_EQ(o.Lesen(L"Z\\kopie.txt"), "b");
}

TEST(DateiGroesse, ReadsAll64BitsAndGivesZeroForNothing) {
  Dateiordner o;
  const std::int64_t gross = (std::int64_t{5} << 30) + 1;  // beyond 4 GiB
  const std::wstring sparsam = o.Voll(L"gross.bin");
  std::FILE* f = _wfopen(sparsam.c_str(), L"wb");
  ASSERT_NE(f, nullptr);
  // Only the last byte is written: the file stays sparse on the Linux disk.
  ASSERT_EQ(_fseeki64(f, gross - 1, SEEK_SET), 0);
  ASSERT_EQ(std::fputc('!', f), '!');
  ASSERT_EQ(std::fclose(f), 0);

  EXPECT_EQ(DateiGroesse(sparsam), gross);
  EXPECT_EQ(DateiGroesse(o.Schreiben(L"leer.txt", "")), 0);
  EXPECT_EQ(DateiGroesse(o.Schreiben(L"drei.txt", "abc")), 3);
  EXPECT_EQ(DateiGroesse(o.Voll(L"fehlt.txt")), 0);
  EXPECT_EQ(DateiGroesse(o.Voll(L"dr?i.txt")), 3);
}
