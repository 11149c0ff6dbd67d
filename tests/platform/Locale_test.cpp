#include "platform/Locale.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The case pairs of code page 1252, position by position.
const std::string Grosse = "ABCDEFGHIJKLMNOPQRSTUVWXYZŠŒŽŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ";
const std::string Kleine = "abcdefghijklmnopqrstuvwxyzšœžÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ";
// Small letters without a capital in the code page.
const std::string NurKlein = "ƒªµºß";

int Vergleich(const std::string& a, const std::string& b) {
  return platform::CompareIgnoringCase(a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                                       static_cast<std::int32_t>(b.size()));
}

}  // namespace

TEST(Locale, CaseMappingPairsTheCapitalsWithTheirSmallForms) {
  ASSERT_EQ(Grosse.size(), Kleine.size());
  std::string s = Grosse + NurKlein + "0-9 ×÷";
  platform::LowerCaseInPlace(s.data(), static_cast<std::uint32_t>(s.size()));
  EXPECT_EQ(s, Kleine + NurKlein + "0-9 ×÷");
  platform::UpperCaseInPlace(s.data(), static_cast<std::uint32_t>(s.size()));
  EXPECT_EQ(s, Grosse + NurKlein + "0-9 ×÷");
}

TEST(Locale, CharacterTypeMarksExactlyTheLettersOfTheCodePageByCase) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    std::uint16_t typ = 0xFFFF;
    ASSERT_TRUE(platform::CharacterType(c, typ)) << code;
    const bool gross = Grosse.find(c) != std::string::npos;
    const bool klein = Kleine.find(c) != std::string::npos || NurKlein.find(c) != std::string::npos;
    EXPECT_EQ((typ & platform::CType1Upper) != 0, gross) << "code " << code;
    EXPECT_EQ((typ & platform::CType1Lower) != 0, klein) << "code " << code;
    EXPECT_EQ((typ & platform::CType1Digit) != 0 && code < 128, code >= '0' && code <= '9') << code;
  }
  std::uint16_t typ = 0;
  platform::CharacterType(' ', typ);
  EXPECT_TRUE(typ & platform::CType1Blank);
  platform::CharacterType('\r', typ);
  EXPECT_TRUE(typ & platform::CType1Control);
  EXPECT_FALSE(typ & (platform::CType1Upper | platform::CType1Lower));
}

TEST(Locale, ComparisonIgnoresLetterCase) {
  for (std::size_t i = 0; i < Grosse.size(); ++i)
    EXPECT_EQ(Vergleich(Grosse.substr(i, 1), Kleine.substr(i, 1)), 2) << Kleine.substr(i, 1);
  EXPECT_EQ(Vergleich("STRASSE.TXT", "strasse.txt"), 2);
  EXPECT_EQ(Vergleich("Überblick", "üBERBLICK"), 2);
  EXPECT_EQ(Vergleich("", ""), 2);
}

TEST(Locale, ComparisonSortsAccentedLettersWithTheirBaseLetter) {
  // base < accented form < next base letter, and a following letter outweighs the accent
  const char* faelle[][3] = {{"a", "ä", "b"}, {"o", "ö", "p"}, {"u", "ü", "v"}, {"e", "é", "f"},
                             {"c", "ç", "d"}, {"n", "ñ", "o"}, {"A", "Ä", "B"}, {"apfel", "Äpfel", "apfelz"}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Vergleich(f[0], f[1]), 1) << f[0] << " " << f[1];
    EXPECT_EQ(Vergleich(f[1], f[2]), 1) << f[1] << " " << f[2];
    EXPECT_EQ(Vergleich(f[2], f[1]), 3) << f[2] << " " << f[1];
  }
  EXPECT_EQ(Vergleich("az", "ä"), 3);
  EXPECT_EQ(Vergleich("äz", "az"), 3);
  EXPECT_EQ(Vergleich("ss", "ß"), 2);
  EXPECT_EQ(Vergleich("ae", "æ"), 2);
}

TEST(Locale, ComparisonPutsSignsBeforeDigitsBeforeLettersAndPrefixesFirst) {
  EXPECT_EQ(Vergleich("", "a"), 1);
  EXPECT_EQ(Vergleich("a", ""), 3);
  EXPECT_EQ(Vergleich("ab", "abc"), 1);
  EXPECT_EQ(Vergleich("a b", "ab"), 1);
  EXPECT_EQ(Vergleich(".", "0"), 1);
  EXPECT_EQ(Vergleich("9", "a"), 1);
  EXPECT_EQ(Vergleich("a1", "ab"), 1);
  EXPECT_EQ(Vergleich("s2", "s11"), 3);
  EXPECT_EQ(Vergleich("x+1y", "x y"), 3);
  // Only the given lengths count.
  EXPECT_EQ(platform::CompareIgnoringCase("abc", 2, "abd", 2), 2);
  EXPECT_EQ(platform::CompareIgnoringCase("abc", 3, "ab", 2), 3);
}

TEST(Locale, ComparisonIsAConsistentOrder) {
  const std::vector<std::string> texte = {
      "", " ", "a", "A", "ä", "Ä", "á", "b", "ab", "a b", "a-b", "a+b", "a.b", "a1", "a2", "s", "ss",
      "ß", "S1", "s2", "straße", "Strasse", "strasze", "Ölkanne", "olkanne", "Ulme", "über", "uber",
      "co-op", "coop", "co op", "1", "10", "2", "readme.txt", "README.TXT", "Readme-2.txt", "é", "f",
      "z", "Zürich", "zz", "æon", "aeon", "ñ", "n",
  };
  for (const auto& x : texte) {
    for (const auto& y : texte) {
      const int xy = Vergleich(x, y);
      ASSERT_GE(xy, 1) << x << " / " << y;
      EXPECT_EQ(xy + Vergleich(y, x), 4) << x << " / " << y;
      for (const auto& z : texte) {
        const int yz = Vergleich(y, z);
        if (xy == yz) {
          EXPECT_EQ(Vergleich(x, z), xy) << x << " / " << y << " / " << z;
        }
        if (xy == 2) {
          EXPECT_EQ(Vergleich(x, z), yz) << x << " / " << y << " / " << z;
        }
      }
    }
  }
}

TEST(Locale, ComparisonOrdersFileNamesAsAGermanUserExpects) {
  // In ascending order; "=" joins names that count as equal.
  const std::vector<std::string> folge = {
      "_setup.ini", "~tmp", "1.txt", "10.txt", "2.txt", "a.txt", "=A.TXT", "arger.txt", "Ärger.txt",
      "Argument.txt", "cafe.txt", "Café.txt", "Cafeteria.txt", "naive.txt", "naïve.txt", "nino.txt",
      "Niño.txt", "ol.ini", "Öl.ini", "olz.ini", "Ölz.ini", "read me.txt", "readme", "readme.txt",
      "Straße.doc", "=strasse.doc", "STRASSEN.doc", "Strasze.doc", "uber.txt", "Über.txt",
      "über_2.txt", "Ubersicht.txt", "x y.txt", "x.y.txt", "x_y.txt", "x+y.txt", "zeta.dll",
  };
  for (std::size_t i = 1; i < folge.size(); ++i) {
    const bool gleich = folge[i][0] == '=';
    const std::string text = gleich ? folge[i].substr(1) : folge[i];
    const std::string vorher = folge[i - 1][0] == '=' ? folge[i - 1].substr(1) : folge[i - 1];
    EXPECT_EQ(Vergleich(vorher, text), gleich ? 2 : 1) << vorher << " / " << text;
  }
}
