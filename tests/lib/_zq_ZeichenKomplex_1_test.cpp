#include "lib/_zq_ZeichenKomplex_1.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Stuecke = std::vector<std::pair<std::int32_t, std::int32_t>>;

struct Scan {
  std::int32_t ergebnis;
  Stuecke stuecke;        // (position, length)
  std::vector<bool> treffer;  // without element 0
};

Scan Scannen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein = true,
             bool auswahlwert = true, bool vorwaerts = true, bool zaehlVorwaerts = true, std::int32_t modus = 9,
             std::int32_t anzahl = 0) {
  std::vector<std::int32_t> positionen, laengen;
  std::vector<char> treffer;
  Scan s;
  s.ergebnis = Fundstellen(text, muster, grossKlein, auswahlwert, vorwaerts, zaehlVorwaerts, modus, anzahl,
                           positionen, laengen, treffer);
  EXPECT_EQ(positionen.size(), laengen.size());
  EXPECT_EQ(positionen.size(), treffer.size());
  for (std::size_t i = 1; i < positionen.size(); ++i) {
    s.stuecke.emplace_back(positionen[i], laengen[i]);
    s.treffer.push_back(treffer[i]);
  }
  return s;
}

std::vector<std::string> Liste(std::vector<std::string> muster) {
  muster.insert(muster.begin(), "element 0 is no pattern");
  return muster;
}

std::vector<std::string> Teile(const std::string& text, const std::vector<std::string>& muster, std::int32_t modus,
                               std::int32_t anzahl, bool zaehlVorwaerts = true, bool leereBehalten = false) {
  std::vector<std::string> teile;
  TextZerlegen(text, muster, true, true, true, zaehlVorwaerts, modus, anzahl, leereBehalten, teile);
  EXPECT_FALSE(teile.empty());
  return std::vector<std::string>(teile.begin() + 1, teile.end());
}

std::vector<std::string> Geteilt(const std::string& text, const std::string& trenner, bool leereBehalten,
                                 bool grossKlein = true) {
  std::vector<std::string> teile;
  TextTeilen(text, trenner, leereBehalten, grossKlein, teile);
  EXPECT_FALSE(teile.empty());
  return std::vector<std::string>(teile.begin() + 1, teile.end());
}

using Texte = std::vector<std::string>;

}  // namespace

TEST(ZeichenPasst, SortsCharactersIntoTheClasses) {
  EXPECT_TRUE(ZeichenPasst('\r', KlasseSonder));
  EXPECT_TRUE(ZeichenPasst('\n', KlasseSonder));
  EXPECT_FALSE(ZeichenPasst('\t', KlasseSonder));
  EXPECT_TRUE(ZeichenPasst('5', 21));
  EXPECT_TRUE(ZeichenPasst('5', KlasseZahl));
  EXPECT_FALSE(ZeichenPasst('5', KlasseBuchstabe));
  for (char c : std::string("äöüßaz")) {
    EXPECT_TRUE(IstKleinBuchstabe(c)) << c;
    EXPECT_FALSE(IstGrossBuchstabe(c)) << c;
    EXPECT_TRUE(IstBuchstabe(c)) << c;
  }
  for (char c : std::string("ÄÖÜAZŠ")) {
    EXPECT_TRUE(IstGrossBuchstabe(c)) << c;
    EXPECT_TRUE(ZeichenPasst(c, 28)) << c;
    EXPECT_FALSE(IstSonderzeichen(c)) << c;
  }
  for (char c : std::string(".,-€§\"\x7f")) EXPECT_TRUE(IstSonderzeichen(c)) << c;
  EXPECT_TRUE(ZeichenPasst(' ', KlasseLeer));
  EXPECT_TRUE(ZeichenPasst(' ', 27));
  EXPECT_FALSE(ZeichenPasst('\xa0', KlasseLeer));
  EXPECT_FALSE(IstSonderzeichen(' '));
  EXPECT_FALSE(IstSonderzeichen('7'));
  // Digits are 0 to 9 only, whatever the locale says of the superscripts.
  EXPECT_FALSE(ZeichenPasst('\xb2', KlasseZiffer));
  for (int code = 0; code <= 9; ++code) EXPECT_FALSE(IstSonderzeichen(static_cast<char>(code))) << code;
  // Codes without a class of their own fit no character at all.
  for (int code : {0, 3, 9, 10, 15, 20, 23, 29, 30, 100, 255})
    for (int c = 0; c < 256; ++c) ASSERT_FALSE(ZeichenPasst(static_cast<char>(c), static_cast<std::uint8_t>(code)));
}

TEST(Fundstellen, CutsNumberRunsAsOnePieceInBothDirections) {
  const Stuecke erwartet = {{1, 1}, {2, 1}, {3, 2}, {5, 1}, {6, 3}};
  const std::vector<bool> treffer = {false, false, true, false, true};
  for (bool vorwaerts : {true, false}) {
    const Scan s = Scannen("ab12c345", Liste({KlassenMuster(KlasseZahl)}), true, true, vorwaerts);
    EXPECT_EQ(s.ergebnis, 2);
    EXPECT_EQ(s.stuecke, erwartet);
    EXPECT_EQ(s.treffer, treffer);
  }
}

TEST(Fundstellen, FindsLiteralsFromTheScanStart) {
  Scan s = Scannen("aaa", Liste({"aa"}), true, true, true);
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 2}, {3, 1}}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{true, false}));
  s = Scannen("aaa", Liste({"aa"}), true, true, false);
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 1}, {2, 2}}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{false, true}));
  // The longest fitting pattern wins, whatever its place in the list.
  s = Scannen("abcab", Liste({"a", "abc"}));
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 3}, {4, 1}, {5, 1}}));
  EXPECT_EQ(s.ergebnis, 2);
  s = Scannen("12ab", Liste({"12a", KlassenMuster(KlasseZahl)}));
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 3}, {4, 1}}));
  // A literal must lie wholly inside the text.
  s = Scannen("ab", Liste({"abc"}));
  EXPECT_EQ(s.ergebnis, 0);
  s = Scannen("ab", Liste({"ba"}), true, true, false);
  EXPECT_EQ(s.ergebnis, 0);
}

TEST(Fundstellen, ComparesLettersByCaseOnlyWhenAsked) {
  EXPECT_EQ(Scannen("xABy", Liste({"ab"}), true).ergebnis, 0);
  const Scan s = Scannen("xABy", Liste({"ab"}), false);
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 1}, {2, 2}, {4, 1}}));
  EXPECT_EQ(s.ergebnis, 1);
  EXPECT_EQ(Scannen("ÄRGER", Liste({"är"}), false).ergebnis, 1);
  // Class codes test the text's own characters even when literals are lower-cased.
  EXPECT_EQ(Scannen("aBc", Liste({KlassenMuster(KlasseGross)}), false).ergebnis, 1);
}

TEST(Fundstellen, EmptyTextEmptyListAndEmptyLiteral) {
  std::vector<std::int32_t> positionen = {7, 8, 9}, laengen = {7, 8, 9};
  std::vector<char> treffer = {1, 1, 1};
  EXPECT_EQ(Fundstellen("", Liste({"a"}), true, true, true, true, 9, 0, positionen, laengen, treffer), 0);
  EXPECT_EQ(positionen.size(), 1u);
  EXPECT_EQ(laengen.size(), 1u);
  EXPECT_EQ(treffer.size(), 1u);
  EXPECT_EQ(positionen[0], 7);  // element 0 is not written

  for (const auto& muster : {std::vector<std::string>{}, std::vector<std::string>{"x"}}) {
    Scan s = Scannen("abc", muster, true, true);
    EXPECT_EQ(s.stuecke, (Stuecke{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(s.ergebnis, 0);
    EXPECT_EQ(Scannen("abc", muster, true, false).ergebnis, 3);
  }
  const Scan s = Scannen("abc", Liste({""}));
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 1}, {2, 1}, {3, 1}}));
  EXPECT_EQ(s.ergebnis, 3);
  // A tab is a literal, not a class code.
  EXPECT_EQ(Scannen("a\tb", Liste({"\t"})).ergebnis, 1);
}

TEST(Fundstellen, NegatedClassesInvertTheRunningMatch) {
  Scan s = Scannen("a b ", Liste({KlassenMuster(KlasseLeer + KlasseNicht)}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(Scannen("a b.", Liste({KlassenMuster(23)})).ergebnis, 4);
  EXPECT_EQ(Scannen("a b.", Liste({KlassenMuster(3)})).ergebnis, 0);
  EXPECT_EQ(Scannen("a b.", Liste({KlassenMuster(KlasseJedes)})).ergebnis, 4);
  s = Scannen("12a", Liste({KlassenMuster(KlasseZahl + KlasseNicht)}));
  EXPECT_EQ(s.stuecke, (Stuecke{{1, 2}, {3, 1}}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{false, true}));
  // The inversion acts on what the patterns before it found: a literal match is undone.
  s = Scannen("a1 ", Liste({"a", KlassenMuster(KlasseZiffer + KlasseNicht)}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{false, false, true}));
  s = Scannen("a1 ", Liste({KlassenMuster(KlasseZiffer + KlasseNicht), "a"}));
  EXPECT_EQ(s.treffer, (std::vector<bool>{true, false, true}));
}

TEST(Fundstellen, SelectionModesCountInTheChosenOrder) {
  const std::string t = "a,b,,c,d";  // commas are pieces 2, 4, 5, 7
  const auto komma = Liste({","});
  auto gewaehlt = [&](std::int32_t modus, std::int32_t anzahl, bool vorwaerts, bool zaehlVorwaerts) {
    const Scan s = Scannen(t, komma, true, true, vorwaerts, zaehlVorwaerts, modus, anzahl);
    std::vector<std::int32_t> positionen;
    for (std::size_t i = 0; i < s.stuecke.size(); ++i)
      if (s.treffer[i]) positionen.push_back(s.stuecke[i].first);
    EXPECT_EQ(static_cast<std::size_t>(s.ergebnis), positionen.size());
    return positionen;
  };
  using P = std::vector<std::int32_t>;
  EXPECT_EQ(gewaehlt(NurNter, 2, true, true), (P{4}));
  EXPECT_EQ(gewaehlt(NurNter, -2, true, true), (P{4}));
  EXPECT_EQ(gewaehlt(NurNter, 2, true, false), (P{5}));
  EXPECT_EQ(gewaehlt(NurNter, 2, false, true), (P{5}));
  EXPECT_EQ(gewaehlt(NurNter, 2, false, false), (P{4}));
  EXPECT_EQ(gewaehlt(NurNter, 5, true, true), (P{}));
  EXPECT_EQ(gewaehlt(OhneNten, 1, true, true), (P{4, 5, 7}));
  EXPECT_EQ(gewaehlt(OhneNten, 1, true, false), (P{2, 4, 5}));
  EXPECT_EQ(gewaehlt(NterJeFolge, 1, true, true), (P{2, 4, 7}));
  EXPECT_EQ(gewaehlt(NterJeFolge, 2, true, true), (P{5}));
  EXPECT_EQ(gewaehlt(NterJeFolge, 1, true, false), (P{2, 5, 7}));
  EXPECT_EQ(gewaehlt(NurErsteN, 2, true, true), (P{2, 4}));
  EXPECT_EQ(gewaehlt(NurErsteN, 2, false, true), (P{5, 7}));
  EXPECT_EQ(gewaehlt(NurErsteN, 0, true, true), (P{}));
  EXPECT_EQ(gewaehlt(NurErsteN, INT32_MIN, true, true), (P{2, 4, 5, 7}));
  EXPECT_EQ(gewaehlt(0, 1, true, true), (P{2, 4, 5, 7}));
  EXPECT_EQ(gewaehlt(5, 1, true, true), (P{2, 4, 5, 7}));
}

TEST(Stutzen, TrimsCrLfPairsAtTheRightEndOnly) {
  EXPECT_EQ(RechtsStutzen("a\r\nb\r\n\r\n", "\r\n"), "a\r\nb");
  EXPECT_EQ(RechtsStutzen("a\r\n\n", "\r\n"), "a\r\n\n");
  EXPECT_EQ(RechtsStutzen("x\r\r\n", "\r\n"), "x\r");
  EXPECT_EQ(RechtsStutzen("\r\n\r\n", "\r\n"), "");
  EXPECT_EQ(RechtsStutzen("", "\r\n"), "");
  EXPECT_EQ(RechtsStutzen("\r\nx", "\r\n"), "\r\nx");
  EXPECT_EQ(RechtsStutzen("ab  ", KlassenMuster(KlasseLeer)), "ab");
  EXPECT_EQ(RechtsStutzen("abAB", "ab"), "abAB");
}

TEST(Stutzen, TrimsQuotesAtBothEnds) {
  const std::string befehl = "\"C:\\Programme\\Test\\test.exe\" \"%1\"";
  EXPECT_EQ(BeideEndenStutzen(befehl, "\""), befehl.substr(1, befehl.size() - 2));
  EXPECT_EQ(BeideEndenStutzen("\"\"a b\"\"", "\""), "a b");
  EXPECT_EQ(BeideEndenStutzen("\"\"\"", "\""), "");
  EXPECT_EQ(BeideEndenStutzen("a\"b", "\""), "a\"b");
  for (const char* t : {"", "abc", "\"x\""}) {
    EXPECT_EQ(BeideEndenStutzen(t, ""), "") << t;
    EXPECT_EQ(RechtsStutzen(t, ""), "") << t;
  }
}

TEST(Stutzen, WithTheSelectionInvertedTrimsUpToTheFirstOrAfterTheLastMatch) {
  const auto zahl = Liste({KlassenMuster(KlasseZahl)});
  EXPECT_EQ(EndeStutzen("ab12c345xy", zahl, true, false, true), "12c345xy");
  EXPECT_EQ(EndeStutzen("ab12c345xy", zahl, true, false, false), "ab12c345");
  EXPECT_EQ(EndeStutzen("abc", zahl, true, false, true), "");
  EXPECT_EQ(EndeStutzen("ABab", Liste({"ab"}), false, true, true), "");
}

TEST(TextTeilen, SplitsAtEverySeparator) {
  EXPECT_EQ(Geteilt("a\r\nb\r\n", "\r\n", false), (Texte{"a", "b"}));
  EXPECT_EQ(Geteilt("a\r\nb\r\n", "\r\n", true), (Texte{"a", "b", ""}));
  EXPECT_EQ(Geteilt("a\r\n\r\nb", "\r\n", false), (Texte{"a", "b"}));
  EXPECT_EQ(Geteilt("a,,b", ",", false), (Texte{"a", "b"}));
  EXPECT_EQ(Geteilt("a,,b", ",", true), (Texte{"a", "", "b"}));
  EXPECT_EQ(Geteilt("", ",", false), (Texte{}));
  EXPECT_EQ(Geteilt("", ",", true), (Texte{""}));
  EXPECT_EQ(Geteilt(",a,", ",", true), (Texte{"", "a", ""}));
  EXPECT_EQ(Geteilt(",", ",", true), (Texte{"", ""}));
  EXPECT_EQ(Geteilt(",a,", ",", false), (Texte{"a"}));
  EXPECT_EQ(Geteilt(",", ",", false), (Texte{}));
  EXPECT_EQ(Geteilt("a , b", ",", false), (Texte{"a ", " b"}));
  EXPECT_EQ(Geteilt("xABy", "ab", false, false), (Texte{"x", "y"}));
  EXPECT_EQ(Geteilt("xABy", "ab", false, true), (Texte{"xABy"}));
  EXPECT_EQ(Geteilt("Größe", "", true), (Texte{"", "", "", "", "", ""}));
}

TEST(TextTeilen, WritesTheListOnceAndKeepsElementZero) {
  std::vector<std::string> teile = {"null", "alt1", "alt2", "alt3", "alt4", "alt5"};
  TextTeilen("x,y", ",", false, true, teile);
  EXPECT_EQ(teile, (Texte{"null", "x", "y"}));
  TextTeilen(",,", ",", true, true, teile);
  EXPECT_EQ(teile, (Texte{"null", "", "", ""}));
  teile.clear();
  TextTeilen("x", ",", false, true, teile);
  EXPECT_EQ(teile, (Texte{"", "x"}));
}

TEST(TextZerlegen, SplitsAtTheSelectedSeparatorsOnly) {
  const auto komma = Liste({","});
  EXPECT_EQ(Teile("a,b,c,d,e", komma, NurNter, 2, true), (Texte{"a,b", "c,d,e"}));
  EXPECT_EQ(Teile("a,b,c,d,e", komma, NurNter, 2, false), (Texte{"a,b,c", "d,e"}));
  EXPECT_EQ(Teile("a,b,c,d,e", komma, NurErsteN, 1), (Texte{"a", "b,c,d,e"}));
  EXPECT_EQ(Teile("a,b,c,d,e", komma, OhneNten, 1), (Texte{"a,b", "c", "d", "e"}));
  EXPECT_EQ(Teile("a,,b,c", komma, NterJeFolge, 1), (Texte{"a", ",b", "c"}));
  EXPECT_EQ(Teile("a,,b", komma, 9, 0, true, true), (Texte{"a", "", "b"}));
  std::vector<std::string> teile;
  TextZerlegen("ab12c345", Liste({KlassenMuster(KlasseZahl)}), true, false, true, true, 9, 0, false, teile);
  EXPECT_EQ(teile, (Texte{"", "12", "345"}));
  // Parts come from the text itself, not from its lower-cased copy.
  TextZerlegen("AxBXc", Liste({"x"}), false, true, true, true, 9, 0, false, teile);
  EXPECT_EQ(teile, (Texte{"", "A", "B", "c"}));
}

// Random texts and pattern lists of the kinds the engine tells apart.
class Zufall {
 public:
  explicit Zufall(unsigned saat) : gen_(saat) {}

  std::string Text() {
    static const std::string zeichen = "aAb1 2,\r\nä.";
    std::string t(Zahl(0, 24), ' ');
    for (char& c : t) c = zeichen[Zahl(0, zeichen.size() - 1)];
    return t;
  }

  std::vector<std::string> Muster() {
    static const std::vector<std::string> vorrat = {
        "a", "ab", "aa", "A", ",", "\r\n", "", "1 ", "b1", "ää", KlassenMuster(KlasseJedes), KlassenMuster(KlasseZiffer),
        KlassenMuster(KlasseZahl), KlassenMuster(3), KlassenMuster(KlasseKlein), KlassenMuster(KlasseSonder),
        KlassenMuster(KlasseGross), KlassenMuster(KlasseLeer), KlassenMuster(KlasseBuchstabe), KlassenMuster(22),
        KlassenMuster(23), KlassenMuster(25), KlassenMuster(27)};
    std::vector<std::string> m = {"x"};
    for (std::size_t n = Zahl(0, 3); n > 0; --n) m.push_back(vorrat[Zahl(0, vorrat.size() - 1)]);
    return m;
  }

  std::size_t Zahl(std::size_t von, std::size_t bis) {
    return std::uniform_int_distribution<std::size_t>(von, bis)(gen_);
  }

 private:
  std::mt19937 gen_;
};

std::string Umgedreht(std::string s) { return std::string(s.rbegin(), s.rend()); }

TEST(Fundstellen, PiecesCoverTheTextAndMirrorBetweenTheDirections) {
  Zufall zufall(4711);
  for (int fall = 0; fall < 3000; ++fall) {
    const std::string t = zufall.Text();
    const auto muster = zufall.Muster();
    const bool grossKlein = zufall.Zahl(0, 1), auswahl = zufall.Zahl(0, 1), zaehl = zufall.Zahl(0, 1);
    const auto modus = static_cast<std::int32_t>(zufall.Zahl(0, 5));
    const auto anzahl = static_cast<std::int32_t>(zufall.Zahl(0, 4)) - 2;
    std::vector<std::string> gespiegelt = muster;
    for (std::size_t i = 1; i < gespiegelt.size(); ++i) gespiegelt[i] = Umgedreht(gespiegelt[i]);
    const std::string umgedreht = Umgedreht(t);
    for (bool vorwaerts : {true, false}) {
      SCOPED_TRACE("case " + std::to_string(fall) + (vorwaerts ? " forwards" : " backwards"));
      const Scan s = Scannen(t, muster, grossKlein, auswahl, vorwaerts, zaehl, modus, anzahl);
      std::int32_t naechste = 1, gewaehlt = 0;
      for (std::size_t i = 0; i < s.stuecke.size(); ++i) {
        ASSERT_EQ(s.stuecke[i].first, naechste);
        ASSERT_GE(s.stuecke[i].second, 1);
        naechste += s.stuecke[i].second;
        gewaehlt += s.treffer[i];
      }
      ASSERT_EQ(naechste, static_cast<std::int32_t>(t.size()) + 1);
      ASSERT_EQ(s.ergebnis, gewaehlt);
      // Scanning backwards is scanning the reversed text forwards with reversed literals.
      const Scan m = Scannen(umgedreht, gespiegelt, grossKlein, auswahl, !vorwaerts, zaehl, modus, anzahl);
      ASSERT_EQ(m.stuecke.size(), s.stuecke.size());
      ASSERT_EQ(m.ergebnis, s.ergebnis);
      const std::size_t n = s.stuecke.size();
      for (std::size_t i = 0; i < n; ++i) {
        const auto [pos, len] = m.stuecke[n - 1 - i];
        EXPECT_EQ(static_cast<std::int32_t>(t.size()) - pos - len + 2, s.stuecke[i].first);
        EXPECT_EQ(len, s.stuecke[i].second);
        EXPECT_EQ(m.treffer[n - 1 - i], s.treffer[i]);
      }
    }
  }
}

TEST(TextZerlegen, PartsJoinedWithTheSeparatorsGiveBackTheText) {
  Zufall zufall(815);
  for (int fall = 0; fall < 3000; ++fall) {
    const std::string t = zufall.Text();
    const auto muster = zufall.Muster();
    const bool grossKlein = zufall.Zahl(0, 1), auswahl = zufall.Zahl(0, 1), vorwaerts = zufall.Zahl(0, 1),
               zaehl = zufall.Zahl(0, 1);
    const auto modus = static_cast<std::int32_t>(zufall.Zahl(0, 5));
    const auto anzahl = static_cast<std::int32_t>(zufall.Zahl(1, 3));
    SCOPED_TRACE("case " + std::to_string(fall));
    const Scan s = Scannen(t, muster, grossKlein, auswahl, vorwaerts, zaehl, modus, anzahl);
    std::vector<std::string> trenner;
    for (std::size_t i = 0; i < s.stuecke.size(); ++i)
      if (s.treffer[i]) trenner.push_back(t.substr(s.stuecke[i].first - 1, s.stuecke[i].second));

    std::vector<std::string> alle, nichtLeer;
    TextZerlegen(t, muster, grossKlein, auswahl, vorwaerts, zaehl, modus, anzahl, true, alle);
    TextZerlegen(t, muster, grossKlein, auswahl, vorwaerts, zaehl, modus, anzahl, false, nichtLeer);
    ASSERT_EQ(alle.size(), trenner.size() + 2);
    std::string zusammen = alle[1];
    for (std::size_t i = 0; i < trenner.size(); ++i) zusammen += trenner[i] + alle[i + 2];
    EXPECT_EQ(zusammen, t);
    std::vector<std::string> erwartet = {""};
    for (std::size_t i = 1; i < alle.size(); ++i)
      if (!alle[i].empty()) erwartet.push_back(alle[i]);
    EXPECT_EQ(nichtLeer, erwartet);
  }
}
