#include "lib/_zq_ZeichenEinfach_1.h"

#include <algorithm>

#include "platform/Locale.h"

namespace {

// Up to n characters from position p; positions below 1 start at 1 without reducing n. Counted in
// 64 bits, so that no argument of 32 bits can overflow.
std::string Teil(const std::string& t, std::int64_t p, std::int64_t n) {
  const auto laenge = static_cast<std::int64_t>(t.size());
  if (t.empty()) return {};
  if (p < 1) p = 1;
  else if (p > laenge) return {};
  if (n < 0) return {};
  return t.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(std::min(n, laenge - p + 1)));
}

}  // namespace

std::string TextRechts(const std::string& t, std::int32_t n) {
  return Teil(t, static_cast<std::int64_t>(t.size()) - n + 1, n);
}

std::string TextMitte(const std::string& t, std::int32_t p, std::int32_t n) {
  std::int64_t anzahl = n < 0 ? static_cast<std::int64_t>(t.size()) : n;
  return Teil(t, p < 1 ? 1 : p, anzahl);
}

std::string TextMitteVonRechts(const std::string& t, std::int32_t p, std::int32_t n) {
  std::string umgekehrt(t.rbegin(), t.rend());
  std::string teil = TextMitte(umgekehrt, p, n);
  return std::string(teil.rbegin(), teil.rend());
}

std::string ZahlAlsText(std::int64_t z) {
  // The magnitude as unsigned, so that the lowest value has a positive counterpart.
  std::uint64_t betrag = z < 0 ? 0 - static_cast<std::uint64_t>(z) : static_cast<std::uint64_t>(z);
  std::string ziffern;
  do {
    // Divided by 10 in 16-bit steps of 32-bit arithmetic: a 32-bit build then needs none of the
    // C runtime's 64-bit division.
    std::uint32_t rest = 0;
    std::uint64_t quotient = 0;
    for (int stelle = 48; stelle >= 0; stelle -= 16) {
      const std::uint32_t teil = (rest << 16) | static_cast<std::uint32_t>((betrag >> stelle) & 0xFFFF);
      quotient = (quotient << 16) | (teil / 10);
      rest = teil % 10;
    }
    ziffern.insert(ziffern.begin(), static_cast<char>('0' + rest));
    betrag = quotient;
  } while (betrag != 0);
  if (z < 0) ziffern.insert(ziffern.begin(), '-');
  return ziffern;
}

std::string TextKlein(const std::string& t) {
  std::string klein = t;
  if (!klein.empty()) platform::LowerCaseInPlace(klein.data(), static_cast<std::uint32_t>(klein.size()));
  return klein;
}
