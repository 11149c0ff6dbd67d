#include "lib/_zq_DateiBytes_2.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "platform/Process.h"
#include "tests/support/Testordner.h"

namespace {

// Bytes 0, 1, 2, ... 250, 0, 1, ...: a prime period, so that a shifted read cannot look right.
std::string Muster(std::size_t laenge) {
  std::string s(laenge, '\0');
  for (std::size_t i = 0; i < laenge; ++i) s[i] = static_cast<char>(i % 251);
  return s;
}

std::string AlsText(const std::vector<std::uint8_t>& daten) {
  return std::string(daten.begin() + 1, daten.end());
}

}  // namespace

TEST(DateiBytesLesen, ReadsTheWindowOfTheLast2000Bytes) {
  Testordner ordner;
  struct Fall {
    std::size_t groesse;
    std::int64_t position;
    std::size_t ab;  // 0-based offset of the first byte expected
    std::size_t anzahl;
  };
  const Fall faelle[] = {
      {1244, 1244 - 1999, 0, 1244},
      {2000, 1, 0, 2000},
      {2001, 2, 1, 2000},
      {500000, 498001, 498000, 2000},
  };
  for (const Fall& f : faelle) {
    const std::string inhalt = Muster(f.groesse);
    const std::wstring pfad = ordner.BreitDatei(L"d" + std::to_wstring(f.groesse) + L".bin", inhalt);
    std::vector<std::uint8_t> daten;
    const std::int64_t n = DateiBytesLesen(pfad, daten, f.position, 2000);
    EXPECT_EQ(n, static_cast<std::int64_t>(f.anzahl)) << f.groesse;
    ASSERT_EQ(daten.size(), f.anzahl + 1) << f.groesse;
    EXPECT_EQ(AlsText(daten), inhalt.substr(f.ab, f.anzahl)) << f.groesse;
  }
}

TEST(DateiBytesLesen, RaisesPositionsAndCountsBelowOne) {
  Testordner ordner;
  const std::wstring pfad = ordner.BreitDatei(L"abc.txt", "abc");
  std::vector<std::uint8_t> daten;
  EXPECT_EQ(DateiBytesLesen(pfad, daten, 2, 0), 1);
  EXPECT_EQ(AlsText(daten), "b");
  EXPECT_EQ(DateiBytesLesen(pfad, daten, 1, -5), 1);
  EXPECT_EQ(AlsText(daten), "a");
  EXPECT_EQ(DateiBytesLesen(pfad, daten, 0, 2), 2);
  EXPECT_EQ(AlsText(daten), "ab");
  EXPECT_EQ(DateiBytesLesen(pfad, daten, -100, 10), 3);
  EXPECT_EQ(AlsText(daten), "abc");
}

TEST(DateiBytesLesen, GivesElementZeroAloneWhenNothingCanBeRead) {
  Testordner ordner;
  const std::wstring leer = ordner.BreitDatei(L"leer.txt", "");
  const std::wstring abc = ordner.BreitDatei(L"abc.txt", "abc");
  const std::wstring faelle[] = {leer, ordner.BreitPfad() + L"fehlt.txt", ordner.BreitPfad(),
                                 ordner.BreitPfad().substr(0, ordner.BreitPfad().size() - 1), L""};
  for (const std::wstring& pfad : faelle) {
    std::vector<std::uint8_t> daten = {7, 8, 9};
    EXPECT_EQ(DateiBytesLesen(pfad, daten, 1, 2000), 0) << pfad;
    ASSERT_EQ(daten.size(), 1u) << pfad;
    EXPECT_EQ(daten[0], 7) << pfad;
  }
  std::vector<std::uint8_t> daten;
  EXPECT_EQ(DateiBytesLesen(abc, daten, 4, 10), 0);
  EXPECT_EQ(daten.size(), 1u);
  EXPECT_EQ(DateiBytesLesen(abc, daten, 1, INT64_MAX), 0);
  EXPECT_EQ(daten.size(), 1u);
}

TEST(DateiBytesLesen, KeepsElementZeroOfAnArrayPassedIn) {
  Testordner ordner;
  const std::wstring pfad = ordner.BreitDatei(L"abc.txt", "abc");
  std::vector<std::uint8_t> daten = {42, 1, 2, 3, 4, 5, 6};
  EXPECT_EQ(DateiBytesLesen(pfad, daten, 1, 2000), 3);
  ASSERT_EQ(daten.size(), 4u);
  EXPECT_EQ(daten[0], 42);
  EXPECT_EQ(AlsText(daten), "abc");
}

TEST(DateiBytesLesen, ReadsAFileOpenForWritingElsewhere) {
  Testordner ordner;
  const std::wstring pfad = ordner.BreitPfad() + L"offen.txt";
  std::FILE* schreiber = _wfopen(pfad.c_str(), L"wb");
  ASSERT_NE(schreiber, nullptr);
  std::fputs("#ZQ1#", schreiber);
  std::fflush(schreiber);
  std::vector<std::uint8_t> daten;
  EXPECT_EQ(DateiBytesLesen(pfad, daten, 1, 2000), 5);
  EXPECT_EQ(AlsText(daten), "#ZQ1#");
  std::fclose(schreiber);
}

TEST(DateiBytesLesen, ReadsTheRunningExecutable) {
  const std::wstring selbst = platform::ModuleFileName();
  std::vector<std::uint8_t> daten;
  ASSERT_EQ(DateiBytesLesen(selbst, daten, 1, 2), 2);
  EXPECT_EQ(AlsText(daten), "MZ");
}
