// Every trap a maker falls into, each on a small block that shows it, with the line it is found on
// and what the installer makes of the block all the same.
#include <gtest/gtest.h>

#include "maker/Pruefung.h"
#include "tests/maker/Hilfen.h"

using macher::Block;
using macher::kBeispiel;
using macher::Utf8;
using macher::Warnung;
using Zeilen = std::vector<std::int32_t>;

namespace {

TZQBefund Text(const std::string& text) { return Pruefen(QuelleAusBlocktext(text), nullptr, "Setup.exe"); }
TZQBefund Seitendatei(const std::string& bytes) {
  return Pruefen(QuelleAusBytes(TZQQuellart::Seitendatei, bytes, 0), nullptr, "Setup.exe");
}
TZQBefund Angehaengt(const std::string& block) {
  const std::string exe = macher::Programm();
  return Pruefen(QuelleAusBytes(TZQQuellart::Programm, exe + block, exe.size()), nullptr, "Setup.exe");
}
Zeilen Bei(const TZQBefund& befund, const std::string& art) { return macher::Zeilen(befund, art); }
std::vector<std::string> Mit(std::vector<std::string> zeilen, const std::string& dazu) {
  zeilen.push_back(dazu);
  return zeilen;
}

}  // namespace

TEST(Warnungen, TheCompleteExampleHasNone) {
  const TZQBefund b = Seitendatei(Block(kBeispiel));
  EXPECT_TRUE(b.Warnungen.empty()) << b.Warnungen[0].Text;
  EXPECT_TRUE(b.Gefunden);
  EXPECT_TRUE(b.Urteil.Fehler.empty());
  EXPECT_EQ(b.Zielvorschlag, "<Programme>\\mein Super-Programm\\");
  EXPECT_EQ(b.Menues, "135");
  ASSERT_EQ(b.Dateien.size(), 1u);
  EXPECT_EQ(b.Dateien[0].Zeile, 6);
  EXPECT_EQ(b.Dateien[0].Verknuepfungen,
            (std::vector<std::string>{"<Desktop aller Benutzer>\\Mein Menü-Text.lnk", "<Schnellstart>\\Mein Menü-Text.lnk"}));
  EXPECT_EQ(b.Dateien[0].Verben, std::vector<std::string>{"HKEY_CLASSES_ROOT\\*\\shell\\Mein Menü-Text ..."});
  EXPECT_EQ(b.Dateien[0].Befehlszeile, "\"<Programme>\\mein Super-Programm\\Meine Datei.txt\" \"%1\"");
}

TEST(Warnungen, LineEndsOfLfAloneHideTheBlockFromTheInstaller) {
  std::string lf = Block(kBeispiel);
  for (std::size_t p = lf.find("\r\n"); p != std::string::npos; p = lf.find("\r\n", p)) lf.erase(p, 1);
  const TZQBefund seite = Seitendatei(lf);
  EXPECT_EQ(Bei(seite, "zeilenende"), Zeilen{1});
  EXPECT_FALSE(seite.Gefunden);
  EXPECT_FALSE(seite.Block.HatName);
  // As a block text it is converted, and the warning only says so.
  const TZQBefund text = Text(lf);
  EXPECT_EQ(Bei(text, "zeilenende"), Zeilen{1});
  EXPECT_TRUE(text.Gefunden);
  EXPECT_TRUE(text.Urteil.Fehler.empty());
}

TEST(Warnungen, Utf8WhereTheInstallerReads1252) {
  const TZQBefund b = Seitendatei(Block({"#n=x", "#z=P", "#m=1", Utf8(u8"#d=a.exe,Menü")}));
  EXPECT_EQ(Bei(b, "utf8"), Zeilen{6});
  EXPECT_NE(Warnung(b, "utf8").find("„\xC3\xBC“ ist UTF-8 für „\xFC“"), std::string::npos) << Warnung(b, "utf8");
  EXPECT_EQ(b.Dateien[0].Datei.Text, L"Men\u00C3\u00BC") << "the installer shows the two characters";
  // Converted from UTF-8 once more, the text was UTF-8 twice.
  EXPECT_EQ(Bei(Text(Utf8(u8"Codierung:\n#ZQ1#\n#n=MenÃ¼\n#ZQ1#\n")), "utf8"), Zeilen{3});
}

TEST(Warnungen, CharactersThat1252Lacks) {
  const TZQBefund text = Text(Utf8(u8"Codierung:\n#ZQ1#\n#n=Pfeil →\n#ZQ1#\n"));
  EXPECT_EQ(Bei(text, "kein-cp1252"), Zeilen{3});
  EXPECT_NE(Warnung(text, "kein-cp1252").find("U+2192 in Spalte 10"), std::string::npos);
  EXPECT_EQ(Bei(Seitendatei(Block({"#n=a\x90"})), "kein-cp1252"), Zeilen{3});
}

TEST(Warnungen, TheClosingMarkerMustEndTheText) {
  const TZQBefund leer = Seitendatei(Block(kBeispiel, " \r\n"));
  EXPECT_EQ(Bei(leer, "nach-schlussmarke"), Zeilen{7});
  EXPECT_NE(Warnung(leer, "nach-schlussmarke").find("ein Leerzeichen"), std::string::npos);
  EXPECT_FALSE(leer.Gefunden);
  EXPECT_NE(Warnung(Seitendatei(Block(kBeispiel, "\r\nEnde\r\n")), "nach-schlussmarke").find("„Ende“"),
            std::string::npos);
  const TZQBefund zeilenenden = Seitendatei(Block(kBeispiel, "\r\n\r\n\r\n"));
  EXPECT_TRUE(zeilenenden.Warnungen.empty());
  EXPECT_TRUE(zeilenenden.Gefunden);
}

TEST(Warnungen, MarkersInAnotherLetterCase) {
  std::string text = Block(kBeispiel);
  text.replace(text.rfind("#ZQ1#"), 5, "#zQ1#");
  const TZQBefund b = Seitendatei(text);
  EXPECT_EQ(Bei(b, "marke-schreibweise"), Zeilen{7});
  EXPECT_FALSE(b.Gefunden);
  EXPECT_EQ(Bei(b, "mehrfach"), Zeilen{}) << "the settings are still looked at";
  EXPECT_EQ(Bei(Seitendatei("Codierung:\r\n#n=x\r\n"), "kein-block"), Zeilen{0});
}

TEST(Warnungen, ABlockOutsideTheLast2000Bytes) {
  std::vector<std::string> lang = kBeispiel;
  for (int i = 0; i < 40; ++i) lang.push_back("Eine Zeile Erklärung, wie sie ein Macher schreibt, 60 Bytes.");
  const std::string block = Block(lang);
  ASSERT_GT(block.size(), 2000u);
  const TZQBefund b = Angehaengt(block);
  // The opening marker lies at 12 bytes into the block.
  const std::size_t davor = block.size() - 12 - 2000;
  EXPECT_EQ(Bei(b, "ausserhalb-fenster"), Zeilen{2});
  EXPECT_NE(Warnung(b, "ausserhalb-fenster").find("beginnt " + std::to_string(davor) + " Bytes vor dem Fenster"),
            std::string::npos) << Warnung(b, "ausserhalb-fenster");
  EXPECT_NE(Warnung(b, "ausserhalb-fenster").find("um mindestens " + std::to_string(davor + 1) + " Bytes"),
            std::string::npos);
  EXPECT_FALSE(b.Gefunden);
  EXPECT_EQ(b.BlockGroesse, block.size());
}

TEST(Warnungen, ALeaderOutsideTheWindow) {
  // The example block grown to `groesse` bytes by a ruler line; its opening marker lies at byte 12.
  const auto lang = [](std::size_t groesse) {
    return Block(Mit(kBeispiel, std::string(groesse - Block(kBeispiel).size() - 2, '=')));
  };
  const TZQBefund teils = Angehaengt(lang(2005));
  EXPECT_EQ(Bei(teils, "vorspann-ausserhalb"), Zeilen{2});
  EXPECT_NE(Warnung(teils, "vorspann-ausserhalb").find("beginnt 5 Bytes vor"), std::string::npos);
  EXPECT_TRUE(teils.Gefunden) << "one byte before the marker is enough";
  const TZQBefund ganz = Angehaengt(lang(2012));
  EXPECT_EQ(Bei(ganz, "vorspann-ausserhalb"), Zeilen{2});
  EXPECT_NE(Warnung(ganz, "vorspann-ausserhalb").find("am Anfang des Fensters"), std::string::npos);
  EXPECT_FALSE(ganz.Gefunden);
}

TEST(Warnungen, NoLeaderBeforeTheOpeningMarker) {
  const std::string ohne = Block(kBeispiel).substr(12);
  const TZQBefund seite = Seitendatei(ohne);
  EXPECT_EQ(Bei(seite, "kein-vorspann"), Zeilen{1});
  EXPECT_FALSE(seite.Gefunden);
  const TZQBefund text = Text(ohne);
  EXPECT_EQ(Bei(text, "kein-vorspann"), Zeilen{1});
  EXPECT_TRUE(text.Gefunden) << "the conversion puts the leader before it";
  EXPECT_EQ(Bei(Angehaengt(ohne), "kein-vorspann"), Zeilen{1});
  EXPECT_TRUE(Angehaengt(ohne).Gefunden) << "the executable's last byte stands in";
}

TEST(Warnungen, UnknownKeysAndLinesThatOnlyLookLikeSettings) {
  const TZQBefund b = Seitendatei(Block(Mit(Mit(Mit(kBeispiel, "#x=1"), "#n =falsch"), "Beispiel: #z=W")));
  EXPECT_EQ(Bei(b, "unbekannter-schluessel"), Zeilen{7});
  EXPECT_EQ(Bei(b, "keine-einstellung"), Zeilen{8});
  EXPECT_EQ(b.Block.Name, L"mein Super-Programm");
  EXPECT_EQ(b.Warnungen.size(), 2u) << "a help line is no setting";
}

TEST(Warnungen, SeveralNameTargetOrMenuLinesTheLastWins) {
  const TZQBefund b = Seitendatei(Block(Mit(Mit(kBeispiel, "#N=Zweiter"), "#m=2")));
  EXPECT_EQ(Bei(b, "mehrfach"), (Zeilen{7, 8}));
  EXPECT_NE(Warnung(b, "mehrfach").find("(Zeilen 3, 7)"), std::string::npos) << Warnung(b, "mehrfach");
  EXPECT_EQ(b.Block.Name, L"Zweiter");
  EXPECT_EQ(b.Menues, "2");
}

TEST(Warnungen, AMenuValueWithoutDigitsOneToFive) {
  const TZQBefund b = Seitendatei(Block({"#n=x", "#z=P", "#m=keine 0 6", "#d=a.exe,A"}));
  EXPECT_EQ(Bei(b, "menue-ohne-ziffer"), Zeilen{5});
  EXPECT_TRUE(b.Block.HatMenue) << "the installer counts it as given";
  EXPECT_TRUE(b.Dateien[0].Verknuepfungen.empty());
}

TEST(Warnungen, TargetsWithoutDrive) {
  const auto ziel = [](const std::string& z) { return Seitendatei(Block({"#n=x", "#z=" + z, "#m=1", "#d=a,A"})); };
  EXPECT_EQ(Bei(ziel("Programme\\x"), "ziel-ohne-laufwerk"), Zeilen{4});
  EXPECT_EQ(Bei(ziel("C:x"), "ziel-ohne-laufwerk"), Zeilen{4});
  EXPECT_EQ(Bei(ziel("%ProgramFiles%\\x"), "ziel-ohne-laufwerk"), Zeilen{4});
  EXPECT_EQ(Bei(ziel("\\\\server\\teil"), "ziel-netz"), Zeilen{4});
  EXPECT_EQ(Bei(ziel(""), "ziel-leer"), Zeilen{4});
  EXPECT_EQ(ziel("").Zielvorschlag, "\\");
  for (const char* gut : {"C:\\Werkzeuge", "d:/x", "p", "W", "D"}) EXPECT_TRUE(ziel(gut).Warnungen.empty()) << gut;
  EXPECT_EQ(ziel("d").Zielvorschlag, "<Anwendungsdaten aller Benutzer>\\x\\");
}

TEST(Warnungen, FileLinesWithoutMenuText) {
  const TZQBefund eine = Seitendatei(Block(Mit(kBeispiel, "#d=Hilfe.chm")));
  EXPECT_EQ(Bei(eine, "ohne-menuetext"), Zeilen{7});
  EXPECT_EQ(Bei(eine, "keine-menuetexte"), Zeilen{});
  const TZQBefund keine = Seitendatei(Block({"#n=x", "#z=P", "#m=1", "#d=a.exe", "#d=b.exe, "}));
  EXPECT_EQ(Bei(keine, "ohne-menuetext"), (Zeilen{6, 7}));
  EXPECT_EQ(Bei(keine, "keine-menuetexte"), Zeilen{0});
  EXPECT_NE(keine.Urteil.Fehler.find(L"- Programm-Dateien"), std::wstring::npos);
  EXPECT_EQ(Bei(Seitendatei(Block({"#d=", "#d=,,"})), "dateizeile-leer"), (Zeilen{3, 4}));
}

TEST(Warnungen, EmptyFieldsMoveTheFollowingForward) {
  const TZQBefund b = Seitendatei(Block({"#n=x", "#z=P", "#m=5", "#d=a.exe,,Menü,-p,", "#d=b.exe,B,-q,"}));
  EXPECT_EQ(Bei(b, "leeres-feld"), Zeilen{6}) << "a comma at the end moves nothing";
  EXPECT_EQ(b.Dateien[0].Datei.Text, L"Menü");
}

TEST(Warnungen, MenuTextsThatCannotBeFileNames) {
  const TZQBefund b = Seitendatei(Block({"#n=x", "#z=P", "#m=15", "#d=a.exe,Was ist neu?", "#d=b.exe,..\\..\\Autostart",
                                         "#d=c.exe,Hilfe: Start", "#d=d.exe,Öffnen mit...", "#d=e.exe,.", "#d=f.exe,A/B"}));
  EXPECT_EQ(Bei(b, "menuetext-kein-dateiname"), (Zeilen{6, 7, 8, 10, 11}));
  EXPECT_NE(Warnung(b, "menuetext-kein-dateiname").find("enthält „?“"), std::string::npos);
  // The installer makes no entries for them; the plain text completes the block.
  EXPECT_TRUE(b.Urteil.Fehler.empty());
  EXPECT_TRUE(b.Dateien[1].Verknuepfungen.empty());
  EXPECT_TRUE(b.Dateien[1].Verben.empty());
  EXPECT_EQ(b.Dateien[3].Verknuepfungen.size(), 1u);

  const TZQBefund keiner = Seitendatei(Block({"#n=x", "#z=P", "#m=1", "#d=a.exe,a\\b", "#d=b.exe,.."}));
  EXPECT_EQ(Bei(keiner, "keine-menuetexte"), Zeilen{0});
  EXPECT_NE(keiner.Urteil.Fehler.find(L"- Programm-Dateien"), std::wstring::npos);
}

TEST(Warnungen, TwoFilesWithOneMenuText) {
  const TZQBefund b = Seitendatei(Block(Mit(kBeispiel, "#d=Zweite.exe,mein menü-text")));
  EXPECT_EQ(Bei(b, "menuetext-doppelt"), Zeilen{7});
  EXPECT_NE(Warnung(b, "menuetext-doppelt").find("schon Zeile 6"), std::string::npos);
}

TEST(Warnungen, ParametersWithABackslashWhereExplorerEntriesAreMade) {
  const std::vector<std::string> zeilen = {"#n=x", "#z=C:\\X", "#d=a.exe,A,/log=C:\\a.txt,-v"};
  const TZQBefund explorer = Seitendatei(Block(Mit(zeilen, "#m=4")));
  EXPECT_EQ(Bei(explorer, "parameter-backslash"), Zeilen{5});
  EXPECT_EQ(explorer.Dateien[0].Befehlszeile, "\"C:\\X\\a.exe\" \"/log=C:\\a.txt\" \"-v\" \"%1\"");
  EXPECT_EQ(explorer.Dateien[0].Verben.size(), 2u);
  EXPECT_EQ(Bei(Seitendatei(Block(Mit(zeilen, "#m=123"))), "parameter-backslash"), Zeilen{})
      << "without Explorer entries the parameters go nowhere";
}

TEST(Warnungen, FileNamesThatLeaveTheFolderAndQuotesInParameters) {
  const TZQBefund b = Text(Block({"#n=x", "#z=P", "#m=45", "#d=..\\fremd.exe,Fremd", "#d=C:\\x.exe,X",
                                  "#d=\\y.exe,Y", "#d=a:b.exe,AB", "#d=*.exe,Stern", "#d=gut.exe,Gut,-a \"b\"",
                                  "#d=..gut.exe,Zwei,-c"}));
  EXPECT_EQ(Bei(b, "datei-ausserhalb"), (Zeilen{6, 7, 8, 9, 10}));
  EXPECT_EQ(Bei(b, "parameter-anfuehrungszeichen"), Zeilen{11});
}
