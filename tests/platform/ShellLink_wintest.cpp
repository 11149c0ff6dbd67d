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
  const std::string ziel = ordner.Datei("Meine Datei.txt", "x");
  const std::string link = ordner.Pfad() + "Mein Menue-Text.lnk";
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
  std::string gelesen;
  EXPECT_EQ(l.GetPath(gelesen), 0);
  EXPECT_EQ(gelesen, ziel);
}

TEST_F(ShellLinks, KeepsATargetThatDoesNotExist) {
  const std::string link = ordner.Pfad() + "fern.lnk";
  {
    platform::ShellLink l;
    ASSERT_EQ(l.Create(), 0);
    l.SetPath("C:\\Gibt es nicht\\x.exe");
    ASSERT_EQ(l.Save(link, false), 0);
  }
  platform::ShellLink l;
  ASSERT_EQ(l.Create(), 0);
  ASSERT_EQ(l.Load(link), 0);
  std::string gelesen;
  l.GetPath(gelesen);
  EXPECT_EQ(gelesen, "C:\\Gibt es nicht\\x.exe");
}

TEST_F(ShellLinks, LoadingAMissingFileFails) {
  platform::ShellLink l;
  ASSERT_EQ(l.Create(), 0);
  EXPECT_NE(l.Load(ordner.Pfad() + "fehlt.lnk"), 0);
}

TEST(ErrorText, NamesTheSystemError) {
  // ERROR_FILE_NOT_FOUND; the wording is the system's, in its language.
  EXPECT_FALSE(platform::ErrorText(2).empty());
  EXPECT_NE(platform::ErrorText(2).back(), '\n');
}
