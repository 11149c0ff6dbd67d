// The commands on real files: their exit statuses, what they write, and that a refusal leaves every
// file as it was.
#include <cstdio>
#include <initializer_list>

#include <gtest/gtest.h>

#include "install/_block.h"
#include "maker/Befehle.h"
#include "maker/Blocktext.h"
#include "maker/Vorlage.h"
#include "platform/WholeFile.h"
#include "tests/maker/Hilfen.h"
#include "tests/support/Testordner.h"

using macher::Block;
using macher::kBeispiel;
using macher::Utf8;

namespace {

std::string Lesen(const std::string& pfad) {
  std::string inhalt;
  return platform::ReadWholeFile(pfad, inhalt) ? inhalt : "(fehlt)";
}

TZQLauf Lauf(std::initializer_list<std::string> argumente) { return Ausfuehren(argumente); }

bool Enthaelt(const std::string& text, const std::string& teil) { return text.find(teil) != std::string::npos; }

const std::string kFehlerText =
    "Die Installation ist nicht möglich.\r\n\r\nDiese Dateien sollen installiert werden:\r\n- a.exe\r\n- b.exe\r\n"
    "- Setup.exe\r\n\r\nDiese Dateien fehlen:\r\n- a.exe";

class Befehle : public ::testing::Test {
 protected:
  Testordner ordner;
  const std::string exe = ordner.Datei("Setup.exe", macher::Programm());
  const std::string block = ordner.Datei("block.txt", Utf8(u8"Codierung:\n#ZQ1#\n#n=Zählwerk\n#z=P\n#m=135\n"
                                                           u8"#d=Prog.exe,Zählwerk öffnen\n#ZQ1#\n"));
  const std::string aus = ordner.Pfad() + "Mein Setup.exe";
};

}  // namespace

TEST_F(Befehle, ExitStatuses) {
  EXPECT_EQ(Lauf({}).Status, kFertig);
  EXPECT_TRUE(Enthaelt(Lauf({"--help"}).Ausgabe, "Aufruf:"));
  EXPECT_EQ(Lauf({"pruefen", "-h"}).Status, kFertig);
  for (const auto& falsch : std::vector<std::vector<std::string>>{
           {"tanzen"}, {"vorlage", "x"}, {"pruefen"}, {"pruefen", block, block}, {"pruefen", block, "--bunt"},
           {"pruefen", block, "-o"}, {"anhaengen", exe, block}, {"seitendatei", block}}) {
    const TZQLauf lauf = Ausfuehren(falsch);
    EXPECT_EQ(lauf.Status, kVerweigert) << falsch[0];
    EXPECT_TRUE(Enthaelt(lauf.Fehler, "falscher Aufruf")) << falsch[0];
  }
  EXPECT_TRUE(Enthaelt(Lauf({"pruefen", ordner.Pfad() + "fehlt.txt"}).Fehler, "lässt sich nicht lesen"));
  EXPECT_EQ(Lauf({"pruefen", block, "--ordner", ordner.Pfad() + "nirgends"}).Status, kVerweigert);
  EXPECT_EQ(Lauf({"pruefen", ordner.Datei("kaputt.exe", "MZ kein Programm")}).Status, kVerweigert);

  EXPECT_EQ(Lauf({"pruefen", block}).Status, kFehlerseite) << "Prog.exe is missing";
  ordner.Datei("PROG.EXE", "x");
  const TZQLauf gut = Lauf({"pruefen", block});
  EXPECT_EQ(gut.Status, kFertig) << "found as Windows finds it, whatever the letter case\n" << gut.Ausgabe;
  EXPECT_TRUE(Enthaelt(gut.Ausgabe, "Programm-Name: Zählwerk\n"));
}

TEST_F(Befehle, PruefenShowsTheErrorPageAsTheInstallerBuildsIt) {
  Testordner andere;
  andere.Datei("b.exe", "b");
  const std::string datei = ordner.Datei("zwei.txt", Block({"#n=x", "#z=P", "#m=1", "#d=a.exe,A", "#d=b.exe", "#d=A.EXE,B"}));
  const TZQLauf text = Lauf({"pruefen", datei, "--ordner", andere.Pfad()});
  EXPECT_EQ(text.Status, kFehlerseite);
  EXPECT_TRUE(Enthaelt(text.Ausgabe, "Fehlerseite:\n" + kFehlerText + "\n")) << text.Ausgabe;
  EXPECT_TRUE(Enthaelt(text.Ausgabe, "  a.exe: fehlt\n  b.exe: vorhanden\n"));
  const TZQLauf json = Lauf({"pruefen", datei, "--ordner", andere.Pfad(), "--json"});
  EXPECT_EQ(json.Status, kFehlerseite);
  EXPECT_TRUE(Enthaelt(json.Ausgabe,
                       "\"fehlerseite\":\"Die Installation ist nicht möglich.\\r\\n\\r\\nDiese Dateien sollen "
                       "installiert werden:\\r\\n- a.exe\\r\\n- b.exe\\r\\n- Setup.exe\\r\\n\\r\\nDiese Dateien "
                       "fehlen:\\r\\n- a.exe\""))
      << json.Ausgabe;
  EXPECT_TRUE(Enthaelt(json.Ausgabe, "\"ergebnis\":\"fehlerseite\"}"));
}

TEST_F(Befehle, TheTemplateLeavesRoomForADozenFileLines) {
  const TZQBlock leer = BlockLesen(QuelleAusBlocktext(Vorlage()).Bytes, [](const std::wstring&) { return true; });
  EXPECT_EQ(leer.Ziel, L"P") << "help lines are no settings";
  EXPECT_EQ(leer.Menue, L"135");
  EXPECT_EQ(leer.Dateien.size(), 1u);

  std::string voll = Vorlage();
  std::string zeilen;
  for (int i = 10; i < 22; ++i) zeilen += "#d=Programmteil " + std::to_string(i) + ".exe,Ein Menütext von ziemlich guter Länge\n";
  ASSERT_EQ(zeilen.size(), 12u * 61);
  voll.replace(voll.find("#n=\n"), 4, "#n=mein Super-Programm\n");
  voll.replace(voll.find("#d=\n"), 4, zeilen);
  const TZQLauf lauf = Lauf({"anhaengen", exe, ordner.Datei("voll.txt", voll), "-o", aus});
  EXPECT_EQ(lauf.Status, kFertig) << lauf.Fehler;
}

TEST_F(Befehle, AnhaengenWritesAnInstallerThatReadsBack) {
  const std::string vorher = Lesen(exe);
  const TZQLauf lauf = Lauf({"anhaengen", exe, block, "-o", aus});
  ASSERT_EQ(lauf.Status, kFertig) << lauf.Fehler;
  EXPECT_EQ(Lesen(exe), vorher);
  EXPECT_EQ(Lesen(aus), vorher + "Codierung:\r\n#ZQ1#\r\n#n=Z\xE4hlwerk\r\n#z=P\r\n#m=135\r\n"
                                 "#d=Prog.exe,Z\xE4hlwerk \xF6" "ffnen\r\n#ZQ1#\r\n");
  EXPECT_EQ(Lesen(aus + ".setupblock-neu"), "(fehlt)");
  ordner.Datei("Prog.exe", "x");
  const TZQLauf pruefen = Lauf({"pruefen", aus});
  EXPECT_EQ(pruefen.Status, kFertig) << pruefen.Ausgabe;
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "der Block am Ende von"));
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "Mein Setup.exe: vorhanden"));
}

TEST_F(Befehle, TheFileWrittenThroughIsNewAndNoLinkIsFollowed) {
  const std::string geschrieben = macher::Programm() + "Codierung:\r\n#ZQ1#\r\n#n=Z\xE4hlwerk\r\n#z=P\r\n#m=135\r\n"
                                                         "#d=Prog.exe,Z\xE4hlwerk \xF6" "ffnen\r\n#ZQ1#\r\n";
  // A file of the name it would take, left by another run or put there by anyone, stays as it was.
  const std::string belegt = ordner.Datei("Mein Setup.exe.setupblock-neu", "fremd");
  ASSERT_EQ(Lauf({"anhaengen", exe, block, "-o", aus}).Status, kFertig);
  EXPECT_EQ(Lesen(belegt), "fremd");
  EXPECT_EQ(Lesen(aus), geschrieben);
#ifndef _WIN32
  // A link there is not followed: the file it names stays as it was.
  const std::string ziel = ordner.Datei("Ziel.txt", "unberührt");
  std::filesystem::remove(belegt);
  std::filesystem::create_symlink(ziel, belegt);
  std::filesystem::remove(aus);
  ASSERT_EQ(Lauf({"anhaengen", exe, block, "-o", aus}).Status, kFertig);
  EXPECT_EQ(Lesen(ziel), "unberührt");
  EXPECT_TRUE(std::filesystem::is_symlink(belegt));
  EXPECT_EQ(Lesen(aus), geschrieben);
#endif
}

TEST_F(Befehle, AnhaengenReplacesTheBlockOfItsInputAndAddsAMissingLeader) {
  ASSERT_EQ(Lauf({"anhaengen", exe, block, "-o", aus}).Status, kFertig);
  const std::string zweiter = ordner.Datei("zweiter.txt", "#ZQ1#\n#n=Zwei\n#ZQ1#\n");
  const std::string neu = ordner.Pfad() + "Neu.exe";
  const TZQLauf lauf = Lauf({"anhaengen", aus, zweiter, "-o", neu});
  ASSERT_EQ(lauf.Status, kFertig) << lauf.Fehler;
  EXPECT_EQ(Lesen(neu), macher::Programm() + "Codierung:\r\n#ZQ1#\r\n#n=Zwei\r\n#ZQ1#\r\n");
  EXPECT_TRUE(Enthaelt(lauf.Ausgabe, "hat der neue Block ersetzt"));
  EXPECT_TRUE(Enthaelt(lauf.Ausgabe, "Dem Block fehlen Einstellungen")) << "written all the same, with a warning";
  // A block that lost its closing marker is replaced all the same.
  ordner.Datei("halb.exe", macher::Programm() + "Codierung:\r\n#ZQ1#\r\n#n=Halb\r\n");
  ASSERT_EQ(Lauf({"anhaengen", ordner.Pfad() + "halb.exe", zweiter, "-o", neu}).Status, kFertig);
  EXPECT_EQ(Lesen(neu), macher::Programm() + "Codierung:\r\n#ZQ1#\r\n#n=Zwei\r\n#ZQ1#\r\n");
}

TEST_F(Befehle, AnhaengenRefusesAndLeavesEveryFileAsItWas) {
  const std::string alt = ordner.Datei("Mein Setup.exe", "alt");
  const std::string vorher = Lesen(exe);
  const auto verweigert = [&](const std::string& setup, const std::string& text, const std::string& grund) {
    const TZQLauf lauf = Lauf({"anhaengen", setup, ordner.Datei("b.txt", text), "-o", aus});
    EXPECT_EQ(lauf.Status, kVerweigert) << grund;
    EXPECT_TRUE(Enthaelt(lauf.Fehler, grund)) << lauf.Fehler;
    EXPECT_EQ(Lesen(aus), "alt") << grund;
    EXPECT_EQ(Lesen(aus + ".setupblock-neu"), "(fehlt)") << grund;
  };
  verweigert(block, Block(kBeispiel), "ist kein Windows-Programm");
  std::vector<std::string> lang = kBeispiel;
  for (int i = 0; i < 40; ++i) lang.push_back("Eine Zeile Erklärung, 50 Bytes lang, mit CR und LF");
  const std::string gross = Block(lang);
  verweigert(exe, gross, std::to_string(gross.size()) + " Bytes lang, " + std::to_string(gross.size() - 2000) + " zu viel");
  verweigert(exe, Utf8(u8"Codierung:\n#ZQ1#\n#n=a → b\n#ZQ1#\n"), "Zeile 3, Spalte 6: U+2192");
  verweigert(exe, Block(kBeispiel, " "), "fände das Installationsprogramm keinen Block");
  verweigert(exe, "\xFF\xFE#\0Z\0", "UTF-16");
  EXPECT_EQ(Lesen(exe), vorher);

  const TZQLauf selbst = Lauf({"anhaengen", exe, block, "-o", exe});
  EXPECT_EQ(selbst.Status, kVerweigert);
  EXPECT_EQ(Lesen(exe), vorher);
}

TEST_F(Befehle, TheSideFileWinsOverTheAppendedBlock) {
  ASSERT_EQ(Lauf({"anhaengen", exe, block, "-o", aus}).Status, kFertig);
  const std::string seite = ordner.Pfad() + "Mein Setup.INI";
  const TZQLauf schreiben = Lauf({"seitendatei", ordner.Datei("s.txt", Block({"#n=Seite"})), "-o", seite});
  ASSERT_EQ(schreiben.Status, kFertig) << schreiben.Fehler;
  EXPECT_EQ(Lesen(seite), Block({"#n=Seite"}));

  const TZQLauf pruefen = Lauf({"pruefen", aus, "--json"});
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "\"art\":\"programm\"")) << pruefen.Ausgabe;
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "Mein Setup.INI\",\"beschreibung\":\"die Seitendatei"));
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "\"programmName\":\"Seite\""));
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "\"art\":\"block-uebergangen\""));
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "\"liest\":\"seitendatei\""));
  EXPECT_TRUE(Enthaelt(pruefen.Ausgabe, "\"art\":\"seitendatei-steuert\""));
  EXPECT_TRUE(Enthaelt(Lauf({"anhaengen", exe, block, "-o", aus}).Ausgabe, "liegt die Seitendatei"));
  EXPECT_TRUE(Enthaelt(Lauf({"seitendatei", block, "-o", ordner.Pfad() + "x.txt"}).Ausgabe, "mit „INI“"));
}

TEST_F(Befehle, ASignedExecutableGetsItsBlockBeforeTheSignature) {
  const std::string umgewandelt = "Codierung:\r\n#ZQ1#\r\n#n=Z\xE4hlwerk\r\n#z=P\r\n#m=135\r\n"
                                  "#d=Prog.exe,Z\xE4hlwerk \xF6" "ffnen\r\n#ZQ1#\r\n";
  ordner.Datei("Prog.exe", "x");
  const std::string stub = ordner.Datei("Signiert.exe", macher::Signiert(macher::Programm()));
  const TZQLauf ohne = Lauf({"pruefen", stub, "--json"});
  EXPECT_EQ(ohne.Status, kFehlerseite);
  EXPECT_TRUE(Enthaelt(ohne.Ausgabe, "\"signiert\":true,\"blockSigniert\":false")) << ohne.Ausgabe;
  EXPECT_TRUE(Enthaelt(ohne.Ausgabe, "\"art\":\"signiert\""));

  // Attached: the signature goes, the block takes its place, and the maker is told to sign again.
  const TZQLauf anhaengen = Lauf({"anhaengen", stub, block, "-o", aus});
  ASSERT_EQ(anhaengen.Status, kFertig) << anhaengen.Fehler;
  EXPECT_EQ(Lesen(aus), macher::Programm() + umgewandelt);
  EXPECT_TRUE(Enthaelt(anhaengen.Ausgabe, "die Signatur ist entfernt. Signieren Sie")) << anhaengen.Ausgabe;

  // Signed again, the block lies in the signed part ...
  const std::string neu = ordner.Datei("Neu.exe", macher::Signiert(Lesen(aus)));
  const TZQLauf gedeckt = Lauf({"pruefen", neu});
  EXPECT_EQ(gedeckt.Status, kFertig) << gedeckt.Ausgabe;
  EXPECT_TRUE(Enthaelt(gedeckt.Ausgabe, "Signatur: ja, sie deckt den Block\n")) << gedeckt.Ausgabe;
  EXPECT_TRUE(Enthaelt(gedeckt.Ausgabe, "Programm-Name: Zählwerk\n"));
  EXPECT_FALSE(Enthaelt(gedeckt.Ausgabe, "signiert:")) << "no warning on signing";
  // A side file beside it changes nothing, and the maker is told so.
  ordner.Datei("Neu.INI", Block({"#n=Fremd"}));
  const TZQLauf seite = Lauf({"pruefen", neu, "--json"});
  EXPECT_FALSE(Enthaelt(seite.Ausgabe, "\"programmName\":\"Fremd\"")) << seite.Ausgabe;
  EXPECT_TRUE(Enthaelt(seite.Ausgabe, "\"liest\":\"signierter-block\""));
  EXPECT_TRUE(Enthaelt(seite.Ausgabe, "\"art\":\"seitendatei-uebergangen\""));
  std::remove((ordner.Pfad() + "Neu.INI").c_str());
  // ... and attaching to it again replaces that block, the zeros that aligned the table with it.
  const std::string zwei = ordner.Datei("zwei.txt", "#ZQ1#\n#n=Zwei\n#ZQ1#\n");
  ASSERT_EQ(Lauf({"anhaengen", neu, zwei, "-o", aus}).Status, kFertig);
  EXPECT_EQ(Lesen(aus), macher::Programm() + "Codierung:\r\n#ZQ1#\r\n#n=Zwei\r\n#ZQ1#\r\n");

  // A block attached after signing is read as before, and the maker warned.
  const std::string danach = ordner.Datei("Danach.exe", Lesen(neu) + Block({"#n=Danach"}));
  const TZQLauf hinten = Lauf({"pruefen", danach, "--json"});
  EXPECT_TRUE(Enthaelt(hinten.Ausgabe, "\"programmName\":\"Danach\"")) << hinten.Ausgabe;
  EXPECT_TRUE(Enthaelt(hinten.Ausgabe, "\"signiert\":true,\"blockSigniert\":false"));
  EXPECT_TRUE(Enthaelt(hinten.Ausgabe, "\"art\":\"block-nach-signatur\""));
  EXPECT_TRUE(Enthaelt(Lauf({"pruefen", exe}).Ausgabe, "Signatur: keine\n"));
}
