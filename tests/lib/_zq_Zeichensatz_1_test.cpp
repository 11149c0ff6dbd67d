#include "lib/_zq_Zeichensatz_1.h"

#include <gtest/gtest.h>

TEST(Cp1252Schmal, EveryByteComesBackAndALoneHalfOfAPairTakesNothingWithIt) {
  std::string alle;
  for (int b = 1; b < 256; ++b) alle += static_cast<char>(b);
  std::string schmal;
  EXPECT_TRUE(Cp1252Schmal(Cp1252Breit(alle), schmal)) << "the five free bytes included, as Windows maps them";
  EXPECT_EQ(schmal, alle);
  const std::wstring halbe = {L'a', static_cast<wchar_t>(0xD800), L'b', static_cast<wchar_t>(0xDC00), L'c',
                              static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD800)};
  EXPECT_FALSE(Cp1252Schmal(halbe, schmal));
  EXPECT_EQ(schmal, "a?b?c??");
}
