#include "platform/ShellLink.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/Testordner.h"

namespace {

class ShellLinks : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::ComInitialize(); }
  Testordner ordner;
};

}  // namespace

TEST_F(ShellLinks, WritesAndReadsBackTheTargetPath) {
  // Names that no 8-bit code page holds at once, one beyond the 16-bit plane.
  const std::wstring ziel = ordner.BreitDatei(L"Datei \u0141\u00f3d\u017a \u011f \u03a9 \u65b0 \U0001F600.txt", "x");
  const std::wstring link = ordner.BreitPfad() + L"Men\u00fc \u0141 \u2713.lnk";
  {
    platform::ShellLink l;
    ASSERT_EQ(l.Create(), 0);
    EXPECT_EQ(l.SetPath(ziel), 0);
    EXPECT_EQ(l.Save(link, false), 0);
  }
  EXPECT_TRUE(std::filesystem::exists(link));

  platform::ShellLink l;
  ASSERT_EQ(l.Create(), 0);
  ASSERT_EQ(l.Load(link), 0);
  platform::ShellFolderItem gelesen;
  EXPECT_EQ(l.GetIDList(gelesen), 0);
  EXPECT_EQ(gelesen.Path(), ziel);
}

TEST_F(ShellLinks, KeepsATargetThatDoesNotExist) {
  const std::wstring link = ordner.BreitPfad() + L"fern.lnk";
  {
    platform::ShellLink l;
    ASSERT_EQ(l.Create(), 0);
    l.SetPath(L"C:\\Gibt es nicht\\x.exe");
    ASSERT_EQ(l.Save(link, false), 0);
  }
  platform::ShellLink l;
  ASSERT_EQ(l.Create(), 0);
  ASSERT_EQ(l.Load(link), 0);
  platform::ShellFolderItem gelesen;
  l.GetIDList(gelesen);
  EXPECT_EQ(gelesen.Path(), L"C:\\Gibt es nicht\\x.exe");
}

TEST_F(ShellLinks, LoadingAMissingFileFails) {
  platform::ShellLink l;
  ASSERT_EQ(l.Create(), 0);
  EXPECT_NE(l.Load(ordner.BreitPfad() + L"fehlt.lnk"), 0);
}

TEST(ErrorText, NamesTheSystemError) {
  // ERROR_FILE_NOT_FOUND; the wording is the system's, in its language.
  EXPECT_FALSE(platform::ErrorText(2).empty());
  EXPECT_NE(platform::ErrorText(2).back(), '\n');
}
