#include "lib/_zq_Feld_3.h"

#include <algorithm>
#include <array>

#include "platform/Locale.h"

namespace {

// The folding steps in their order; each replaces its plain letter (or "+") before its special
// character, ignoring case: step k turns the characters of pattern 2k into the two characters of
// replacement 2k, and those of pattern 2k + 1 into replacement 2k + 1.
constexpr int AnzahlSchritte = 5;
constexpr char Muster[] = "sßaäoöuü+-";
constexpr char Ersatz[] = "s1s2a1a2o1o2u1u2+2+1";

// For each character, the bit of the step that it triggers.
constexpr std::array<std::uint8_t, 256> AusloeserTabelle = [] {
  std::array<std::uint8_t, 256> t{};
  constexpr char ausloeser[] = "ßäÄöÖüÜ-";
  constexpr std::uint8_t schritt[] = {1, 2, 2, 4, 4, 8, 8, 16};
  for (int i = 0; i < 8; ++i) t[static_cast<unsigned char>(ausloeser[i])] = schritt[i];
  return t;
}();

unsigned Ausloeser(const std::string& t) {
  unsigned schritte = 0;
  for (char c : t) schritte |= AusloeserTabelle[static_cast<unsigned char>(c)];
  return schritte;
}

// For each character: 0, or 1 + the number of the replacement that it gets.
using ErsatzTabelle = std::array<std::uint8_t, 256>;

// The replacements of the given steps, by the upper-cased character.
ErsatzTabelle ErsatzNachGross(unsigned schritte) {
  char gross[sizeof Muster];
  std::copy(std::begin(Muster), std::end(Muster), gross);
  platform::UpperCaseInPlace(gross, sizeof Muster - 1);
  ErsatzTabelle ersatz{};
  // Written backwards, so that where two patterns meet the earlier replacement wins.
  for (int i = 2 * AnzahlSchritte - 1; i >= 0; --i)
    if (schritte & (1u << (i / 2))) ersatz[static_cast<unsigned char>(gross[i])] = static_cast<std::uint8_t>(i + 1);
  return ersatz;
}

// All the steps of a table in one pass, into `ziel` (room for twice the text); `ersatz(i)` is the
// table's entry for character i. One pass equals running the replacements one after the other:
// the characters they insert (the plain letters, "+", "1", "2") fit no pattern of a later step.
// Returns the folded length.
template <typename ErsatzVon>
std::size_t Falten(const std::string& t, ErsatzVon ersatz, char* ziel) {
  char* z = ziel;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::uint8_t e = ersatz(i);
    if (e == 0) {
      *z++ = t[i];
    } else {
      *z++ = Ersatz[2 * (e - 1)];
      *z++ = Ersatz[2 * (e - 1) + 1];
    }
  }
  return static_cast<std::size_t>(z - ziel);
}

// Working space on the stack for texts of ordinary length, on the heap beyond.
class Puffer {
 public:
  explicit Puffer(std::size_t groesse) : daten_(stapel_) {
    if (groesse > sizeof stapel_) {
      halde_.resize(groesse);
      daten_ = halde_.data();
    }
  }
  char* Daten() { return daten_; }

 private:
  char stapel_[1024];
  std::vector<char> halde_;
  char* daten_;
};

int Plattform(const char* a, std::size_t la, const char* b, std::size_t lb) {
  return platform::CompareIgnoringCase(a, static_cast<std::int32_t>(la), b, static_cast<std::int32_t>(lb)) - 2;
}

// TextVergleich for the routines that compare the texts of one list many times: what the folding
// needs of the code page is worked out once per call, the steps of each text once per text, and a
// folded text is kept for the next comparisons (the new text of an insertion meets many others,
// a text in the neighbour pass is compared twice).
class ListenVergleich {
 public:
  explicit ListenVergleich(const std::vector<std::string>& liste) : liste_(liste), ausloeser_(liste.size(), 0) {
    for (std::size_t i = 1; i < liste.size(); ++i) ausloeser_[i] = static_cast<std::uint8_t>(Ausloeser(liste[i]));
    for (int c = 0; c < 256; ++c) gross_[c] = static_cast<char>(c);
    platform::UpperCaseInPlace(gross_.data(), static_cast<std::uint32_t>(gross_.size()));
  }

  // TextVergleich(liste[a], liste[b]).
  int operator()(std::int32_t a, std::int32_t b) {
    const unsigned schritte = ausloeser_[a] | ausloeser_[b];
    if (schritte == 0) return Plattform(liste_[a].data(), liste_[a].size(), liste_[b].data(), liste_[b].size());
    const std::string& fa = Gefaltet(a, schritte);
    const std::string& fb = Gefaltet(b, schritte);
    return Plattform(fa.data(), fa.size(), fb.data(), fb.size());
  }

 private:
  // Two folded texts are kept for each set of steps; the one not used last makes room.
  struct Ablage {
    std::int32_t position[2] = {0, 0};
    std::string text[2];
    int frei = 0;
  };

  const std::string& Gefaltet(std::int32_t position, unsigned schritte) {
    Ablage& ablage = ablagen_[schritte];
    for (int i = 0; i < 2; ++i) {
      if (ablage.position[i] == position) {
        ablage.frei = 1 - i;
        return ablage.text[i];
      }
    }
    const ErsatzTabelle& ersatz = Tabelle(schritte);
    const std::string& t = liste_[position];
    const int i = ablage.frei;
    std::string& f = ablage.text[i];
    f.resize(2 * t.size());
    f.resize(Falten(t, [&](std::size_t k) { return ersatz[static_cast<unsigned char>(t[k])]; }, f.data()));
    ablage.position[i] = position;
    ablage.frei = 1 - i;
    return f;
  }

  // The replacements of a set of steps, by the character itself.
  const ErsatzTabelle& Tabelle(unsigned schritte) {
    if (!gebaut_[schritte]) {
      const ErsatzTabelle nachGross = ErsatzNachGross(schritte);
      for (int c = 0; c < 256; ++c) tabellen_[schritte][c] = nachGross[static_cast<unsigned char>(gross_[c])];
      gebaut_[schritte] = true;
    }
    return tabellen_[schritte];
  }

  static constexpr unsigned AlleSchritte = 1u << AnzahlSchritte;
  const std::vector<std::string>& liste_;
  std::vector<std::uint8_t> ausloeser_;
  std::array<char, 256> gross_;
  std::array<ErsatzTabelle, AlleSchritte> tabellen_;
  std::array<bool, AlleSchritte> gebaut_{};
  std::array<Ablage, AlleSchritte> ablagen_;
};

// Asks the processor to fetch a text that the next step of a search may compare.
void Vorabholen(const std::string& t) {
  __builtin_prefetch(&t);
  __builtin_prefetch(t.data());
}

}  // namespace

int TextVergleich(const std::string& a, const std::string& b) {
  const unsigned schritte = Ausloeser(a) | Ausloeser(b);
  if (schritte == 0) return Plattform(a.data(), a.size(), b.data(), b.size());
  const ErsatzTabelle ersatz = ErsatzNachGross(schritte);
  // Each text needs its length for its upper-cased copy and twice that for its folded one.
  Puffer puffer(3 * (a.size() + b.size()));
  char* grossA = puffer.Daten();
  char* gefaltetA = grossA + a.size();
  char* grossB = gefaltetA + 2 * a.size();
  char* gefaltetB = grossB + b.size();
  std::copy(a.begin(), a.end(), grossA);
  std::copy(b.begin(), b.end(), grossB);
  platform::UpperCaseInPlace(grossA, static_cast<std::uint32_t>(a.size()));
  platform::UpperCaseInPlace(grossB, static_cast<std::uint32_t>(b.size()));
  const std::size_t la = Falten(a, [&](std::size_t i) { return ersatz[static_cast<unsigned char>(grossA[i])]; }, gefaltetA);
  const std::size_t lb = Falten(b, [&](std::size_t i) { return ersatz[static_cast<unsigned char>(grossB[i])]; }, gefaltetB);
  return Plattform(gefaltetA, la, gefaltetB, lb);
}

std::int32_t BlockKapazitaet(std::int32_t anzahl) {
  // 1.33 times the square root of `anzahl`, whole, + 1, and at least 100: k is the largest whole
  // number with k * k <= 1.33^2 * anzahl, found in whole numbers (no floating-point runtime).
  std::int64_t k = 99;
  while ((k + 1) * (k + 1) * 10000 <= 17689ll * anzahl) ++k;
  return static_cast<std::int32_t>(k + 1);
}

std::vector<std::int32_t> IndexSortieren(const std::vector<std::string>& liste) {
  const auto n = static_cast<std::int32_t>(liste.size()) - 1;
  if (n <= 0) return {0};
  const std::int32_t kapazitaet = BlockKapazitaet(n);
  // A binary insertion sort over a table of blocks, blocks and entries counted from 1. A block's
  // element 0 holds its number of entries; it never stays full, but is split in halves, so an
  // insertion moves entries of one block only.
  using Block = std::vector<std::int32_t>;
  std::vector<Block> bloecke(2);
  bloecke[1].assign(static_cast<std::size_t>(kapazitaet) + 1, 0);
  bloecke[1][0] = 1;
  bloecke[1][1] = 1;

  ListenVergleich vergleich(liste);
  for (std::int32_t p = 2; p <= n; ++p) {
    // The block: the last one whose first text sorts before the new text, or one whose first
    // text equals it. Anything but greater, the failure included, counts as less.
    auto lo = std::int32_t{1}, hi = static_cast<std::int32_t>(bloecke.size()) - 1, gewaehlt = -1;
    while (lo <= hi) {
      const std::int32_t mitte = (lo + hi) / 2;
      const int v = vergleich(p, bloecke[mitte][1]);
      if (v > 0) {
        lo = mitte + 1;
      } else if (v == 0) {
        gewaehlt = mitte;
        break;
      } else {
        hi = mitte - 1;
      }
    }
    if (gewaehlt < 0) gewaehlt = std::max(lo - 1, 1);
    Block& block = bloecke[gewaehlt];

    // The place: directly behind an equal text met on the way, else before the first greater one.
    const std::int32_t m = block[0];
    lo = 1;
    hi = m;
    std::int32_t stelle = -1;
    while (lo <= hi) {
      const std::int32_t mitte = (lo + hi) / 2;
      if (lo < mitte) Vorabholen(liste[block[(lo + mitte - 1) / 2]]);
      if (mitte < hi) Vorabholen(liste[block[(mitte + 1 + hi) / 2]]);
      const int v = vergleich(p, block[mitte]);
      if (v > 0) {
        lo = mitte + 1;
      } else if (v == 0) {
        stelle = mitte + 1;
        break;
      } else {
        hi = mitte - 1;
      }
    }
    if (stelle < 0) stelle = lo;
    std::copy_backward(block.begin() + stelle, block.begin() + m + 1, block.begin() + m + 2);
    block[stelle] = p;
    block[0] = m + 1;

    if (block[0] == kapazitaet) {
      const std::int32_t haelfte = kapazitaet / 2;
      Block hinten(static_cast<std::size_t>(kapazitaet) + 1, 0);
      std::copy(block.begin() + (kapazitaet - haelfte + 1), block.begin() + kapazitaet + 1, hinten.begin() + 1);
      hinten[0] = haelfte;
      block[0] = kapazitaet - haelfte;
      bloecke.insert(bloecke.begin() + gewaehlt + 1, std::move(hinten));
    }
  }

  std::vector<std::int32_t> index(static_cast<std::size_t>(n) + 1);
  index[0] = n;
  std::size_t k = 1;
  for (std::size_t b = 1; b < bloecke.size(); ++b)
    for (std::int32_t e = 1; e <= bloecke[b][0]; ++e) index[k++] = bloecke[b][e];
  return index;
}

void DoppelteEntfernen(std::uint8_t nurNachbarn, std::vector<std::string>& liste) {
  const auto n = static_cast<std::int32_t>(liste.size()) - 1;
  if (n <= 0) return;
  // Decided on the texts as they stand, then compacted: each staying text moves once.
  std::vector<char> bleibt(static_cast<std::size_t>(n) + 1, false);
  ListenVergleich vergleich(liste);
  if (nurNachbarn != 0) {
    bleibt[1] = true;
    for (std::int32_t i = 2; i <= n; ++i) bleibt[i] = vergleich(i, i - 1) != 0;
  } else {
    const std::vector<std::int32_t> index = IndexSortieren(liste);
    bleibt[index[1]] = true;
    for (std::int32_t k = 2; k <= n; ++k) {
      if (k < n) Vorabholen(liste[index[k + 1]]);
      bleibt[index[k]] = vergleich(index[k], index[k - 1]) != 0;
    }
  }
  std::int32_t c = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    if (!bleibt[i]) continue;
    ++c;
    if (c != i) liste[c] = std::move(liste[i]);
  }
  liste.resize(static_cast<std::size_t>(c) + 1);
}
