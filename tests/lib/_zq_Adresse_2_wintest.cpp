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
#include "tests/support/Testordner.h"

namespace {

namespace fs = std::filesystem;

bool Attribute(const std::string& pfad, std::uint32_t attribute) { return ::SetFileAttributesA(pfad.c_str(), attribute) != 0; }

// A Testordner with helpers for 8-bit names (made through C stdio and the platform layer).
class Ordner : public Testordner {
 public:
  Ordner() { EXPECT_EQ(Pfad().substr(0, 3), "C:\\") << Pfad(); }

  std::string Voll(const std::string& relativ) const { return Pfad() + relativ; }

  std::string Unterordner(const std::string& relativ) const {
    const std::string voll = Voll(relativ);
    EXPECT_TRUE(platform::MakeFolder(voll)) << voll;
    return voll + "\\";
  }

  std::string Schreiben(const std::string& relativ, const std::string& inhalt) const { return Datei(relativ, inhalt); }

  std::string Lesen(const std::string& relativ) const {
    std::string inhalt;
    std::FILE* f = std::fopen(Voll(relativ).c_str(), "rb");
    if (f == nullptr) return "(fehlt)";
    for (int c; (c = std::fgetc(f)) != EOF;) inhalt += static_cast<char>(c);
    std::fclose(f);
    return inhalt;
  }

  bool Da(const std::string& relativ) const {
    return platform::FileAttributes(Voll(relativ)) != platform::kInvalidAttributes;
  }

  // The entry names of a folder, as the system spells them.
  std::set<std::string> Namen(const std::string& relativ) const {
    std::set<std::string> namen;
    platform::EntrySearch suche;
    platform::FoundEntry e;
    for (bool ok = suche.First(Voll(relativ) + "\\*", e); ok; ok = suche.Next(e)) {
      if (e.name != "." && e.name != "..") namen.insert(e.name);
    }
    return namen;
  }
};

// Sets the process's current folder for one test and restores it afterwards.
class AktuellerOrdner {
 public:
  explicit AktuellerOrdner(const std::string& pfad) : vorher_(fs::current_path()) { fs::current_path(pfad); }
  ~AktuellerOrdner() { fs::current_path(vorher_); }

 private:
  fs::path vorher_;
};

}  // namespace

TEST(ExistiertAls, TellsFilesFromFoldersByName) {
  Ordner o;
  const std::string datei = o.Schreiben("datei.txt", "x");
  const std::string versteckt = o.Schreiben("versteckt.txt", "x");
  const std::string system = o.Schreiben("system.txt", "x");
  const std::string beides = o.Schreiben("beides.txt", "x");
  ASSERT_TRUE(Attribute(versteckt, platform::kAttributeHidden));
  ASSERT_TRUE(Attribute(system, platform::kAttributeSystem));
  ASSERT_TRUE(Attribute(beides, platform::kAttributeHidden | platform::kAttributeSystem));
  const std::string a = o.Unterordner("A");
  o.Unterordner("B");
  const std::string umlaut = o.Schreiben("Menü.lnk", "x");

  for (const std::string& d : {datei, versteckt, system, beides, umlaut}) {
    EXPECT_TRUE(DateiExistiert(d)) << d;
    EXPECT_TRUE(AdresseExistiert(d)) << d;
    EXPECT_FALSE(ExistiertAls('v', d)) << d;
    EXPECT_FALSE(DateiExistiert(d + "\\")) << d;
  }
  for (const std::string& fehlt : {o.Voll("fehlt.txt"), o.Voll("fehlt\\"), std::string()}) {
    EXPECT_FALSE(DateiExistiert(fehlt)) << fehlt;
    EXPECT_FALSE(AdresseExistiert(fehlt)) << fehlt;
  }
  for (const std::string& ordner : {a, OhneEndBackslash(a)}) {
    EXPECT_FALSE(DateiExistiert(ordner)) << ordner;
    EXPECT_TRUE(AdresseExistiert(ordner)) << ordner;
    EXPECT_TRUE(ExistiertAls('v', ordner)) << ordner;
    EXPECT_TRUE(ExistiertAls('V', ordner)) << ordner;
  }
  EXPECT_TRUE(AdresseExistiert("C:\\"));
  EXPECT_FALSE(AdresseExistiert(a + "..\\B\\"));
  EXPECT_FALSE(AdresseExistiert(a + ".\\"));
  EXPECT_FALSE(AdresseExistiert(o.Pfad() + ".\\A\\"));
  EXPECT_FALSE(DateiExistiert(a + "..\\datei.txt\\"));
}

TEST(ExistiertAls, RelativeNamesFindFilesButNoFolders) {
  Ordner o;
  o.Schreiben("datei.txt", "x");
  o.Unterordner("A");
  AktuellerOrdner hier(o.Pfad());
  EXPECT_TRUE(DateiExistiert("datei.txt"));
  EXPECT_TRUE(AdresseExistiert("datei.txt"));
  EXPECT_FALSE(DateiExistiert("fehlt.txt"));
  EXPECT_FALSE(AdresseExistiert("A\\"));
  EXPECT_FALSE(AdresseExistiert("A"));
  EXPECT_FALSE(ExistiertAls('v', "A\\"));
}

TEST(ExistiertAls, PatternsEndingInStarAskWhatAFolderHolds) {
  Ordner o;
  o.Unterordner("leer");
  o.Unterordner("dateien");
  o.Schreiben("dateien\\a1.txt", "x");
  o.Unterordner("versteckt");
  ASSERT_TRUE(Attribute(o.Schreiben("versteckt\\h.txt", "x"),
                                             platform::kAttributeHidden | platform::kAttributeSystem));
  o.Unterordner("ordner");
  o.Unterordner("ordner\\s1");
  o.Unterordner("ordner\\s2");
  o.Unterordner("gemischt");
  o.Unterordner("gemischt\\a");
  o.Unterordner("gemischt\\b");
  o.Schreiben("gemischt\\c.txt", "x");
  o.Unterordner("gemischt\\d");

  struct Fall {
    const char* muster;
    bool datei;   // "d" and "D"
    bool ordner;  // "v" and "V"
    bool eines;   // "o", "x", "\0"
  };
  const Fall faelle[] = {
      {"leer\\*", false, false, false},
      {"dateien\\*", true, false, true},
      {"versteckt\\*", true, false, true},
      {"ordner\\*", false, true, true},
      {"gemischt\\*", true, true, true},
      {"gemischt\\?.*", true, true, true},
      {"ordner\\s*", false, true, true},
      {"fehlt\\*", false, false, false},
  };
  for (const Fall& f : faelle) {
    const std::string muster = o.Voll(f.muster);
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
  EXPECT_TRUE(DateiExistiert(o.Voll("dateien\\a?.txt")));
  EXPECT_TRUE(AdresseExistiert(o.Voll("dateien\\a?.txt")));
  EXPECT_FALSE(AdresseExistiert(o.Voll("ordner\\s?")));
  EXPECT_FALSE(ExistiertAls('v', o.Voll("ordner\\s?")));
}

TEST(VerzeichnisMachen, LeavesExistingFoldersAsTheyAre) {
  Ordner o;
  const std::string a = o.Unterordner("A");
  o.Schreiben("A\\inhalt.txt", "bleibt");
  for (bool dauerhaft : {true, false}) {
    EXPECT_TRUE(VerzeichnisMachen(a, dauerhaft));
    EXPECT_TRUE(VerzeichnisMachen(OhneEndBackslash(a), dauerhaft));
    EXPECT_EQ(o.Lesen("A\\inhalt.txt"), "bleibt");
  }
  EXPECT_TRUE(VerzeichnisMachen("C:\\", false));
}

TEST(VerzeichnisMachen, CreatesNothingWithoutAnExistingRoot) {
  ASSERT_EQ(platform::FileAttributes("Q:\\"), platform::kInvalidAttributes) << "drive Q: must not exist";
  EXPECT_FALSE(VerzeichnisMachen("Q:\\x\\", true));
  EXPECT_FALSE(VerzeichnisMachen("Q:\\x\\y", false));

  Ordner o;
  AktuellerOrdner hier(o.Pfad());
  EXPECT_FALSE(VerzeichnisMachen("fehlt\\neu\\", true));
  EXPECT_FALSE(VerzeichnisMachen("fehlt", true));
  EXPECT_TRUE(o.Namen("").empty());

  // A relative chain whose first level exists is made below the current folder.
  o.Unterordner("da");
  EXPECT_TRUE(VerzeichnisMachen("da\\neu\\tief", true));
  EXPECT_TRUE(fs::is_directory(o.Voll("da\\neu\\tief")));
}

TEST(VerzeichnisMachen, MakesADeepChainOrOnlyProbesForIt) {
  Ordner o;
  o.Unterordner("A");
  o.Schreiben("A\\alt.txt", "alt");

  EXPECT_TRUE(VerzeichnisMachen(o.Voll("A\\B\\C\\D\\E\\F"), false));
  EXPECT_EQ(o.Namen("A"), std::set<std::string>{"alt.txt"});

  EXPECT_TRUE(VerzeichnisMachen(o.Voll("A\\B\\C\\D\\E\\F\\"), true));
  EXPECT_TRUE(fs::is_directory(o.Voll("A\\B\\C\\D\\E\\F")));
  EXPECT_EQ(o.Lesen("A\\alt.txt"), "alt");

  // Probing below a partly existing chain removes only what the probe made.
  EXPECT_TRUE(VerzeichnisMachen(o.Voll("A\\B\\C\\X\\Y\\"), false));
  EXPECT_EQ(o.Namen("A\\B\\C"), std::set<std::string>{"D"});
  EXPECT_TRUE(fs::is_directory(o.Voll("A\\B\\C\\D\\E\\F")));
}

TEST(VerzeichnisMachen, RollsBackAChainThatCannotBeFinished) {
  Ordner o;
  o.Unterordner("A");
  o.Schreiben("A\\alt.txt", "alt");
  o.Unterordner("A\\alt");
  o.Schreiben("A\\datei", "eine Datei, kein Ordner");

  // A name the system refuses, deeper down the chain.
  EXPECT_FALSE(VerzeichnisMachen(o.Voll("A\\neu\\tiefer\\un|gültig\\x\\"), true));
  // A file standing where a level should be.
  EXPECT_FALSE(VerzeichnisMachen(o.Voll("A\\datei\\x\\"), true));
  EXPECT_FALSE(VerzeichnisMachen(o.Voll("A\\datei\\x\\"), false));

  EXPECT_EQ(o.Namen("A"), (std::set<std::string>{"alt", "alt.txt", "datei"}));
  EXPECT_EQ(o.Lesen("A\\alt.txt"), "alt");
  EXPECT_EQ(o.Lesen("A\\datei"), "eine Datei, kein Ordner");
  EXPECT_TRUE(fs::is_directory(o.Voll("A\\alt")));
}

// Another thread stands for another process: as soon as a probing call has made the level "neu",
// it puts a file of its own there. The probe then takes back only its own empty folders. Where
// the thread gets in differs from run to run, so the race is run several times.
TEST(VerzeichnisMachen, KeepsWhatAnotherProcessPutIntoAFolderItMade) {
  Ordner o;
  o.Unterordner("A");
  const std::string neu = o.Voll("A\\neu");
  const std::string fremd = neu + "\\fremd.txt";
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
        std::FILE* f = std::fopen(fremd.c_str(), "wb");
        if (f == nullptr) continue;
        std::fputs("fremd", f);
        std::fclose(f);
        drin = true;
        return;
      }
    });
    for (int i = 0; i < 20000 && !drin; ++i) VerzeichnisMachen(neu + "\\x\\y\\", false);
    aufhoeren = true;
    anderer.join();
    ASSERT_TRUE(drin) << "the other thread never got between a probe's creation and its roll-back";
    VerzeichnisMachen(neu + "\\x\\y\\", false);
    EXPECT_EQ(o.Lesen("A\\neu\\fremd.txt"), "fremd");
    EXPECT_EQ(o.Namen("A\\neu"), std::set<std::string>{"fremd.txt"});
    std::remove(fremd.c_str());
    platform::RemoveEmptyFolder(neu);
  }
}

TEST(AdresseLoeschen, DeletesFilesAndFoldersWithTheirContents) {
  Ordner o;
  o.Unterordner("A");
  o.Unterordner("A\\B");
  o.Schreiben("A\\B\\c.txt", "x");
  o.Schreiben("A\\d.txt", "x");
  o.Schreiben("e.txt", "x");
  o.Schreiben("Menü.lnk", "x");

  EXPECT_TRUE(AdresseLoeschen(o.Voll("A\\"), false));
  EXPECT_TRUE(AdresseLoeschen(o.Voll("e.txt"), false));
  EXPECT_TRUE(AdresseLoeschen(o.Voll("Menü.lnk"), false));
  EXPECT_TRUE(o.Namen("").empty());
  EXPECT_FALSE(AdresseLoeschen(o.Voll("fehlt.txt"), false));
  EXPECT_FALSE(AdresseLoeschen(o.Voll("fehlt\\"), false));

  // An empty path names nothing, not the current folder.
  o.Schreiben("bleibt.txt", "x");
  AktuellerOrdner hier(o.Pfad());
  EXPECT_FALSE(AdresseLoeschen("", false));
  EXPECT_FALSE(AdresseLoeschen("\\\\", false));
  EXPECT_EQ(o.Namen(""), std::set<std::string>{"bleibt.txt"});
}

TEST(AdresseLoeschen, NeverDeletesByPattern) {
  Ordner o;
  const std::set<std::string> alle = {"Was ist neu1.lnk", "Was ist neuX.lnk", "Anderes.lnk", "Sub"};
  o.Schreiben("Was ist neu1.lnk", "1");
  o.Schreiben("Was ist neuX.lnk", "X");
  o.Schreiben("Anderes.lnk", "A");
  o.Unterordner("Sub");

  // A menu text with a question mark names a shortcut that matches the other shortcuts.
  const std::string frage = o.Voll("Was ist neu?.lnk");
  ASSERT_TRUE(DateiExistiert(frage)) << "the pattern must match real files";
  for (const std::string& muster : {frage, o.Voll("*"), o.Voll("*.lnk"), o.Voll("Sub*\\"), o.Voll("S?b")}) {
    EXPECT_FALSE(AdresseLoeschen(muster, false)) << muster;
    EXPECT_FALSE(AdresseLoeschen(muster, true)) << muster;
    EXPECT_EQ(o.Namen(""), alle) << muster;
  }

  // What the shell itself makes of the same source list.
  EXPECT_EQ(platform::ShellFileOperation(platform::kShellDelete, frage, "", 1044), 0);
  EXPECT_EQ(o.Namen(""), (std::set<std::string>{"Anderes.lnk", "Sub"}));
}

TEST(DateiKopieren, ReplacesTheTargetAndMakesItsFolder) {
  Ordner o;
  o.Unterordner("Q");
  o.Schreiben("Q\\prog.exe", "neu");
  o.Unterordner("Z");
  o.Schreiben("Z\\prog.exe", "alt und länger");

  EXPECT_TRUE(DateiKopieren(o.Voll("Q\\prog.exe"), o.Voll("Z\\prog.exe")));
  EXPECT_EQ(o.Lesen("Z\\prog.exe"), "neu");
  EXPECT_TRUE(DateiKopieren(o.Voll("Q\\prog.exe"), o.Voll("Neu\\Tief\\Prögramm.exe")));
  EXPECT_EQ(o.Lesen("Neu\\Tief\\Prögramm.exe"), "neu");
  EXPECT_EQ(o.Lesen("Q\\prog.exe"), "neu");

  EXPECT_FALSE(DateiKopieren(o.Voll("Q\\fehlt.exe"), o.Voll("Ziel\\Unter\\fehlt.exe")));
  EXPECT_TRUE(fs::is_directory(o.Voll("Ziel\\Unter")));
  EXPECT_TRUE(o.Namen("Ziel\\Unter").empty());

  AktuellerOrdner hier(o.Pfad());
  EXPECT_FALSE(DateiKopieren(o.Voll("Q\\prog.exe"), "ohneOrdner.exe"));
  EXPECT_FALSE(o.Da("ohneOrdner.exe"));
}

TEST(KopierenVerschieben, CopiesAFolderUnderItsOwnNameOnlyWhenTheNamesMatch) {
  Ordner o;
  o.Unterordner("A");
  o.Unterordner("A\\Sub");
  o.Schreiben("A\\Sub\\f.txt", "f");
  o.Unterordner("A\\Änd");
  o.Schreiben("A\\Änd\\g.txt", "g");

  EXPECT_TRUE(KopierenVerschieben('k', o.Voll("A\\"), "Sub", o.Voll("B\\"), "sub"));
  EXPECT_EQ(o.Namen("B"), std::set<std::string>{"Sub"});
  EXPECT_EQ(o.Lesen("B\\Sub\\f.txt"), "f");

  EXPECT_TRUE(DateiKopieren(o.Voll("A\\Sub"), o.Voll("C\\Other")));
  EXPECT_EQ(o.Namen("C"), std::set<std::string>{"Other"});
  EXPECT_EQ(o.Lesen("C\\Other\\f.txt"), "f");

  // "Ä" and "ä" are different names, so the target is taken as written.
  EXPECT_TRUE(DateiKopieren(o.Voll("A\\Änd\\"), o.Voll("D\\änd\\")));
  EXPECT_EQ(o.Namen("D"), std::set<std::string>{"änd"});
  EXPECT_EQ(o.Lesen("D\\änd\\g.txt"), "g");
  EXPECT_EQ(o.Namen("A"), (std::set<std::string>{"Sub", "Änd"}));
}

TEST(KopierenVerschieben, MovesForEveryKindButLowerCaseK) {
  Ordner o;
  o.Unterordner("Q");
  o.Unterordner("Z");
  for (char art : {'K', 'v', 'm', 'x', '\0'}) {
    const std::string name = "f" + std::to_string(static_cast<int>(art)) + ".txt";
    o.Schreiben("Q\\" + name, name);
    EXPECT_TRUE(KopierenVerschieben(art, o.Voll("Q\\"), name, o.Voll("Z\\"), name)) << art;
    EXPECT_FALSE(o.Da("Q\\" + name)) << static_cast<int>(art);
    EXPECT_EQ(o.Lesen("Z\\" + name), name);
  }
  o.Unterordner("Q\\Ordner");
  o.Schreiben("Q\\Ordner\\i.txt", "i");
  EXPECT_TRUE(KopierenVerschieben('M', o.Voll("Q\\"), "Ordner", o.Voll("Z\\Neu\\"), "ORDNER"));
  EXPECT_FALSE(o.Da("Q\\Ordner"));
  EXPECT_EQ(o.Lesen("Z\\Neu\\Ordner\\i.txt"), "i");

  o.Schreiben("Q\\bleibt.txt", "b");
  EXPECT_TRUE(KopierenVerschieben('k', o.Voll("Q\\"), "bleibt.txt", o.Voll("Z\\"), "kopie.txt"));
  EXPECT_EQ(o.Lesen("Q\\bleibt.txt"), "b");
  EXPECT_EQ(o.Lesen("Z\\kopie.txt"), "b");
}

TEST(DateiGroesse, ReadsAll64BitsAndGivesZeroForNothing) {
  Ordner o;
  const std::int64_t gross = (std::int64_t{5} << 30) + 1;  // beyond 4 GiB
  const std::string sparsam = o.Voll("gross.bin");
  std::FILE* f = std::fopen(sparsam.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  // Only the last byte is written: the file stays sparse on the Linux disk.
  ASSERT_EQ(_fseeki64(f, gross - 1, SEEK_SET), 0);
  ASSERT_EQ(std::fputc('!', f), '!');
  ASSERT_EQ(std::fclose(f), 0);

  EXPECT_EQ(DateiGroesse(sparsam), gross);
  EXPECT_EQ(DateiGroesse(o.Schreiben("leer.txt", "")), 0);
  EXPECT_EQ(DateiGroesse(o.Schreiben("drei.txt", "abc")), 3);
  EXPECT_EQ(DateiGroesse(o.Voll("fehlt.txt")), 0);
  EXPECT_EQ(DateiGroesse(o.Voll("dr?i.txt")), 3);
}
