#include "lib/_zq_Feld_3.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Texte = std::vector<std::string>;

// A 1-based list with a marker in element 0, which no routine may touch.
Texte Liste(Texte texte) {
  texte.insert(texte.begin(), "element 0");
  return texte;
}

Texte Entfernt(std::uint8_t nurNachbarn, Texte texte) {
  Texte liste = Liste(std::move(texte));
  DoppelteEntfernen(nurNachbarn, liste);
  EXPECT_FALSE(liste.empty());
  if (liste.empty()) return {};
  EXPECT_EQ(liste[0], "element 0");
  return Texte(liste.begin() + 1, liste.end());
}

// Random file-like names from an alphabet on which TextVergleich is a consistent order: every
// letter that a folding step replaces occurs, but no other letter that the platform puts level
// with it (no "á" beside "a"), so folding a pair of texts or not never changes their order.
class Namen {
 public:
  explicit Namen(unsigned saat) : gen_(saat) {}

  std::string Name() {
    static const std::string zeichen = "aAbsSßäÄoöuÜ-+12. ";
    std::string t(Zahl(0, 6), ' ');
    for (char& c : t) c = zeichen[Zahl(0, zeichen.size() - 1)];
    return t;
  }

  // Often a name given before, in its own or in another letter case.
  Texte Liste(std::size_t anzahl) {
    Texte liste = {"element 0"};
    for (std::size_t i = 1; i <= anzahl; ++i) {
      if (i > 1 && Zahl(0, 2) == 0) {
        std::string alt = liste[Zahl(1, i - 1)];
        for (char& c : alt)
          if (Zahl(0, 1) == 0) c = c == 'a' ? 'A' : c == 'A' ? 'a' : c == 'ä' ? 'Ä' : c == 'Ä' ? 'ä' : c;
        liste.push_back(alt);
      } else {
        liste.push_back(Name());
      }
    }
    return liste;
  }

  std::size_t Zahl(std::size_t von, std::size_t bis) { return std::uniform_int_distribution<std::size_t>(von, bis)(gen_); }

 private:
  std::mt19937 gen_;
};

// IndexSortieren's result names every position once, in an order that never descends.
void PruefeSortiert(const Texte& liste, const std::vector<std::int32_t>& index) {
  const auto n = static_cast<std::int32_t>(liste.size()) - 1;
  ASSERT_EQ(index.size(), liste.size());
  ASSERT_EQ(index[0], n);
  std::vector<std::int32_t> positionen(index.begin() + 1, index.end());
  std::sort(positionen.begin(), positionen.end());
  for (std::int32_t i = 0; i < n; ++i) ASSERT_EQ(positionen[i], i + 1);
  for (std::int32_t k = 2; k <= n; ++k)
    ASSERT_LE(TextVergleich(liste[index[k - 1]], liste[index[k]]), 0)
        << "\"" << liste[index[k - 1]] << "\" before \"" << liste[index[k]] << "\"";
}

}  // namespace

TEST(TextVergleich, FoldsUmlautsBehindTheirBaseLetter) {
  EXPECT_EQ(TextVergleich("a", "ä"), -1);
  EXPECT_EQ(TextVergleich("ä", "b"), -1);
  EXPECT_EQ(TextVergleich("az", "ä"), -1);
  EXPECT_EQ(TextVergleich("ä", "az"), 1);
  EXPECT_EQ(TextVergleich("oz", "Ö"), -1);
  EXPECT_EQ(TextVergleich("Ö", "p"), -1);
  EXPECT_EQ(TextVergleich("uz", "ü"), -1);
  EXPECT_EQ(TextVergleich("ü", "v"), -1);
  // "ß" after every continuation of "s", before "t"; not equal to "ss" as the platform has it.
  EXPECT_EQ(TextVergleich("sz", "ß"), -1);
  EXPECT_EQ(TextVergleich("ss", "ß"), -1);
  EXPECT_EQ(TextVergleich("ß", "t"), -1);
  EXPECT_EQ(TextVergleich("Straße", "Strasse"), 1);
  EXPECT_EQ(TextVergleich("Strasse", "Straße"), -1);
}

TEST(TextVergleich, IgnoresCaseButNoOtherDifference) {
  EXPECT_EQ(TextVergleich("STRASSE", "strasse"), 0);
  EXPECT_EQ(TextVergleich("ÄRGER.TXT", "ärger.txt"), 0);
  EXPECT_EQ(TextVergleich("Über-Sicht", "üBER-sICHT"), 0);
  EXPECT_EQ(TextVergleich("", ""), 0);
  EXPECT_NE(TextVergleich("", "a"), 0);
  EXPECT_NE(TextVergleich("a", ""), 0);
  // The hyphen becomes "+1" and "+" becomes "+2", so none of these is level with another.
  const Texte texte = {"co-op", "coop", "co+op", "co+1op", "co+2op", "a-b", "a+b", "ä", "a2", "a1", "ß", "s2"};
  for (const auto& x : texte) {
    for (const auto& y : texte) {
      const int v = TextVergleich(x, y);
      EXPECT_EQ(v == 0, x == y) << x << " / " << y;
      EXPECT_EQ(v, -TextVergleich(y, x)) << x << " / " << y;
    }
  }
  EXPECT_EQ(TextVergleich("a-b", "a+b"), -1);
}

TEST(TextVergleich, SortsGermanFileNames) {
  const Texte folge = {"Apfel.txt", "Apfelz.txt", "Äpfel.txt", "Baum-Liste.txt", "Bäume.txt",
                       "Bäume-Liste.txt", "Masse.txt", "Maße.txt", "Mut.txt", "Müll.txt", "Zürich.txt"};
  for (std::size_t i = 1; i < folge.size(); ++i)
    EXPECT_EQ(TextVergleich(folge[i - 1], folge[i]), -1) << folge[i - 1] << " / " << folge[i];
}

TEST(IndexSortieren, SmallListsAndTies) {
  EXPECT_EQ(IndexSortieren({}), (std::vector<std::int32_t>{0}));
  EXPECT_EQ(IndexSortieren({"element 0"}), (std::vector<std::int32_t>{0}));
  EXPECT_EQ(IndexSortieren(Liste({"x"})), (std::vector<std::int32_t>{1, 1}));
  EXPECT_EQ(IndexSortieren(Liste({"b", "a", "c"})), (std::vector<std::int32_t>{3, 2, 1, 3}));
  // A text equal to one met in the search goes directly behind it: the first stays first, the
  // later ones follow in the order the searches give them.
  EXPECT_EQ(IndexSortieren(Liste({"b", "A", "a"})), (std::vector<std::int32_t>{3, 2, 3, 1}));
  EXPECT_EQ(IndexSortieren(Liste({"x", "X", "x"})), (std::vector<std::int32_t>{3, 1, 3, 2}));
}

TEST(IndexSortieren, BlockCapacityGrowsWithTheRootOfTheCount) {
  for (std::int32_t n : {-5, 0, 1, 150, 5653}) EXPECT_EQ(BlockKapazitaet(n), 100) << n;
  EXPECT_EQ(BlockKapazitaet(5654), 101);
  EXPECT_EQ(BlockKapazitaet(10000), 134);
  EXPECT_EQ(BlockKapazitaet(100000), 421);
}

TEST(IndexSortieren, SplitsFullBlocksAndKeepsTheOrder) {
  // 150 texts fill a block of capacity 100 and split it, at the end, at the front and inside;
  // 5700 texts use the odd capacity 101.
  auto nummer = [](int i) { return std::string(1, static_cast<char>('a' + i / 260 % 26)) + static_cast<char>('a' + i / 10 % 26) + static_cast<char>('0' + i % 10); };
  Texte aufsteigend = {""}, absteigend = {""}, gemischt = {""}, gross = {""};
  for (int i = 0; i < 150; ++i) {
    aufsteigend.push_back(nummer(i));
    absteigend.push_back(nummer(149 - i));
    gemischt.push_back(nummer(i * 37 % 150));
  }
  for (int i = 0; i < 5700; ++i) gross.push_back(nummer(i * 4099 % 5700));
  for (const Texte* liste : {&aufsteigend, &absteigend, &gemischt, &gross}) {
    const auto index = IndexSortieren(*liste);
    PruefeSortiert(*liste, index);
    if (liste == &aufsteigend) {
      EXPECT_EQ(index[100], 100);
    }
    if (liste == &absteigend) {
      EXPECT_EQ(index[1], 150);
    }
  }
}

TEST(IndexSortieren, RandomListsComeOutSortedWithEveryPositionOnce) {
  Namen namen(31337);
  for (int fall = 0; fall < 60; ++fall) {
    const Texte liste = namen.Liste(namen.Zahl(0, 260));
    SCOPED_TRACE("case " + std::to_string(fall));
    const auto index = IndexSortieren(liste);
    PruefeSortiert(liste, index);
    // The first of each group of equal texts in list order is the first in sorted order.
    std::int32_t erster = 1;
    for (std::size_t k = 2; k < index.size(); ++k) {
      if (TextVergleich(liste[index[k - 1]], liste[index[k]]) != 0) {
        erster = static_cast<std::int32_t>(k);
      } else {
        EXPECT_LT(index[erster], index[k]) << liste[index[k]];
      }
    }
  }
}

TEST(DoppelteEntfernen, KeepsTheFirstOccurrenceInListOrder) {
  EXPECT_EQ(Entfernt(0, {"", "b.exe", "A.dll", "ä.txt", "a.exe", "b.exe"}),
            (Texte{"", "b.exe", "A.dll", "ä.txt", "a.exe"}));
  EXPECT_EQ(Entfernt(0, {"x", "X", "y", "x"}), (Texte{"x", "y"}));
  EXPECT_EQ(Entfernt(0, {"a", "b", "a"}), (Texte{"a", "b"}));
  EXPECT_EQ(Entfernt(0, {"", ""}), (Texte{""}));
  EXPECT_EQ(Entfernt(0, {"Straße", "STRASSE", "strasse", "Strasse"}), (Texte{"Straße", "STRASSE"}));
  EXPECT_EQ(Entfernt(0, {"co-op", "coop", "CO-OP"}), (Texte{"co-op", "coop"}));
}

TEST(DoppelteEntfernen, NeighboursOnlyComparesWithTheTextThatStoodBefore) {
  EXPECT_EQ(Entfernt(1, {"x", "X", "y", "x"}), (Texte{"x", "y", "x"}));
  EXPECT_EQ(Entfernt(1, {"a", "b", "a"}), (Texte{"a", "b", "a"}));
  EXPECT_EQ(Entfernt(255, {"a", "A", "a", "b", "B", "", ""}), (Texte{"a", "b", ""}));
}

TEST(DoppelteEntfernen, ShortListsStayAsTheyAre) {
  for (std::uint8_t modus : {0, 1}) {
    EXPECT_EQ(Entfernt(modus, {"nur"}), (Texte{"nur"}));
    EXPECT_EQ(Entfernt(modus, {}), (Texte{}));
    Texte leer;
    DoppelteEntfernen(modus, leer);
    EXPECT_TRUE(leer.empty());
  }
}

TEST(DoppelteEntfernen, AgreesWithTheQuadraticReference) {
  Namen namen(2024);
  for (int fall = 0; fall < 150; ++fall) {
    const Texte liste = namen.Liste(namen.Zahl(0, 60));
    SCOPED_TRACE("case " + std::to_string(fall));
    Texte alle = {liste[0]}, nachbarn = {liste[0]};
    for (std::size_t i = 1; i < liste.size(); ++i) {
      bool schonDa = false;
      for (std::size_t j = 1; j < alle.size() && !schonDa; ++j) schonDa = TextVergleich(liste[i], alle[j]) == 0;
      if (!schonDa) alle.push_back(liste[i]);
      if (i == 1 || TextVergleich(liste[i], liste[i - 1]) != 0) nachbarn.push_back(liste[i]);
    }
    Texte ergebnis = liste;
    DoppelteEntfernen(0, ergebnis);
    EXPECT_EQ(ergebnis, alle);
    ergebnis = liste;
    DoppelteEntfernen(1, ergebnis);
    EXPECT_EQ(ergebnis, nachbarn);
  }
}
