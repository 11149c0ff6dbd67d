#include "lib/_zq_ZeichenEinfach_1.h"

#include <climits>

#include <gtest/gtest.h>

TEST(TextRechts, CutsFromTheRightEnd) {
  EXPECT_EQ(TextRechts("abcdef", 5), "bcdef");
  EXPECT_EQ(TextRechts("abc", 5), "abc");
  EXPECT_EQ(TextRechts("abc", 3), "abc");
  EXPECT_EQ(TextRechts("abc", 0), "");
  EXPECT_EQ(TextRechts("abc", -1), "");
  EXPECT_EQ(TextRechts("", 5), "");
  EXPECT_EQ(TextRechts("abc", INT_MAX), "abc");
  EXPECT_EQ(TextRechts("abc", INT_MIN), "");
}

TEST(TextMitte, FollowsThePartRule) {
  EXPECT_EQ(TextMitte("abcdef", 4, -1), "def");
  EXPECT_EQ(TextMitte("abcdef", 0, 2), "ab");
  EXPECT_EQ(TextMitte("abcdef", -3, 2), "ab");
  EXPECT_EQ(TextMitte("abcdef", 5, 5), "ef");
  EXPECT_EQ(TextMitte("abcdef", 6, 1), "f");
  EXPECT_EQ(TextMitte("abcdef", 7, -1), "");
  EXPECT_EQ(TextMitte("abc", 2, 0), "");
  EXPECT_EQ(TextMitte("", 1, 3), "");
  EXPECT_EQ(TextMitte("abc", INT_MIN, INT_MAX), "abc");
  EXPECT_EQ(TextMitte("abc", INT_MAX, INT_MAX), "");
}

TEST(TextMitteVonRechts, SkipsAtTheRightAndTakesTheCharactersBefore) {
  EXPECT_EQ(TextMitteVonRechts("abcdefgh", 6, -1), "abc");
  EXPECT_EQ(TextMitteVonRechts("abcde", 6, -1), "");
  EXPECT_EQ(TextMitteVonRechts("abcdef", 1, 2), "ef");
  EXPECT_EQ(TextMitteVonRechts("abcdef", 2, 2), "de");
  EXPECT_EQ(TextMitteVonRechts("abcdef", 0, 1), "f");
  EXPECT_EQ(TextMitteVonRechts("abcdef", 5, 10), "ab");
  EXPECT_EQ(TextMitteVonRechts("abcdef", 7, 1), "");
  EXPECT_EQ(TextMitteVonRechts("", 1, 1), "");
}

TEST(TextMitteVonRechts, AgreesWithItsDirectFormula) {
  // For 1 <= p <= L: characters max(1, L - p - n + 2) to L - p + 1; for n < 0 from 1.
  const std::string t = "0123456789";
  const int l = static_cast<int>(t.size());
  for (int p = 1; p <= l; ++p) {
    for (int n = -1; n <= l + 1; ++n) {
      const int bis = l - p + 1;
      const int von = n < 0 ? 1 : std::max(1, l - p - n + 2);
      const std::string erwartet = von > bis ? "" : t.substr(von - 1, bis - von + 1);
      EXPECT_EQ(TextMitteVonRechts(t, p, n), erwartet) << "p=" << p << " n=" << n;
    }
  }
}

TEST(ZahlAlsText, WritesPlainDecimals) {
  EXPECT_EQ(ZahlAlsText(0), "0");
  EXPECT_EQ(ZahlAlsText(3), "3");
  EXPECT_EQ(ZahlAlsText(-12), "-12");
  EXPECT_EQ(ZahlAlsText(4294967296), "4294967296");
  EXPECT_EQ(ZahlAlsText(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(ZahlAlsText(INT64_MIN), "-9223372036854775808");
}

TEST(TextKlein, LowerCasesCodePage1252) {
  EXPECT_EQ(TextKlein("#N=Mein Ähnliches"), "#n=mein ähnliches");
  EXPECT_EQ(TextKlein(""), "");
  EXPECT_EQ(TextKlein("ÄÖÜ ß ÀÉÎÕÇÑÞ"), "äöü ß àéîõçñþ");
  EXPECT_EQ(TextKlein("ŠŒŽŸ"), "šœžÿ");
  // The multiplication sign sits among the capitals but has no small form.
  EXPECT_EQ(TextKlein("×"), "×");
  EXPECT_EQ(TextKlein(std::string("A\0B", 3)), std::string("a\0b", 3));
}

TEST(TextKlein, ChangesOnlyCapitals) {
  // Every character that is not a capital comes back as it was; every capital maps to the code
  // of its small letter.
  for (int c = 1; c < 256; ++c) {
    const std::string ein(1, static_cast<char>(c));
    const auto aus = static_cast<unsigned char>(TextKlein(ein)[0]);
    const bool gross = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    if (gross) EXPECT_EQ(aus, c + 0x20) << c;
    else if (c == 0x8A || c == 0x8C || c == 0x8E) EXPECT_EQ(aus, c + 0x10) << c;
    else if (c == 0x9F) EXPECT_EQ(aus, 0xFF);
    else EXPECT_EQ(aus, c) << c;
  }
}
