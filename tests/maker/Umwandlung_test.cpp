// The conversion of a maker's text into the bytes the installer reads, and what the tool takes
// for an executable.
#include <gtest/gtest.h>

#include "install/_block.h"
#include "install/_pe.h"

#include "maker/Blocktext.h"
#include "maker/Pruefung.h"
#include "maker/Zeichensatz.h"
#include "tests/maker/Hilfen.h"

using macher::Utf8;

TEST(Umwandlung, Utf8WithLfBecomes1252WithCrLf) {
  const TZQUmwandlung u = Umwandeln(Utf8(u8"#n=Zählwerk\n#d=a.exe,Grüße €\n"), true);
  EXPECT_TRUE(u.Utf8);
  EXPECT_EQ(u.Text, "#n=Z\xE4hlwerk\r\n#d=a.exe,Gr\xFC\xDF" "e \x80\r\n");
  EXPECT_EQ(u.FremdeZeilenenden, 2);
  EXPECT_EQ(u.ErsteFremdeZeile, 1);
  EXPECT_TRUE(u.Fremdzeichen.empty());
}

TEST(Umwandlung, Text1252StaysAsItIsAndCrAloneEndsALine) {
  const TZQUmwandlung u = Umwandeln("#n=Z\xE4hler\r\n#z=P\r#m=1\r\n", true);
  EXPECT_FALSE(u.Utf8) << "0xE4 followed by h is no UTF-8";
  EXPECT_EQ(u.Text, "#n=Z\xE4hler\r\n#z=P\r\n#m=1\r\n");
  EXPECT_EQ(u.FremdeZeilenenden, 1);
  EXPECT_EQ(u.ErsteFremdeZeile, 2);
}

TEST(Umwandlung, ByteOrderMarksAreDroppedOrRefused) {
  EXPECT_EQ(Umwandeln("\xEF\xBB\xBF#n=\xC3\xBC\r\n", true).Text, "#n=\xFC\r\n");
  EXPECT_TRUE(Umwandeln("\xFF\xFE#\0n\0", true).Utf16);
  EXPECT_TRUE(Umwandeln("\xFE\xFF\0#\0n", true).Utf16);
}

TEST(Umwandlung, CharactersOutside1252AreFoundByLineAndColumn) {
  const TZQUmwandlung u = Umwandeln(Utf8(u8"Codierung:\n#d=ä → b\n#n=✓\n"), true);
  ASSERT_EQ(u.Fremdzeichen.size(), 2u);
  EXPECT_EQ(u.Fremdzeichen[0].Zeile, 2);
  EXPECT_EQ(u.Fremdzeichen[0].Spalte, 6) << "columns count characters, not bytes";
  EXPECT_EQ(u.Fremdzeichen[0].Zeichen, 0x2192u);
  EXPECT_EQ(u.Fremdzeichen[1].Zeile, 3);
  EXPECT_EQ(u.Text, "Codierung:\r\n#d=\xE4 ? b\r\n#n=?\r\n");
  // Read as the installer reads: the five bytes that 1252 leaves free.
  const TZQUmwandlung roh = Umwandeln("#n=a\x81" "b\x9D\r\n", false);
  ASSERT_EQ(roh.Fremdzeichen.size(), 2u);
  EXPECT_EQ(roh.Fremdzeichen[0].Spalte, 5);
  EXPECT_EQ(roh.Fremdzeichen[1].Zeichen, 0x9Du);
  // Written as UTF-8, their control characters are refused all the same.
  EXPECT_EQ(Umwandeln(Utf8(u8"#n=\u0081\u00e4"), true).Fremdzeichen.size(), 1u);
}

TEST(Umwandlung, AHalfOfAUtf16PairIsFound) {
  EXPECT_TRUE(PaareGanz(L"Gr\u00fc\u00dfe \U0001F600"));
  for (const std::wstring& halb : {std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x",
                                  L"x" + std::wstring(1, static_cast<wchar_t>(0xDC00))}) {
    EXPECT_FALSE(PaareGanz(halb));
  }
}

TEST(Umwandlung, Cp1252AndUtf8MapBothWays) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    char zurueck = 0;
    if (!Cp1252Belegt(c)) continue;
    ASSERT_TRUE(Cp1252Von(Cp1252Zeichen(c), zurueck)) << b;
    EXPECT_EQ(zurueck, c) << b;
  }
  EXPECT_EQ(Utf8AusCp1252("\x80\x84\xFC"), Utf8(u8"€„ü"));
  const std::string pfeil = Utf8(u8"Grüße → ok") + "\xFF";
  EXPECT_EQ(Cp1252AusUtf8(pfeil), "Gr\xFC\xDF" "e ? ok?");
  std::uint32_t zeichen = 0;
  std::size_t laenge = 0;
  EXPECT_FALSE(Utf8Folge("\xC0\xAF", 0, zeichen, laenge)) << "overlong";
  EXPECT_FALSE(Utf8Folge("\xED\xA0\x80", 0, zeichen, laenge)) << "surrogate";
  const std::string gesicht = Utf8(u8"😀");
  EXPECT_TRUE(Utf8Folge(gesicht, 0, zeichen, laenge));
  EXPECT_EQ(zeichen, 0x1F600u);
  EXPECT_EQ(UnicodeName(zeichen), "U+01F600");
}

TEST(Umwandlung, TheLeaderLineIsAddedOnlyWhereNothingPrecedesTheMarker) {
  const TZQQuelle ohne = QuelleAusBlocktext("\n#ZQ1#\n#n=a\n#ZQ1#\n");
  EXPECT_TRUE(ohne.VorspannErgaenzt);
  EXPECT_EQ(ohne.Bytes, "Codierung:\r\n\r\n#ZQ1#\r\n#n=a\r\n#ZQ1#\r\n");
  EXPECT_EQ(ohne.Bytes.substr(ohne.TextAnfang), ohne.Umwandlung.Text) << "the maker's lines keep their numbers";
  const TZQQuelle mit = QuelleAusBlocktext("Mein Block\n#ZQ1#\n#n=a\n#ZQ1#\n");
  EXPECT_FALSE(mit.VorspannErgaenzt);
  EXPECT_EQ(mit.Bytes, "Mein Block\r\n#ZQ1#\r\n#n=a\r\n#ZQ1#\r\n");
}

TEST(Programmdatei, AnExecutableIsRecognisedWithWhatIsAttachedAndItsSignature) {
  const std::string exe = macher::Programm();
  const TZQProgramm p = ProgrammLesen(exe + "Codierung:\r\n");
  EXPECT_TRUE(p.Gueltig);
  EXPECT_FALSE(p.Signiert);
  EXPECT_EQ(p.BildEnde, exe.size()) << "the marker inside the image is not attached data";

  const std::string signiert = macher::Signiert(exe + "abc", 64);
  const TZQProgramm s = ProgrammLesen(signiert);
  EXPECT_TRUE(s.Signiert);
  EXPECT_EQ(s.BildEnde, exe.size());
  EXPECT_EQ(s.SignaturAnfang, exe.size() + 8);
  EXPECT_EQ(s.SignaturAnfang + s.SignaturGroesse, signiert.size());
}

// The window that installer and tool read: before the certificate table of a signature that ends
// the file, whatever the zeros that align it; as before everywhere else.
TEST(Fenster, EndsBeforeTheSignatureThatEndsTheFile) {
  const std::string gross = macher::Programm() + std::string(3000, 'a');
  for (int laenge = 0; laenge < 8; ++laenge) {
    const std::string block = macher::Block({"#n=" + std::string(laenge, 'x')});
    const std::string signiert = macher::Signiert(gross + block);
    EXPECT_EQ(Fenster(signiert), (gross + block).substr(gross.size() + block.size() - 2000)) << laenge;
    EXPECT_EQ(FensterSchluss(signiert), gross.size() + block.size()) << laenge;
    EXPECT_EQ(BlockLesen(Fenster(signiert), [](const std::wstring&) { return true; }).Name,
              std::wstring(laenge, L'x'));
  }
  const std::string klein = macher::Programm() + macher::Block({"#n=klein"});
  const std::string kleinSigniert = macher::Signiert(klein);
  EXPECT_EQ(Fenster(kleinSigniert), kleinSigniert.substr(0, klein.size())) << "a short source is read whole";

  const std::string signiert = macher::Signiert(gross + macher::Block({"#n=davor"}));
  const std::string danach = signiert + macher::Block({"#n=danach"});
  EXPECT_EQ(Fenster(danach), danach.substr(danach.size() - 2000)) << "a block attached after signing";
  std::string kaputt = signiert;
  kaputt.pop_back();
  EXPECT_EQ(Fenster(kaputt), kaputt.substr(kaputt.size() - 2000)) << "a table that does not end the file";
  const std::string nullen = macher::Signiert(gross + macher::Block({"#n=x"}) + std::string(8, '\0'));
  EXPECT_FALSE(BlockGefunden(Fenster(nullen))) << "alignment is 7 zero bytes at most";
  const std::string text = std::string(3000, 'b') + macher::Block({"#n=x"});
  EXPECT_EQ(Fenster(text), text.substr(text.size() - 2000)) << "a side file";
}

TEST(Programmdatei, OtherFilesAreNoExecutables) {
  EXPECT_FALSE(ProgrammLesen("").Gueltig);
  EXPECT_FALSE(ProgrammLesen(macher::Block(macher::kBeispiel)).Gueltig);
  std::string kopf = macher::Programm();
  kopf.resize(0x90);
  EXPECT_FALSE(ProgrammLesen(kopf).Gueltig) << "cut short";
  std::string dll = macher::Programm();
  dll[0x97] = 0x21;  // IMAGE_FILE_DLL
  EXPECT_FALSE(ProgrammLesen(dll).Gueltig);
  std::string weit = macher::Programm();
  weit[0x3C] = '\xF0', weit[0x3D] = '\xFF', weit[0x3E] = '\xFF', weit[0x3F] = '\xFF';
  EXPECT_FALSE(ProgrammLesen(weit).Gueltig) << "a header offset beyond the file";
}
