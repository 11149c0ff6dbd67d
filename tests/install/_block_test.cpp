#include "install/_block.h"

#include <set>

#include <gtest/gtest.h>

namespace {

const std::string kCrLf = "\r\n";

// A window as a maker writes it: the leader line, the markers, the lines between them.
std::string Block(const std::vector<std::string>& zeilen, const std::string& nachher = "\r\n") {
  std::string text = "Codierung:\r\n#ZQ1#\r\n";
  for (const std::string& z : zeilen) text += z + kCrLf;
  return text + "#ZQ1#" + nachher;
}

const auto Keine = [](const std::wstring&) { return false; };

const std::vector<std::string> kBeispiel = {"#n=mein Super-Programm", "#z=P", "#m=135",
                                            "#d=Meine Datei.txt,Mein Menü-Text"};

}  // namespace

TEST(BlockLesen, ReadsTheCompleteExample) {
  const TZQBlock b = BlockLesen(Block(kBeispiel), Keine);
  EXPECT_TRUE(b.HatName && b.HatZiel && b.HatMenue && b.HatDateien);
  EXPECT_EQ(b.Name, L"mein Super-Programm");
  EXPECT_EQ(b.Ziel, L"P");
  EXPECT_EQ(b.Menue, L"135");
  ASSERT_EQ(b.Dateien.size(), 2u);
  EXPECT_EQ(b.Dateien[0].Datei, L"");
  EXPECT_EQ(b.Dateien[1].Datei, L"Meine Datei.txt");
  EXPECT_EQ(b.Dateien[1].Text, L"Mein Menü-Text");
  EXPECT_EQ(b.Dateien[1].Parameter, std::vector<std::wstring>{L""});
  EXPECT_EQ(FalscheDatenText(b), L"");
}

TEST(BlockLesen, ReadsTheMakersTemplateWithItsHelpLines) {
  const std::string fenster =
      "MZ\x90 binary tail of the executable\r\n"
      "Codierung:\r\n#ZQ1#\r\n"
      "==========================================================\r\n"
      "In welchen Menüs soll das Programm später sein? Möglich sind:\r\n"
      "1 = Desktop, 2 = Start-Menü, 3 = Schnellstart, 4 und 5 = Explorer\r\n"
      "Beispiel: #m=135\r\n"
      "----------------------------------------------------------\r\n"
      "#M=  2 4\t\r\n"
      "==========================================================\r\n"
      "In welchen Zielpfad sollen die Dateien kopiert werden? Möglich sind:\r\n"
      "Beispiel: #z=P\r\n"
      "----------------------------------------------------------\r\n"
      "#Z=w\r\n"
      "==========================================================\r\n"
      "Welche Dateien sollen kopiert werden?\r\n"
      "Beispiel: #d=Meine Datei.exe\r\n"
      "----------------------------------------------------------\r\n"
      "#D=Prog.exe , Mein Programm , -s ,  \"x y\"  \r\n"
      "#d=Hilfe.chm\r\n"
      "#d=Lies mich.txt,Was ist neu?\r\n"
      "==========================================================\r\n"
      "Wie soll das Programm bei der Installation genannt werden?\r\n"
      "Beispiel: #n=mein Super-Programm\r\n"
      "----------------------------------------------------------\r\n"
      "#N=Zählwerk 2000\r\n"
      "==========================================================\r\n"
      "#ZQ1#\r\n\r\n\r\n";
  const TZQBlock b = BlockLesen(fenster, Keine);
  EXPECT_EQ(FalscheDatenText(b), L"");
  EXPECT_EQ(b.Name, L"Zählwerk 2000");
  EXPECT_EQ(b.Ziel, L"w");
  EXPECT_EQ(b.Menue, L"2 4");
  ASSERT_EQ(b.Dateien.size(), 4u);
  EXPECT_EQ(b.Dateien[1].Datei, L"Prog.exe");
  EXPECT_EQ(b.Dateien[1].Text, L"Mein Programm");
  // Parameters keep their blanks, but those at the very end of the line go with the value.
  EXPECT_EQ(b.Dateien[1].Parameter, (std::vector<std::wstring>{L"", L" -s ", L"  \"x y\""}));
  EXPECT_EQ(b.Dateien[2].Datei, L"Hilfe.chm");
  EXPECT_EQ(b.Dateien[2].Text, L"");
  EXPECT_EQ(b.Dateien[3].Text, L"Was ist neu?");
}

TEST(BlockLesen, LastNameTargetAndMenuWinEveryFileLineCounts) {
  const TZQBlock b = BlockLesen(
      Block({"#d=b.exe,B", "#n=Erst", "#z=C:\\Eins", "#m=1", "#n=", "#z=D", "#m=", "#d=a.exe,A,p"}), Keine);
  EXPECT_TRUE(b.HatName);
  EXPECT_EQ(b.Name, L"");
  EXPECT_EQ(b.Ziel, L"D");
  EXPECT_TRUE(b.HatMenue);
  EXPECT_EQ(b.Menue, L"");
  EXPECT_EQ(b.Menues, (std::vector<std::wstring>{L"1", L""}));
  ASSERT_EQ(b.Dateien.size(), 3u);
  EXPECT_EQ(b.Dateien[1].Datei, L"b.exe");
  EXPECT_EQ(b.Dateien[2].Datei, L"a.exe");
  EXPECT_EQ(b.Dateien[2].Parameter, (std::vector<std::wstring>{L"", L"p"}));
}

TEST(BlockLesen, NamesEveryMissingSettingInItsOrder) {
  EXPECT_EQ(FalscheDatenText(BlockLesen("", Keine)),
            L"Das Installations-Programm enthält falsche Daten für:\r\n- Programm-Name\r\n"
            L"- Programm-Dateien\r\n- Ziel-Pfad\r\n- Menüs");
  // A file without a menu text does not count.
  EXPECT_EQ(FalscheDatenText(BlockLesen(Block({"#n=x", "#z=P", "#m=135", "#d=Meine Datei.exe"}), Keine)),
            L"Das Installations-Programm enthält falsche Daten für:\r\n- Programm-Dateien");
  EXPECT_EQ(FalscheDatenText(BlockLesen(Block({"#d=a,b", "#m=1"}), Keine)),
            L"Das Installations-Programm enthält falsche Daten für:\r\n- Programm-Name\r\n- Ziel-Pfad");
  // A menu text of blanks is no menu text.
  EXPECT_FALSE(BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=a.exe, ,p"}), Keine).HatDateien);
}

TEST(BlockLesen, FindsTheMarkersOnlyWhereTheyBelong) {
  // Any number of CR LF pairs may follow the closing marker, nothing else.
  EXPECT_TRUE(BlockLesen(Block(kBeispiel, "\r\n\r\n\r\n\r\n"), Keine).HatDateien);
  EXPECT_TRUE(BlockLesen(Block(kBeispiel, ""), Keine).HatDateien);
  EXPECT_FALSE(BlockLesen(Block(kBeispiel, " "), Keine).HatName);
  EXPECT_FALSE(BlockLesen(Block(kBeispiel, "\r\n\n"), Keine).HatName);
  // The markers are case-sensitive.
  std::string klein = Block(kBeispiel);
  klein.replace(klein.find("#ZQ1#"), 5, "#zq1#");
  EXPECT_FALSE(BlockLesen(klein, Keine).HatName);
  // An opening marker at the very start of the window has no leader.
  std::string ohneVorspann = Block(kBeispiel).substr(std::string("Codierung:\r\n").size());
  EXPECT_FALSE(BlockLesen(ohneVorspann, Keine).HatName);
  EXPECT_TRUE(BlockLesen("x" + ohneVorspann, Keine).HatName);
  // Texts of 22 characters or fewer hold no block, even a well-formed one.
  EXPECT_FALSE(BlockLesen("x#ZQ1#\r\n#n=abcdef#ZQ1#", Keine).HatName);
  EXPECT_TRUE(BlockLesen("x#ZQ1#\r\n#n=abcdefg#ZQ1#", Keine).HatName);
  // Overlapping markers give an empty content rather than a fault.
  EXPECT_FALSE(BlockLesen(std::string(30, 'x') + "#ZQ1#ZQ1#", Keine).HatName);
}

TEST(BlockLesen, ReadsTheLastOpeningMarkerBeforeTheEnd) {
  // An older block further up the window is commentary of the leader.
  const std::string fenster = "x#ZQ1#\r\n#n=alt\r\n#ZQ1#\r\n" + Block({"#n=neu"});
  EXPECT_EQ(BlockLesen(fenster, Keine).Name, L"neu");
}

TEST(BlockLesen, TellsSettingLinesFromCommentary) {
  const TZQBlock b = BlockLesen(Block({"n=ohne Raute", "#nn=kein Gleich an dritter Stelle", "#n",
                                       " #n=Blank davor", "Beispiel: #n=mein Super-Programm", "#n=  richtig \t"}),
                                Keine);
  EXPECT_EQ(b.Name, L"richtig");
}

TEST(BlockLesen, SplitsFileLinesAtCommasDroppingEmptyPieces) {
  const TZQBlock b = BlockLesen(Block({"#d=a.exe,,Text nach zwei Kommas,,p1", "#d=,,,", "#d=", "#d= b.exe ,  T  "}), Keine);
  ASSERT_EQ(b.Dateien.size(), 3u);
  EXPECT_EQ(b.Dateien[1].Text, L"Text nach zwei Kommas");
  EXPECT_EQ(b.Dateien[1].Parameter, (std::vector<std::wstring>{L"", L"p1"}));
  EXPECT_EQ(b.Dateien[2].Datei, L"b.exe");
  EXPECT_EQ(b.Dateien[2].Text, L"T");
}

TEST(BlockLesen, TakesOptionalFilesOnlyWhenTheyArePresent) {
  std::set<std::wstring> gefragt;
  const auto vorhanden = [&](const std::wstring& datei) {
    gefragt.insert(datei);
    return datei == L"da.dll";
  };
  const TZQBlock b = BlockLesen(Block({"#?= fehlt.dll ,F", "#?=da.dll,D,x", "#?=,,"}), vorhanden);
  EXPECT_EQ(gefragt, (std::set<std::wstring>{L"fehlt.dll", L"da.dll"}));
  ASSERT_EQ(b.Dateien.size(), 2u);
  EXPECT_EQ(b.Dateien[1].Datei, L"da.dll");
  EXPECT_EQ(b.Dateien[1].Parameter, (std::vector<std::wstring>{L"", L"x"}));
  EXPECT_TRUE(b.HatDateien);
}

TEST(FehlendeDateienText, ListsAllFilesThenTheMissingOnes) {
  EXPECT_EQ(FehlendeDateienText({L"", L"a.exe", L"B.dll", L"Setup.exe"}, {L"B.dll"}),
            L"Diese Dateien sollen installiert werden:\r\n- a.exe\r\n- B.dll\r\n- Setup.exe"
            L"\r\n\r\nDiese Dateien fehlen:\r\n- B.dll");
}

TEST(Gestutzt, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(Gestutzt(" \t\x01 a b \r\x1f"), "a b");
  EXPECT_EQ(Gestutzt("  "), "");
  EXPECT_EQ(Gestutzt("ä"), "ä");
}

TEST(MenueTextBrauchbar, OnlyPlainFileNamesMakeEntries) {
  for (const std::wstring& text : std::vector<std::wstring>{L"Mein Menü-Text", L"Version 2.0", L"a", L"(x) & [y]", L"..a", L"Neu!", L"Łódź ✓"}) {
    EXPECT_TRUE(MenueTextBrauchbar(text)) << text;
  }
  for (const std::wstring& text : std::vector<std::wstring>{L"", L".", L"..", L"..\\..\\x", L"a\\b", L"a/b", L"C:x", L"Neu*", L"Neu?", L"a\"b",
                                 L"a<b", L"a>b", L"a|b", L"a\tb", std::wstring(L"a\x01", 2), L"a\x7f"}) {
    EXPECT_FALSE(MenueTextBrauchbar(text)) << text;
  }
}

TEST(BlockLesen, FileLinesWhoseMenuTextsCannotBeNamesDoNotComplete) {
  const TZQBlock b = BlockLesen(
      Block({"#n=x", "#z=P", "#m=1", "#d=a.exe,..\\..\\Users\\x", "#d=b.exe,Neu?", "#d=c.exe,.."}), Keine);
  // The lines stay files to install, with their texts as written.
  ASSERT_EQ(b.Dateien.size(), 4u);
  EXPECT_EQ(b.Dateien[2].Text, L"Neu?");
  EXPECT_EQ(FalscheDatenText(b), L"Das Installations-Programm enthält falsche Daten für:\r\n- Programm-Dateien");
  EXPECT_EQ(FalscheDatenText(BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=b.exe,Neu?", "#d=a.exe,A"}), Keine)),
            L"");
}

TEST(BlockLesen, DecodesTheBlockAs1252WhateverTheSystem) {
  // The 0x80 row of 1252 differs from Latin-1 and from every other code page.
  const TZQBlock b = BlockLesen(Block({"#n=Preis 5 \x80 \x8a\x9e", "#z=C:\\Z\xe4hler", "#m=1", "#d=\xdc" "ber.exe,Men\xfc \x93" "A\x94,-\x84"}), Keine);
  EXPECT_EQ(b.Name, L"Preis 5 \u20ac \u0160\u017e");
  EXPECT_EQ(b.Ziel, L"C:\\Z\u00e4hler");
  ASSERT_EQ(b.Dateien.size(), 2u);
  EXPECT_EQ(b.Dateien[1].Datei, L"\u00dcber.exe");
  EXPECT_EQ(b.Dateien[1].Text, L"Men\u00fc \u201cA\u201d");
  EXPECT_EQ(b.Dateien[1].Parameter, (std::vector<std::wstring>{L"", L"-\u201e"}));
}

TEST(Urteilen, ListsEachFileOnceAndTheInstallerLastWhateverItsName) {
  const TZQBlock b = BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=A.exe,A", "#d=a.EXE,B", "#d=setup.exe,C"}), Keine);
  const auto alle = [](const std::wstring&) { return true; };
  // Letter case does not count; the first spelling stays.
  EXPECT_EQ(Urteilen(b, L"Setup.exe", alle).Namen, (std::vector<std::wstring>{L"", L"A.exe", L"setup.exe"}));
  // A name that 1252 cannot hold is its own, even where only its foreign letters differ.
  EXPECT_EQ(Urteilen(b, L"\u0141\u00f3d\u017a \U0001F600.exe", alle).Namen,
            (std::vector<std::wstring>{L"", L"A.exe", L"setup.exe", L"\u0141\u00f3d\u017a \U0001F600.exe"}));
  const TZQUrteil fehlt = Urteilen(b, L"Setup \u2713.exe", [](const std::wstring& n) { return n != L"A.exe"; });
  EXPECT_EQ(fehlt.Fehlend, std::vector<std::wstring>{L"A.exe"});
  EXPECT_NE(fehlt.Fehler.find(L"- Setup \u2713.exe"), std::wstring::npos);
  // A byte that 1252 leaves free names a file like any other: twice is once.
  const TZQBlock frei = BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=\x8d,A", "#d=\x8d,B"}), Keine);
  EXPECT_EQ(Urteilen(frei, L"Setup.exe", alle).Namen, (std::vector<std::wstring>{L"", L"\x8d", L"Setup.exe"}));
}

TEST(BlockLesen, FileNamesOutsideTheInstallersFolderRefuseTheBlock) {
  const std::wstring refused = L"Das Installations-Programm enthält falsche Daten für:\r\n- Programm-Dateien";
  for (const std::string name : {"..\\x.dll", "sub\\..\\..\\x.dll", "../x.dll", "sub/..", "..", "C:x.dll",
                                 "C:\\Windows\\x.dll", "a:b.dll", "\\x.dll", "/x.dll", "\\\\srv\\s\\x.dll", "*.dll", "x?.dll",
                                 ".. \\x.dll", "sub\\...\\x", ". .\\x", "NUL.txt", "com1", "sub\\CON\\x.dll", "AUX.exe",
                                 "conin$", "CONOUT$.log", "LPT9", "Com1 .txt", "nul.", "com\xB9.dll"}) {
    const TZQBlock b = BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=Prog.exe,Prog", "#d=" + name}), Keine);
    EXPECT_EQ(FalscheDatenText(b), refused) << name;
  }
  for (const std::string name : {"sub\\x.dll", "..x.dll", "x..dll", "x. .dll", ".\\x.dll", "console.exe", "com10.txt", "nulx",
                                 "lpt.txt", "CON_1.txt"}) {
    EXPECT_EQ(FalscheDatenText(BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=Prog.exe,Prog", "#d=" + name}), Keine)), L"")
        << name;
  }
  // An optional file is refused unasked: asking would look outside the folder already.
  bool gefragt = false;
  const TZQBlock b = BlockLesen(Block({"#n=x", "#z=P", "#m=1", "#d=Prog.exe,Prog", "#?=..\\x.dll"}),
                                [&](const std::wstring&) { return gefragt = true; });
  EXPECT_FALSE(gefragt);
  EXPECT_EQ(FalscheDatenText(b), refused);
}
