#include "lib/_zq_Feld_3.h"

#include <algorithm>
#include <cmath>

#include "platform/Locale.h"

namespace {

// The folding steps in their order; each replaces its plain letter (or "+") before its special
// character, ignoring case: step k turns the characters of pattern 2k into the two characters of
// replacement 2k, and those of pattern 2k + 1 into replacement 2k + 1.
constexpr int AnzahlSchritte = 5;
constexpr char Muster[] = "sßaäoöuü+-";
constexpr char Ersatz[] = "s1s2a1a2o1o2u1u2+2+1";

// The steps that a text triggers, one bit each.
unsigned Ausloeser(const std::string& t) {
  unsigned schritte = 0;
  for (char c : t) {
    switch (c) {
      case 'ß': schritte |= 1u; break;
      case 'ä': case 'Ä': schritte |= 2u; break;
      case 'ö': case 'Ö': schritte |= 4u; break;
      case 'ü': case 'Ü': schritte |= 8u; break;
      case '-': schritte |= 16u; break;
      default: break;
    }
  }
  return schritte;
}

// All the given steps in one pass. That equals running their replacements one after the other:
// the characters they insert (the plain letters, "+", "1", "2") fit no pattern of a later step.
std::string Falten(const std::string& t, unsigned schritte, const char* grossMuster) {
  std::string f;
  f.reserve(t.size() * 2);
  for (char c : t) {
    char gross = c;
    platform::UpperCaseInPlace(&gross, 1);
    int treffer = -1;
    for (int k = 0; k < AnzahlSchritte && treffer < 0; ++k) {
      if ((schritte & (1u << k)) == 0) continue;
      if (gross == grossMuster[2 * k]) treffer = 2 * k;
      else if (gross == grossMuster[2 * k + 1]) treffer = 2 * k + 1;
    }
    if (treffer < 0) f += c;
    else f.append(Ersatz + 2 * treffer, 2);
  }
  return f;
}

int Plattform(const std::string& a, const std::string& b) {
  return platform::CompareIgnoringCase(a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                                       static_cast<std::int32_t>(b.size())) - 2;
}

}  // namespace

int TextVergleich(const std::string& a, const std::string& b) {
  const unsigned schritte = Ausloeser(a) | Ausloeser(b);
  if (schritte == 0) return Plattform(a, b);
  char grossMuster[sizeof Muster];
  std::copy(std::begin(Muster), std::end(Muster), grossMuster);
  platform::UpperCaseInPlace(grossMuster, sizeof Muster - 1);
  return Plattform(Falten(a, schritte, grossMuster), Falten(b, schritte, grossMuster));
}

std::int32_t BlockKapazitaet(std::int32_t anzahl) {
  if (anzahl <= 0) return 100;
  const auto kapazitaet = static_cast<std::int32_t>(std::sqrt(static_cast<double>(anzahl)) * 1.33) + 1;
  return std::max<std::int32_t>(kapazitaet, 100);
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

  for (std::int32_t p = 2; p <= n; ++p) {
    const std::string& neu = liste[p];
    // The block: the last one whose first text sorts before the new text, or one whose first
    // text equals it. Anything but greater, the failure included, counts as less.
    auto lo = std::int32_t{1}, hi = static_cast<std::int32_t>(bloecke.size()) - 1, gewaehlt = -1;
    while (lo <= hi) {
      const std::int32_t mitte = (lo + hi) / 2;
      const int v = TextVergleich(neu, liste[bloecke[mitte][1]]);
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
      const int v = TextVergleich(neu, liste[block[mitte]]);
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
  std::vector<bool> bleibt(static_cast<std::size_t>(n) + 1, false);
  if (nurNachbarn != 0) {
    bleibt[1] = true;
    for (std::int32_t i = 2; i <= n; ++i) bleibt[i] = TextVergleich(liste[i], liste[i - 1]) != 0;
  } else {
    const std::vector<std::int32_t> index = IndexSortieren(liste);
    bleibt[index[1]] = true;
    for (std::int32_t k = 2; k <= n; ++k) bleibt[index[k]] = TextVergleich(liste[index[k]], liste[index[k - 1]]) != 0;
  }
  std::int32_t c = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    if (!bleibt[i]) continue;
    ++c;
    if (c != i) liste[c] = std::move(liste[i]);
  }
  liste.resize(static_cast<std::size_t>(c) + 1);
}
